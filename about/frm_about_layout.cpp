// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// The help window's panels and controls as they stand before activation.
#include "about/about_texts.h"
#include "about/frm_about.h"
#include "platform/captioned_frame.h"
#include "platform/fonts.h"
#include "platform/mirrored_places.h"
#include "platform/system_colours.h"
#include "platform/twips.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>

namespace {

const QString arial = QStringLiteral("Arial");
const QColor darkBlue(0, 0, 192);
const QColor navy(0, 0, 128);

void setColours(QWidget *widget, const QColor &text, const QColor &background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

template <typename Widget>
Widget *place(Widget *widget, const QString &name, const QRect &geometry) {
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QRect &geometry, const QFont &font,
                  const QColor &text) {
    auto *label = place(new QLabel(parent), name, geometry);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    setColours(label, text, desktopColour());
    return label;
}

// One of the two lines drawn over each other as an etched rule.
QWidget *makeLine(QWidget *parent, const QString &name, const QColor &colour, int thickness) {
    // From (120, 2280) to (5040, 2280).
    auto *line = place(new QWidget(parent), name,
                       QRect(twipsToPixels(120), twipsToPixels(2280),
                             twipsToPixels(5040) - twipsToPixels(120), thickness));
    setColours(line, colour, colour);
    return line;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption,
                        const QRect &geometry) {
    auto *button = place(new QPushButton(caption, parent), name, geometry);
    button->setFont(windowFont());
    return button;
}

} // namespace

void frmAbout::createControls() {
    fraContents =
        place(new QFrame(this), QStringLiteral("fraContents"), twipsRect(0, 1680, 8415, 4575));
    fraContents->setFrameShape(QFrame::NoFrame);
    setColours(fraContents, Qt::black, desktopColour());
    fraContents->hide();

    rtbContents = place(new QTextBrowser(fraContents), QStringLiteral("rtbContents"),
                        twipsRect(0, 0, 8055, 4335));
    rtbContents->setReadOnly(true);
    rtbContents->setOpenLinks(false);
    // A caret the arrow keys move, as in any document viewer, is what lets a
    // screen reader read the document line by line.
    rtbContents->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    rtbContents->setAccessibleName(tr("Help document"));
    rtbContents->installEventFilter(this);

    createAboutPanel();
}

void frmAbout::createAboutPanel() {
    fraAbout = place(new QFrame(this), QStringLiteral("fraAbout"), twipsRect(0, 120, 5295, 3495));
    fraAbout->setFrameShape(QFrame::NoFrame);
    setColours(fraAbout, Qt::black, desktopColour());
    fraAbout->hide();

    lblTitle = makeLabel(fraAbout, QStringLiteral("lblTitle"), twipsRect(120, 120, 2925, 360),
                         designFont(arial, 14.25, true), darkBlue);
    lblVersion = makeLabel(fraAbout, QStringLiteral("lblVersion"), twipsRect(3600, 120, 975, 255),
                           windowFont(), darkBlue);

    Frame1 = place(new CaptionedFrame(authorHeading(), fraAbout), QStringLiteral("Frame1"),
                   twipsRect(120, 600, 4455, 1575));
    Frame1->setFont(designFont(arial, 9.75, true));
    setColours(Frame1, navy, desktopColour());
    // Room for the five lines in faces with taller lines than the design's,
    // as Hebrew and Chinese letters come in.
    lblCopyright = makeLabel(Frame1, QStringLiteral("lblCopyright"),
                             twipsRect(240, 360, 4095, 1140), designFont(arial, 9, true), navy);

    picIcon =
        place(new QLabel(fraAbout), QStringLiteral("picIcon"), twipsRect(4680, 720, 480, 480));
    setColours(picIcon, Qt::black, desktopColour());
    picIcon->setPixmap(QPixmap(QStringLiteral(":/icons/quorvel-32.png")));

    Line1[0] = makeLine(fraAbout, QStringLiteral("Line1_0"), QColor(255, 255, 255), 2);
    Line1[1] = makeLine(fraAbout, QStringLiteral("Line1_1"), QColor(128, 128, 128), 1);

    lblDisclaimer = makeLabel(fraAbout, QStringLiteral("lblDisclaimer"),
                              twipsRect(120, 2400, 3540, 825), windowFont(), Qt::black);
    lblDisclaimer->setText(disclaimerText());

    cmdOK =
        makeButton(fraAbout, QStringLiteral("cmdOK"), tr("OK"), twipsRect(3840, 2400, 1140, 345));
    cmdOK->setDefault(true);
    cmdSysInfo = makeButton(fraAbout, QStringLiteral("cmdSysInfo"), tr("&System Info..."),
                            twipsRect(3840, 2880, 1140, 345));
    // The window fits itself round the panel, so only what the panel holds moves.
    mirrorFixedPlaces(*fraAbout);
}

void frmAbout::arrangeTabOrder() {
    QWidget *const order[] = {cmdOK,      fraAbout,     lblDisclaimer, cmdSysInfo,
                              Frame1,     lblCopyright, picIcon,       lblTitle,
                              lblVersion, fraContents,  rtbContents};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
