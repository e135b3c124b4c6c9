// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// The main window's controls and menus as they stand before any event.
#include "app/frm_tables.h"

#include "app/greeting.h"
#include "app/sum_counts.h"
#include "drill/answer_box.h"
#include "drill/times_sign.h"
#include "platform/captioned_frame.h"
#include "platform/fonts.h"
#include "platform/mirrored_places.h"
#include "platform/system_colours.h"
#include "platform/twips.h"
#include "progress/progress_texts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

const QString comicSans = QStringLiteral("Comic Sans MS");
const QString sansSerif = QStringLiteral("MS Sans Serif");

void fillBackground(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget *widget, const QColor &colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

template <typename Widget>
Widget *place(Widget *widget, const QString &name, const QRect &geometry, const QFont &font) {
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    widget->setFont(font);
    return widget;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &caption,
                  const QRect &geometry, const QFont &font, Qt::Alignment alignment) {
    auto *label = place(new QLabel(caption, parent), name, geometry, font);
    // The greeting holds the player's name, which must not be read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

// "&All" and "&Clear". A translation may need more room than the English
// caption was designed with: the box then grows to its right, up to the edge
// given in twips, keeping a pixel or two for hinting, which can draw a text
// wider than it measures.
QCheckBox *makeCommandBox(QWidget *parent, const char *caption, const QString &name,
                          const QRect &geometry, int rightEdgeTwips) {
    auto *box = place(new QCheckBox(QCoreApplication::translate("frmTables", caption), parent),
                      name, geometry, windowFont());
    if (box->text() == QLatin1String(caption))
        return box;
    QStyleOptionButton option;
    option.initFrom(box);
    const int textLeft =
        box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).left();
    const int textWidth =
        box->fontMetrics().horizontalAdvance(QString(box->text()).remove(QLatin1Char('&')));
    constexpr int hinting = 2;
    if (textLeft + textWidth + hinting > box->width())
        box->resize(std::min(box->sizeHint().width(), twipsToPixels(rightEdgeTwips) - box->x()),
                    box->height());
    return box;
}

QRect tableBoxGeometry(int index) {
    const int column = index / 7;
    const int row = index % 7;
    return twipsRect(column == 0 ? 120 : 1080, 240 + 360 * row, 615, 375);
}

QRect sumCountButtonGeometry(int index) {
    return twipsRect(index % 2 == 0 ? 2160 : 3000, 480 + 480 * (index / 2), 615, 375);
}

} // namespace

