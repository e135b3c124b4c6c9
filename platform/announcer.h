// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include <QPointer>
#include <QString>

#include <vector>

class QWidget;

// Tells a screen reader something that happened without the focus moving:
// a new sum, an answer's outcome, what a button did. Tests hand in a fake.
class Announcer {
  public:
    virtual ~Announcer() = default;

    // `about` is the control the news concerns; it is spoken once its
    // window is in front. A screen reader also reads the controls that lie
    // between the focus and `about`, so news of the whole window (or of a
    // label saying the same) is about the window.
    virtual void announce(QWidget &about, const QString &text) = 0;
    // False when nobody would hear: news need not be put into words then.
    virtual bool listening() const { return true; }
};

// Through the toolkit's accessibility bridge.
class ScreenReaderAnnouncer : public Announcer {
  public:
    void announce(QWidget &about, const QString &text) override;
    bool listening() const override;

  private:
    void speakNow(QWidget &about, const QString &text);

    // The passing labels still alive, oldest first (see announcer.cpp).
    std::vector<unsigned> labels_;
};
