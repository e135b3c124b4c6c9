// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "drill/answer_box.h"
#include "platform/pacing_timer.h"
#include "window_fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

// A started, active main window with short ways to its game controls.
struct DrillFixture : WindowFixture {
    // Start-up with the window active so that focus and shortcuts work.
    void startActive(const QString &name = QStringLiteral("Sam")) {
        start(name);
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("the main window did not become active");
    }

    // Ticks exactly these tables and starts a game.
    void newGame(std::initializer_list<int> tables) {
        for (int index = 0; index < tableCount; ++index)
            box(index + 2)->setChecked(false);
        for (int table : tables)
            box(table)->setChecked(true);
        action(QStringLiteral("mnuNewGame"))->trigger();
    }

    // Scripts the draws of the next sum: the table at `position` (from 1) among
    // the `ticked` tables, and the multiplier.
    void scriptSum(int position, int ticked, int multiplier) {
        random.draws.push_back((float(position) - 0.5f) / float(ticked));
        random.draws.push_back((float(multiplier) - 0.5f) / 15.0f);
    }

    QCheckBox *box(int table) const {
        return control<QCheckBox>(QStringLiteral("chkTimes_%1").arg(table - 2));
    }
    QRadioButton *sumCountButton(int index) const {
        return control<QRadioButton>(QStringLiteral("optNumSums_%1").arg(index));
    }
    AnswerBox *answerBox() const { return control<AnswerBox>(QStringLiteral("txtAnswer")); }
    PacingTimer *timer() const { return control<PacingTimer>(QStringLiteral("tmrSpeed")); }
    QString caption(const QString &label) const { return control<QLabel>(label)->text(); }
    bool shown(const QString &name) const { return !control(name)->isHidden(); }
    bool helpEnabled() const {
        return control<QMenu>(QStringLiteral("mnuHelp"))->menuAction()->isEnabled();
    }
    GameState state() const { return window->gameState(); }
    int product() const {
        return caption(QStringLiteral("lblNum1")).toInt() *
               caption(QStringLiteral("lblNum2")).toInt();
    }

    // As the player: keys into the answer box.
    void type(const QString &keys) { QTest::keyClicks(answerBox(), keys); }
    void enter() { QTest::keyClick(answerBox(), Qt::Key_Return); }
    // The time for the sum on screen runs out.
    void tick() { window->tmrSpeed_Timer(); }
};