void frmTables::createControls() {
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmTablesClient"));
    client->setFixedSize(twipsToPixels(6240), twipsToPixels(3765));
    fillBackground(client, desktopColour());
    setCentralWidget(client);

    //: PlayerName stands for the player's name: keep it as it is.
    lblWelcome = makeLabel(
        client, QStringLiteral("lblWelcome"), tr("Hi PlayerName, I hope you're ready to play ..."),
        twipsRect(840, 240, 4935, 375), designFont(sansSerif, 9.75, true), Qt::AlignLeft);
    fillBackground(lblWelcome, desktopColour());
    lblWelcome->hide();

    fraOptions = place(new CaptionedFrame(tr("Options"), client), QStringLiteral("fraOptions"),
                       twipsRect(1080, 240, 3735, 3255), designFont(sansSerif, 8.25, true));
    fillBackground(fraOptions, scrollBarColour());
    fraOptions->hide();

    fraSum = place(new QFrame(client), QStringLiteral("fraSum"), twipsRect(120, 840, 5895, 2535),
                   windowFont());
    fraSum->setFrameShape(QFrame::NoFrame);
    // Over the desktop colour the red and blue scores could hardly be read.
    fillBackground(fraSum, controlColour());
    fraSum->hide();

    tmrSpeed.setObjectName(QStringLiteral("tmrSpeed"));
    tmrSpeed.setInterval(0);
    tmrReadAhead.setObjectName(QStringLiteral("tmrReadAhead"));
    tmrReadAhead.setSingleShot(true);
    // After the store's own check at start-up, which begins half a second in.
    tmrReadAhead.setInterval(500);

    for (int i = 0; i < tableCount; ++i) {
        chkTimes[i] =
            place(new QCheckBox(tableName(i + 2), fraOptions), QStringLiteral("chkTimes_%1").arg(i),
                  tableBoxGeometry(i), windowFont());
        chkTimes[i]->setChecked(i < 3);
    }

    optNumSumsGroup = new QButtonGroup(this);
    for (int i = 0; i < sumCountChoices; ++i) {
        optNumSums[i] =
            place(new QRadioButton(QString::number(sumCounts[i]), fraOptions),
                  QStringLiteral("optNumSums_%1").arg(i), sumCountButtonGeometry(i), windowFont());
        optNumSumsGroup->addButton(optNumSums[i], i);
    }
    optNumSums[0]->setChecked(true);

    chkAllTimes = makeCommandBox(fraOptions, QT_TR_NOOP("&All"), QStringLiteral("chkAllTimes"),
                                 twipsRect(120, 2760, 615, 375), 1080);
    chkClear = makeCommandBox(fraOptions, QT_TR_NOOP("&Clear"), QStringLiteral("chkClear"),
                              twipsRect(1080, 2760, 735, 375), 1920);
    Label1 = makeLabel(fraOptions, QStringLiteral("Label1"), tr("No. of Sums"),
                       twipsRect(2040, 240, 1215, 255), designFont(sansSerif, 8.25, true),
                       Qt::AlignLeft);

    // A vertical rule from (1920, 120) to (1920, 3240).
    Line1 = place(
        new QFrame(fraOptions), QStringLiteral("Line1"),
        QRect(twipsToPixels(1920), twipsToPixels(120), 1, twipsToPixels(3240) - twipsToPixels(120)),
        windowFont());
    Line1->setFrameShape(QFrame::VLine);
    Line1->setFrameShadow(QFrame::Plain);

    const QFont sumFont = designFont(comicSans, 20.25, true);
    lblNum1 = makeLabel(fraSum, QStringLiteral("lblNum1"), QStringLiteral("15"),
                        twipsRect(600, 240, 1215, 735), sumFont, Qt::AlignHCenter);
    Label2 = makeLabel(fraSum, QStringLiteral("Label2"), sumSign(), twipsRect(1800, 240, 1095, 735),
                       sumFont, Qt::AlignHCenter);
    lblNum2 = makeLabel(fraSum, QStringLiteral("lblNum2"), QStringLiteral("15"),
                        twipsRect(3000, 240, 1095, 735), sumFont, Qt::AlignHCenter);
    Label4 = makeLabel(fraSum, QStringLiteral("Label4"), QStringLiteral("="),
                       twipsRect(3960, 240, 1095, 735), sumFont, Qt::AlignHCenter);
    // A factor never wraps; unwrapped, its new text is laid out more quickly.
    lblNum1->setWordWrap(false);
    lblNum2->setWordWrap(false);

    txtAnswer = place(new AnswerBox(QStringLiteral("225"), fraSum), QStringLiteral("txtAnswer"),
                      twipsRect(5040, 240, 1095, 615), designFont(comicSans, 20.25, true, true));
    txtAnswer->setMaxLength(3);
    txtAnswer->setAccessibleName(tr("Your answer"));
    txtAnswer->setAlignment(Qt::AlignCenter);
    QPalette answerPalette = txtAnswer->palette();
    answerPalette.setColor(QPalette::Base, scrollBarColour());
    txtAnswer->setPalette(answerPalette);

    const QFont scoreFont = designFont(comicSans, 12, true);
    lblCorrect = makeLabel(fraSum, QStringLiteral("lblCorrect"), tr("Correct: "),
                           twipsRect(120, 1440, 2295, 375), scoreFont, Qt::AlignLeft);
    setTextColour(lblCorrect, QColor(0, 0, 255));
    lblWrong = makeLabel(fraSum, QStringLiteral("lblWrong"), tr("Wrong: "),
                         twipsRect(120, 1920, 2295, 375), scoreFont, Qt::AlignLeft);
    setTextColour(lblWrong, QColor(255, 0, 0));

    // Schools write a sum left to right, the answer last, in right-to-left
    // languages too.
    for (QWidget *part :
         std::initializer_list<QWidget *>{lblNum1, Label2, lblNum2, Label4, txtAnswer})
        part->setLayoutDirection(Qt::LeftToRight);
    mirrorFixedPlaces(*client);
    // The answer box already reaches past the frame's right edge; moved over
    // it would lose a digit.
    fraSum->move(twipsToPixels(120), fraSum->y());
}

