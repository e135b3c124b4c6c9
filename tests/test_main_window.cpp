// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "support/drill_fixture.h"

#include "platform/fonts.h"
#include "platform/window_behind_dialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

namespace {
QString actionCaption(QAction *action) {
    return action->isSeparator() ? "-" : action->text();
}

// The contrast ratio of two colours as the accessibility guidelines define it.
double contrast(const QColor &a, const QColor &b) {
    auto luminance = [](const QColor &colour) {
        auto linear = [](double value) {
            return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}
// The windows in the order they are first drawn.
class FirstDrawings : public QObject {
  public:
    FirstDrawings() { QCoreApplication::instance()->installEventFilter(this); }
    QList<QObject *> order;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint && widget && widget->isWindow() &&
            !order.contains(watched))
            order << watched;
        return false;
    }
};
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

  private slots:
    // As the program does: the free faces stand in for the classic ones.
    void initTestCase() { installFontSubstitutes(); }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry"); // pixels: twips / 15
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("visible");

        const QString sans = "MS Sans Serif";
        const QString comic = "Comic Sans MS";
        QTest::newRow("lblWelcome") << "lblWelcome"
                                    << "Hi PlayerName, I hope you're ready to play ..."
                                    << QRect(56, 16, 329, 25) << sans << 9.75 << true << false;
        QTest::newRow("fraOptions")
            << "fraOptions"
            << "Options" << QRect(72, 16, 249, 217) << sans << 8.25 << true << false;
        QTest::newRow("fraSum") << "fraSum"
                                << "" << QRect(8, 56, 393, 169) << sans << 8.25 << false << false;
        QTest::newRow("chkTimes_0")
            << "chkTimes_0"
            << "x 2" << QRect(8, 16, 41, 25) << sans << 8.25 << false << true;
        QTest::newRow("chkTimes_6")
            << "chkTimes_6"
            << "x 8" << QRect(8, 160, 41, 25) << sans << 8.25 << false << true;
        QTest::newRow("chkTimes_7")
            << "chkTimes_7"
            << "x 9" << QRect(72, 16, 41, 25) << sans << 8.25 << false << true;
        QTest::newRow("chkTimes_13")
            << "chkTimes_13"
            << "x 15" << QRect(72, 160, 41, 25) << sans << 8.25 << false << true;
        QTest::newRow("optNumSums_0")
            << "optNumSums_0"
            << "10" << QRect(144, 32, 41, 25) << sans << 8.25 << false << true;
        QTest::newRow("optNumSums_9")
            << "optNumSums_9"
            << "100" << QRect(200, 160, 41, 25) << sans << 8.25 << false << true;
        QTest::newRow("chkAllTimes")
            << "chkAllTimes"
            << "&All" << QRect(8, 184, 41, 25) << sans << 8.25 << false << true;
        QTest::newRow("chkClear") << "chkClear"
                                  << "&Clear" << QRect(72, 184, 49, 25) << sans << 8.25 << false
                                  << true;
        QTest::newRow("Label1") << "Label1"
                                << "No. of Sums" << QRect(136, 16, 81, 17) << sans << 8.25 << true
                                << true;
        QTest::newRow("lblNum1") << "lblNum1"
                                 << "15" << QRect(40, 16, 81, 49) << comic << 20.25 << true << true;
        QTest::newRow("Label2") << "Label2"
                                << "X" << QRect(120, 16, 73, 49) << comic << 20.25 << true << true;
        QTest::newRow("lblNum2") << "lblNum2"
                                 << "15" << QRect(200, 16, 73, 49) << comic << 20.25 << true
                                 << true;
        QTest::newRow("Label4") << "Label4"
                                << "=" << QRect(264, 16, 73, 49) << comic << 20.25 << true << true;
        QTest::newRow("txtAnswer")
            << "txtAnswer"
            << "225" << QRect(336, 16, 73, 41) << comic << 20.25 << true << true;
        QTest::newRow("lblCorrect")
            << "lblCorrect"
            << "Correct: " << QRect(8, 96, 153, 25) << comic << 12.0 << true << true;
        QTest::newRow("lblWrong") << "lblWrong"
                                  << "Wrong: " << QRect(8, 128, 153, 25) << comic << 12.0 << true
                                  << true;
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(bool, bold);
        QFETCH(bool, visible);

