// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "history/history_text.h"
#include "platform/qt_dialogs.h"
#include "platform/typing_order.h"
#include "support/drill_fixture.h"

#include <QMessageBox>

#include <deque>

namespace {

using Keys = QList<QKeyCombination>;

// Long enough for any click the toolkit puts off to land.
constexpr int slowGapMs = 150;

// Types the keys in order, one a turn of the event loop (fast) or one every
// slowGapMs. As the display server does, it sends each to the window in front
// that has the keyboard; while a window closes and none has it, keys wait.
void type(const Keys &keys, bool fast) {
    std::deque<QKeyCombination> pending(keys.begin(), keys.end());
    QObject typist;
    std::function<void()> typeNext = [&] {
        if (pending.empty())
            return;
        // Scheduled first: the key may open a window that runs its own loop.
        QTimer::singleShot(fast ? 0 : slowGapMs, &typist, typeNext);
        QWidget *front = QApplication::activePopupWidget();
        if (!front)
            front = QApplication::activeWindow();
        if (!front || !front->isVisible())
            return;
        const QKeyCombination key = pending.front();
        pending.pop_front();
        QWidget *target = front->focusWidget() ? front->focusWidget() : front;
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
    };
    typeNext();
    QVERIFY(QTest::qWaitFor([&pending] { return pending.empty(); }, 10000));
    // Time for any click the toolkit puts off.
    QTest::qWait(2 * slowGapMs);
}

// Opens windows and message boxes as the real program does, but lets the test
// go on: the player's keys close them. When one closes, its owner comes in front.
struct OpenWithoutBlocking {
    QStringList titles;

    void operator()(QDialog &dialog) {
        titles << dialog.windowTitle();
        dialog.setWindowModality(Qt::ApplicationModal);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        if (!QTest::qWaitFor([&dialog] { return dialog.isHidden(); }, 5000)) {
            titles << QStringLiteral("(left open)");
            dialog.hide();
        }
        if (QWidget *owner = dialog.parentWidget())
            QApplication::setActiveWindow(owner->window());
    }
};

// All that the player could see or that was kept.
QString outcome(const DrillFixture &fx, const OpenWithoutBlocking &windows) {
    QStringList seen;
    for (const FakeDialogs::Message &message : fx.dialogs.messages)
        seen << "message: " + message.text;
    seen << "windows: " + windows.titles.join(", ");
    QString ticked;
    for (int table = 2; table <= 15; ++table)
        ticked += fx.box(table)->isChecked() ? 'x' : '-';
    seen << "ticked: " + ticked;
    const GameState state = fx.state();
    seen << QStringLiteral("game: %1, sum %2, %3 x %4")
                .arg(state.GameInProgress)
                .arg(state.NumberOfSums)
                .arg(fx.caption("lblNum1"), fx.caption("lblNum2"));
    seen << QStringLiteral("options shown: %1").arg(fx.shown("fraOptions"));
    for (const FakeStore::Entry &entry : fx.store.entries)
        seen << "kept: " + entry.section + "/" + entry.key + "=" + entry.value;
    seen << "started: " + fx.processes.tried.join(", ");
    return seen.join('\n');
}

} // namespace

class TestTypingOrder : public QObject {
    Q_OBJECT

    TypingOrder typingOrder;

  private slots:
    void initTestCase() { qApp->installEventFilter(&typingOrder); }