void frmTables::createMenus() {
    auto item = [](QMenu *menu, const char *name, const QString &caption,
                   const QKeySequence &shortcut = {}) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        return action;
    };
    auto separator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };
    auto submenu = [](QWidget *owner, QMenu *menu, const char *name) {
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
        // A screen reader names an open menu by this; Qt leaves it empty.
        menu->setAccessibleName(menu->menuAction()->iconText());
        owner->addAction(menu->menuAction());
        return menu;
    };

    mnuGame = submenu(menuBar(), new QMenu(tr("&Game"), this), "mnuGame");
    mnuNewGame = item(mnuGame, "mnuNewGame", tr("&New Game"), Qt::Key_F2);
    mnuCancelGame = item(mnuGame, "mnuCancelGame", tr("&Cancel Game"), Qt::Key_F9);
    separator(mnuGame, "mnuSep1");
    mnuOptions = item(mnuGame, "mnuOptions", tr("&Options..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuSpeed = submenu(mnuGame, new QMenu(tr("&Speed"), this), "mnuSpeed");
    mnuSpeedSlow = item(mnuSpeed, "mnuSpeedSlow", tr("&Slow"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuSpeedMedium =
        item(mnuSpeed, "mnuSpeedMedium", tr("&Medium"), QKeySequence(Qt::CTRL | Qt::Key_M));
    mnuSpeedFast = item(mnuSpeed, "mnuSpeedFast", tr("&Fast"), QKeySequence(Qt::CTRL | Qt::Key_F));
    for (QAction *pace : {mnuSpeedSlow, mnuSpeedMedium, mnuSpeedFast})
        pace->setCheckable(true);
    mnuSpeedSlow->setChecked(true);
    separator(mnuGame, "mnuSep2");
    mnuHistory =
        item(mnuGame, "mnuHistory", tr("&View History"), QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuProgress =
        item(mnuGame, "mnuProgress", progressCaption(), QKeySequence(Qt::CTRL | Qt::Key_P));
    // Like New Game, it can always start a game.
    mnuPractise =
        item(mnuGame, "mnuPractise", practiseCaption(), QKeySequence(Qt::CTRL | Qt::Key_R));
    separator(mnuGame, "mnuSep3");
    mnuExit = item(mnuGame, "mnuExit", tr("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X));

    mnuHelp = submenu(menuBar(), new QMenu(tr("&Help"), this), "mnuHelp");
    mnuHelpAbout = item(mnuHelp, "mnuHelpAbout", tr("&About"));
    mnuHelpContents = item(mnuHelp, "mnuHelpContents", tr("&Contents"));

    // The desktop's usual keys work too; the menu goes on showing the window's own.
    mnuExit->setShortcuts({mnuExit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q)});
    mnuHelpContents->setShortcuts({QKeySequence(), QKeySequence(Qt::Key_F1)});
}

void frmTables::arrangeTabOrder() {
    QWidget *previous = nullptr;
    auto next = [&previous](QWidget *widget) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    };
    for (QCheckBox *box : chkTimes)
        next(box);
    for (QRadioButton *button : optNumSums)
        next(button);
    next(txtAnswer);
    // Tab and Shift+Tab enter the sum counts at the selected one; the arrows
    // move among them.
    auto tabStopAtSelected = [this] {
        for (QRadioButton *button : optNumSums)
            button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    connect(optNumSumsGroup, &QButtonGroup::buttonToggled, this, tabStopAtSelected);
    tabStopAtSelected();
    next(chkAllTimes);
    next(chkClear);
}
