// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/face_when_shown.h"

#include <QGroupBox>

// A frame as the classic desktop draws one: an etched border whose top runs
// through the middle of the caption, the caption set into it near the left.
// Its children are placed by hand, from its top-left corner. Hidden at
// start-up, it measures its caption in its own face only once shown.
class CaptionedFrame : public FaceWhenShown<QGroupBox> {
    Q_OBJECT

  public:
    CaptionedFrame(const QString &caption, QWidget *parent);

    // Where the caption is drawn, with the blanks that break the border.
    QRect captionRect() const;
    // The top of the border's outer line.
    int borderTop() const;

  protected:
    void paintEvent(QPaintEvent *event) override;
};