    // Keys typed back to back give what the same keys typed slowly give.
    void fastAsSlow_data() {
        QTest::addColumn<QList<int>>("ticked"); // if any, with the options shown
        QTest::addColumn<int>("records");       // in the history; its boxes are real
        QTest::addColumn<Keys>("keys");
        const QList<int> firstThree{2, 3, 4};
        const QKeyCombination alt_A(Qt::AltModifier, Qt::Key_A);
        const QKeyCombination alt_C(Qt::AltModifier, Qt::Key_C);
        const QKeyCombination ctrl_X(Qt::ControlModifier, Qt::Key_X);
        const QKeyCombination ctrl_H(Qt::ControlModifier, Qt::Key_H);
        const QKeyCombination ctrl_O(Qt::ControlModifier, Qt::Key_O);
        const QKeyCombination alt_H(Qt::AltModifier, Qt::Key_H);
        const QKeyCombination alt_S(Qt::AltModifier, Qt::Key_S);
        const Keys openAbout{alt_H, Qt::Key_A};
        QTest::newRow("All, New Game") << QList<int>{7} << 0 << Keys{alt_A, Qt::Key_F2};
        QTest::newRow("Clear, New Game") << firstThree << 0 << Keys{alt_C, Qt::Key_F2};
        QTest::newRow("All, Exit") << QList<int>{7} << 0 << Keys{alt_A, ctrl_X};
        QTest::newRow("Clear, Exit") << firstThree << 0 << Keys{alt_C, ctrl_X};
        QTest::newRow("a sum count, New Game")
            << firstThree << 0 << Keys{Qt::Key_Tab, Qt::Key_Down, Qt::Key_F2};
        QTest::newRow("About: System Info, Enter")
            << QList<int>{} << 0 << openAbout + Keys{alt_S, Qt::Key_Return};
        QTest::newRow("About: System Info, Esc")
            << QList<int>{} << 0 << openAbout + Keys{alt_S, Qt::Key_Escape};
        QTest::newRow("history: Yes three times")
            << QList<int>{} << 4 << Keys{ctrl_H, Qt::Key_Y, Qt::Key_Y, Qt::Key_Y, Qt::Key_Escape};
        QTest::newRow("history: No, Options")
            << QList<int>{} << 2 << Keys{ctrl_H, Qt::Key_N, ctrl_O};
    }
    void fastAsSlow() {
        QFETCH(QList<int>, ticked);
        QFETCH(int, records);
        QFETCH(Keys, keys);
        QStringList outcomes;
        for (bool fast : {false, true}) {
            DrillFixture fx;
            OpenWithoutBlocking windows;
            fx.modal.whileOpen = [&windows](QDialog &dialog) { windows(dialog); };
            QtDialogs realBoxes(fx.modal);
            if (records) {
                for (int i = 1; i <= records; ++i)
                    fx.store.put(historySection("Sam"), QStringLiteral("0%1/07/01 10:23:45").arg(i),
                                 QString::number(i));
                fx.dialogs.whileMessageShown = [&fx, &realBoxes](const FakeDialogs::Message &m) {
                    fx.dialogs.messageAnswers.push_front(
                        realBoxes.messageBox(m.text, m.buttons, m.icon, m.title));
                };
            }
            fx.registry.put("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", REG_SZ,
                            "/usr/bin/hardinfo");
            fx.processes.installed = QStringList{"/usr/bin/hardinfo"};
            fx.startActive();
            if (!ticked.isEmpty()) {
                fx.action("mnuOptions")->trigger();
                for (int table = 2; table <= 15; ++table)
                    fx.box(table)->setChecked(ticked.contains(table));
            }
            // The same draws either way: a sum drawn from other tables shows.
            for (int sum = 0; sum < 4; ++sum)
                fx.random.draws.insert(fx.random.draws.end(), {0.3f, 0.4f});
            type(keys, fast);
            outcomes << outcome(fx, windows);
        }
        QCOMPARE(outcomes[1], outcomes[0]);
    }

    // A key typed in the last milliseconds before the tick is handled first,
    // so an answer given in time counts for its own sum.
    void answerInTimeCountsForItsSum() {
        DrillFixture fx;
        fx.startActive();
        fx.action("mnuSpeedFast")->trigger();
        fx.scriptSum(1, 1, 3);
        fx.scriptSum(1, 1, 4);
        fx.newGame({7});
        const auto shown = fx.clock.steady;
        // 3 ms before the deadline, inside the timer's early wake: it wakes at once.
        fx.clock.steady = shown + std::chrono::milliseconds(2997);
        fx.timer()->setInterval(fx.timer()->interval());
        // The answer comes as the timer wakes, and the deadline just after.
        bool typed = false;
        fx.clock.onSteadyRead = [&] {
            if (typed)
                return;
            typed = true;
            QTimer::singleShot(0, fx.answerBox(), [&fx] {
                fx.type("21");
                fx.enter();
            });
            fx.clock.steady = shown + std::chrono::milliseconds(3000);
        };
        QTRY_COMPARE(fx.state().NumberOfSums, 2);
        QCOMPARE(fx.state().Correct, 1);
        QCOMPARE(fx.state().Wrong, 0);
    }
};

QTEST_MAIN(TestTypingOrder)
#include "test_typing_order.moc"