        WindowFixture fx;
        fx.make().show();
        QWidget *control = fx.control(name);
        QString text;
        if (auto *label = qobject_cast<QLabel *>(control))
            text = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            text = button->text();
        else if (auto *group = qobject_cast<QGroupBox *>(control))
            text = group->title();
        else if (auto *edit = qobject_cast<QLineEdit *>(control))
            text = edit->text();
        QCOMPARE(text, caption);
        QCOMPARE(control->geometry(), geometry);
        // The face shown, which a free stand-in may give.
        QCOMPARE(QFontInfo(control->font()).family(), QFontInfo(QFont(family)).family());
        QCOMPARE(control->font().pointSizeF(), points);
        QCOMPARE(control->font().bold(), bold);
        QCOMPARE(!control->isHidden(), visible);
    }

    void initialTicksAndSelection() {
        WindowFixture fx;
        fx.make();
        for (int i = 0; i < tableCount; ++i)
            QCOMPARE(fx.control<QCheckBox>(QStringLiteral("chkTimes_%1").arg(i))->isChecked(),
                     i < 3);
        for (int i = 0; i < sumCountChoices; ++i)
            QCOMPARE(fx.control<QRadioButton>(QStringLiteral("optNumSums_%1").arg(i))->isChecked(),
                     i == 0);
        auto *answer = fx.control<QLineEdit>("txtAnswer");
        QCOMPARE(answer->maxLength(), 3);
        QVERIFY(answer->font().underline());
        QVERIFY(!answer->isReadOnly());
        QCOMPARE(fx.control<QLabel>("lblCorrect")->palette().color(QPalette::WindowText),
                 QColor(0, 0, 255));
        QCOMPARE(fx.control<QLabel>("lblWrong")->palette().color(QPalette::WindowText),
                 QColor(255, 0, 0));
    }

    // Text against what is drawn behind it, during a game.
    void scoreReadsClearly_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("least");
        QTest::newRow("correct") << "lblCorrect" << 4.5;
        QTest::newRow("wrong") << "lblWrong" << 2.0;
    }
    void scoreReadsClearly() {
        QFETCH(QString, name);
        QFETCH(double, least);
        DrillFixture fx;
        fx.startActive();
        fx.newGame({7});
        const QLabel *label = fx.control<QLabel>(name);
        const QImage shown = fx.window->grab().toImage();
        // Right of the text, which is shorter than its label.
        const QColor ground =
            shown.pixelColor(label->mapTo(fx.window.get(), QPoint(label->width() - 2, 2)));
        const double ratio = contrast(label->palette().color(QPalette::WindowText), ground);
        QVERIFY2(ratio >= least, qPrintable(QString::number(ratio)));
    }

    void windowIsFixedAndTitled() {
        WindowFixture fx;
        fx.make().show();
        QCOMPARE(fx.window->windowTitle(), QString("Quorvel"));
        QCOMPARE(fx.window->centralWidget()->size(), QSize(416, 251));
        QCOMPARE(fx.window->minimumSize(), fx.window->maximumSize());
        const Qt::WindowFlags flags = fx.window->windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    }

    // A window shown behind the first dialog (at start-up, the name prompt) is
    // drawn, and gets its icon, only once the dialog has been drawn.
    void windowBehindTheFirstDialogWaitsForItsDrawing() {
        QWidget window;
        QDialog prompt;
        FirstDrawings drawings;
        WindowBehindDialog behind(window);
        behind.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        QVERIFY(drawings.order.isEmpty());
        QVERIFY(window.windowIcon().isNull());
        prompt.show();
        QTRY_COMPARE(drawings.order, (QList<QObject *>{&prompt, &window}));
        QVERIFY(!window.windowIcon().isNull());
        const QImage icon(QStringLiteral(":/icons/quorvel-32.png"));
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(icon.hasAlphaChannel());
    }

    void menuTree() {
        WindowFixture fx;
        fx.make();
        QStringList bar;
        for (QAction *action : fx.window->menuBar()->actions())
            bar << action->objectName() + "=" + action->text();
        QCOMPARE(bar, QStringList({"mnuGame=&Game", "mnuHelp=&Help"}));

        auto items = [&](const char *menu) {
            QStringList names;
            for (QAction *action : fx.control<QMenu>(menu)->actions())
                names << action->objectName() + "=" + actionCaption(action);
            return names;
        };
        QCOMPARE(items("mnuGame"),
                 QStringList({"mnuNewGame=&New Game", "mnuCancelGame=&Cancel Game", "mnuSep1=-",
                              "mnuOptions=&Options...", "mnuSpeed=&Speed", "mnuSep2=-",
                              "mnuHistory=&View History", "mnuProgress=&Progress",
                              "mnuPractise=P&ractise", "mnuSep3=-", "mnuExit=E&xit"}));
        QCOMPARE(items("mnuSpeed"), QStringList({"mnuSpeedSlow=&Slow", "mnuSpeedMedium=&Medium",
                                                 "mnuSpeedFast=&Fast"}));
        QCOMPARE(items("mnuHelp"),
                 QStringList({"mnuHelpAbout=&About", "mnuHelpContents=&Contents"}));
    }

    void shortcutsAndMarks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<bool>("checked");
        QTest::newRow("new") << "mnuNewGame"
                             << "F2" << false;
        QTest::newRow("cancel") << "mnuCancelGame"
                                << "F9" << false;
        QTest::newRow("options") << "mnuOptions"
                                 << "Ctrl+O" << false;
        QTest::newRow("slow") << "mnuSpeedSlow"
                              << "Ctrl+S" << true;
        QTest::newRow("medium") << "mnuSpeedMedium"
                                << "Ctrl+M" << false;
        QTest::newRow("fast") << "mnuSpeedFast"
                              << "Ctrl+F" << false;
        QTest::newRow("history") << "mnuHistory"
                                 << "Ctrl+H" << false;
        QTest::newRow("practise") << "mnuPractise"
                                  << "Ctrl+R" << false;
        QTest::newRow("exit") << "mnuExit"
                              << "Ctrl+X, Ctrl+Q" << false;
        QTest::newRow("about") << "mnuHelpAbout"
                               << "" << false;
        QTest::newRow("contents") << "mnuHelpContents"
                                  << ", F1" << false;
    }
    void shortcutsAndMarks() {
        QFETCH(QString, name);
        QFETCH(QString, shortcut);
        QFETCH(bool, checked);
        WindowFixture fx;
        fx.make();
        QAction *action = fx.action(name);
        QStringList keys; // the menu shows the first
        for (const QKeySequence &key : action->shortcuts())
            keys << key.toString(QKeySequence::PortableText);
        QCOMPARE(keys.join(", "), shortcut);
        QCOMPARE(action->isChecked(), checked);
        QVERIFY(action->isEnabled());
    }

    void tabOrderVisitsBoxesThenSumsThenCommands() {
        WindowFixture fx;
        fx.make();
        QStringList expected;
        for (int i = 0; i < tableCount; ++i)
            expected << QStringLiteral("chkTimes_%1").arg(i);
        for (int i = 0; i < sumCountChoices; ++i)
            expected << QStringLiteral("optNumSums_%1").arg(i);
        expected << "txtAnswer"
                 << "chkAllTimes"
                 << "chkClear";
        QStringList visited;
        QWidget *widget = fx.control("chkTimes_0");
        for (int i = 0; i < expected.size(); ++i, widget = widget->nextInFocusChain()) {
            while (widget->focusPolicy() == Qt::NoFocus)
                widget = widget->nextInFocusChain();
            visited << widget->objectName();
        }
        QCOMPARE(visited, expected);
    }

    void windowIsCentredWhenShown() {
        WindowFixture fx;
        fx.start();
        const QRect screen = fx.window->screen()->availableGeometry();
        const QPoint offset = fx.window->frameGeometry().center() - screen.center();
        // The frame is only known once shown, so allow for its width.
        const QRect outer = fx.window->frameGeometry();
        const QRect inner = fx.window->geometry();
        const int slack = 1 + qMax(inner.left() - outer.left(), inner.top() - outer.top());
        QVERIFY2(qAbs(offset.x()) <= slack && qAbs(offset.y()) <= slack,
                 qPrintable(QStringLiteral("off centre by %1,%2").arg(offset.x()).arg(offset.y())));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
