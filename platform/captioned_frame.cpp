// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/captioned_frame.h"

#include "platform/system_colours.h"

#include <QPainter>
#include <QStyle>

namespace {
constexpr int captionIndent = 6;
constexpr int captionBlank = 2;
} // namespace

CaptionedFrame::CaptionedFrame(const QString &caption, QWidget *parent)
    : FaceWhenShown<QGroupBox>(caption, parent) {}

QRect CaptionedFrame::captionRect() const {
    const QFontMetrics metrics = fontMetrics();
    const QRect leading(captionIndent, 0,
                        metrics.horizontalAdvance(QString(title()).remove(QLatin1Char('&'))) +
                            2 * captionBlank,
                        metrics.height());
    return QStyle::visualRect(layoutDirection(), rect(), leading);
}

int CaptionedFrame::borderTop() const {
    return fontMetrics().height() / 2;
}

void CaptionedFrame::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    // A highlight line below and right of a shadow line.
    const QRect outer(0, borderTop(), width() - 2, height() - borderTop() - 2);
    painter.setPen(buttonHighlightColour());
    painter.drawRect(outer.translated(1, 1));
    painter.setPen(buttonShadowColour());
    painter.drawRect(outer);

    const QRect caption = captionRect();
    painter.fillRect(caption, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, title());
}
