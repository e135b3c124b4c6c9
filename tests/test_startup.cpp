// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "support/window_fixture.h"

#include "platform/app_info.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>

namespace {
const QString options = QStringLiteral("Options");

QStringList optionReads(const FakeStore &store) {
    QStringList reads;
    for (const QString &read : store.readLog)
        reads << read.section(QLatin1Char('/'), 1);
    return reads;
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT

  private slots:
    void promptRepeatsUntilANameIsGiven_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("name");
        QTest::newRow("first answer") << QStringList{"Sam"} << "Sam";
        QTest::newRow("blank, cancel, blanks, name")
            << QStringList{"", "", "   ", "  Sam  "} << "Sam";
        QTest::newRow("inner blank kept") << QStringList{" Mary Ann "} << "Mary Ann";
        QTest::newRow("tab is not a blank") << QStringList{"\tAl"} << "\tAl";
    }
    void promptRepeatsUntilANameIsGiven() {
        QFETCH(QStringList, answers);
        QFETCH(QString, name);
        WindowFixture fx;
        fx.store.put(options, "LastPlayer", "Zed");
        for (const QString &answer : answers)
            fx.dialogs.inputAnswers.push_back(answer);
        fx.make().Form_Load();

        QCOMPARE(fx.window->gameState().PlayerName, name);
        QCOMPARE(fx.dialogs.prompts.size(), size_t(answers.size()));
        for (const auto &prompt : fx.dialogs.prompts) {
            QCOMPARE(prompt.prompt, QString("What is your name?"));
            QCOMPARE(prompt.title, QString("Quorvel"));
            QCOMPARE(prompt.defaultAnswer, QString("Zed"));
        }
        QVERIFY(fx.dialogs.messages.empty());
    }

    void lastPlayerIsReadAgainForEveryPrompt() {
        WindowFixture fx;
        fx.dialogs.inputAnswers = {"", "Sam"};
        fx.make().Form_Load();
        const QStringList expected{"LastPlayer", "LastPlayer",  "SlowSpeed", "MediumSpeed",
                                   "FastSpeed",  "MaximumSums", "Times 0",   "Times 1",
                                   "Times 2",    "Times 3",     "Times 4",   "Times 5",
                                   "Times 6",    "Times 7",     "Times 8",   "Times 9",
                                   "Times 10",   "Times 11",    "Times 12",  "Times 13"};
        QCOMPARE(optionReads(fx.store), expected);
    }

    void firstRunUsesDefaults() {
        WindowFixture fx;
        fx.start();
        QCOMPARE(fx.dialogs.prompts.front().defaultAnswer, QString());
        QVERIFY(fx.action("mnuSpeedSlow")->isChecked());
        QVERIFY(!fx.action("mnuSpeedMedium")->isChecked());
        QVERIFY(!fx.action("mnuSpeedFast")->isChecked());
        QCOMPARE(fx.window->gameState().MaxSums, qint16(10));
        for (int i = 0; i < tableCount; ++i)
            QCOMPARE(fx.control<QCheckBox>(QStringLiteral("chkTimes_%1").arg(i))->checkState(),
                     Qt::Unchecked);
        QVERIFY(!fx.window->gameState().GameInProgress);
    }

    void storedChoicesAreRestored() {
        WindowFixture fx;
        fx.store.put(options, "SlowSpeed", "True");
        fx.store.put(options, "MediumSpeed", "False");
        fx.store.put(options, "FastSpeed", "True"); // marks are not made exclusive here
        fx.store.put(options, "MaximumSums", "35");
        fx.store.put(options, "Times 0", "0");
        fx.store.put(options, "Times 5", "1");
        fx.store.put(options, "Times 13", "2");
        fx.start();
        QVERIFY(fx.action("mnuSpeedSlow")->isChecked());
        QVERIFY(fx.action("mnuSpeedFast")->isChecked());
        QCOMPARE(fx.window->gameState().MaxSums, qint16(35));
        QCOMPARE(fx.control<QCheckBox>("chkTimes_0")->checkState(), Qt::Unchecked);
        QCOMPARE(fx.control<QCheckBox>("chkTimes_5")->checkState(), Qt::Checked);
        QCOMPARE(fx.control<QCheckBox>("chkTimes_13")->checkState(), Qt::PartiallyChecked);
    }

    void malformedStoredTextFallsBackToDefaults() {
        WindowFixture fx;
        fx.store.put(options, "SlowSpeed", "yes");
        fx.store.put(options, "MediumSpeed", "TRUE");
        fx.store.put(options, "MaximumSums", "40000");
        fx.store.put(options, "Times 0", "7");
        fx.store.put(options, "Times 1", "x");
        fx.start();
        QVERIFY(fx.action("mnuSpeedSlow")->isChecked());
        QVERIFY(!fx.action("mnuSpeedMedium")->isChecked());
        QCOMPARE(fx.window->gameState().MaxSums, qint16(10));
        QCOMPARE(fx.control<QCheckBox>("chkTimes_0")->checkState(), Qt::Unchecked);
        QCOMPARE(fx.control<QCheckBox>("chkTimes_1")->checkState(), Qt::Unchecked);
    }

    void greetingNamesThePlayer_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "Sam";
        QTest::newRow("name containing the placeholder") << "PlayerName";
        QTest::newRow("specials") << QString::fromUtf8("O'Neil \\/ 100% 🦊");
    }
    void greetingNamesThePlayer() {
        QFETCH(QString, name);
        WindowFixture fx;
        fx.start(QStringLiteral("  ") + name + QStringLiteral("  "));
        auto *welcome = fx.control<QLabel>("lblWelcome");
        QCOMPARE(welcome->text(), "Hi " + name + ", I hope you're ready to play ...");
        QVERIFY(welcome->isVisible());
        QVERIFY(!fx.control("fraOptions")->isVisible());
        QVERIFY(!fx.control("fraSum")->isVisible());
    }

    void shutDownWritesTheNineteenKeysInOrder() {
        WindowFixture fx;
        fx.store.put(options, "Times 4", "1");
        fx.store.put(options, "Times 9", "2");
        fx.store.put(options, "MaximumSums", "-3");
        fx.start(QString(1000, QChar(u'A')) + QStringLiteral(" B"));
        fx.action("mnuSpeedSlow")->setChecked(false);
        fx.action("mnuSpeedMedium")->setChecked(true);
        fx.store.writeLog.clear();

        fx.action("mnuExit")->trigger();

        std::vector<std::pair<QString, QString>> expected{
            {"LastPlayer", QString(1000, QChar(u'A')) + " B"},
            {"SlowSpeed", "False"},
            {"MediumSpeed", "True"},
            {"FastSpeed", "False"},
            {"MaximumSums", "-3"}};
        for (int i = 0; i < tableCount; ++i)
            expected.emplace_back(QStringLiteral("Times %1").arg(i), i == 4   ? "1"
                                                                     : i == 9 ? "2"
                                                                              : "0");
        QCOMPARE(fx.store.writeLog.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(fx.store.writeLog[i].section, options);
            QCOMPARE(fx.store.writeLog[i].key, expected[i].first);
            QCOMPARE(fx.store.writeLog[i].value, expected[i].second);
        }
        QVERIFY(fx.dialogs.messages.empty());
    }

    // A store that start-up found unusable is not written, and the player is
    // told once; a save that fails at exit is told, not asked about.
    void storeTroubleIsToldOnce_data() {
        using T = SettingsBackend::Trouble;
        QTest::addColumn<int>("trouble");
        QTest::addColumn<bool>("failWrites");
        QTest::addColumn<QString>("told");
        QTest::newRow("store sound") << int(T::None) << false << QString();
        QTest::newRow("store unreadable")
            << int(T::Unreadable) << false
            << "Your settings cannot be read, so they will not be saved this time.";
        QTest::newRow("another program's file")
            << int(T::NotOurs) << false
            << "The file for your settings belongs to another program or to a newer version of "
               "this game, so your settings and scores will not be saved this time.";
        QTest::newRow("store unwritable")
            << int(T::Unwritable) << true
            << "Your settings and scores cannot be saved this time: their file or folder cannot "
               "be changed, or the disk is full.";
        QTest::newRow("disk full at exit")
            << int(T::None) << true << "Your settings could not be saved.";
    }
    void storeTroubleIsToldOnce() {
        QFETCH(int, trouble);
        QFETCH(bool, failWrites);
        QFETCH(QString, told);
        WindowFixture fx;
        fx.store.troubleFound = SettingsBackend::Trouble(trouble);
        fx.store.failWrites = failWrites;
        fx.start();
        QCOMPARE(fx.window->saveOptions(), !failWrites && told.isEmpty());
        fx.action("mnuExit")->trigger();
        const bool tried = trouble == int(SettingsBackend::Trouble::None);
        QCOMPARE(fx.store.writeLog.size(), size_t(tried && !failWrites ? 2 * 19 : 0));
        QCOMPARE(fx.dialogs.messages.size(), size_t(!told.isEmpty()));
        if (!told.isEmpty()) {
            QCOMPARE(fx.dialogs.messages[0].text, told);
            QCOMPARE(fx.dialogs.messages[0].buttons, MsgButtons::Ok);
        }
    }

    void nothingIsSavedBeforeStartUpHasReadTheOptions() {
        WindowFixture fx;
        fx.make();
        fx.window->saveOptions();
        QVERIFY(fx.store.writeLog.empty());
    }

    // The theme is looked through only after the prompt, but its icon still wins.
    void theThemesIconReplacesTheBuiltInOne() {
        QTemporaryDir themes;
        QDir(themes.path()).mkpath("kids/16x16/apps");
        QFile index(themes.filePath("kids/index.theme"));
        QVERIFY(index.open(QIODevice::WriteOnly));
        index.write("[Icon Theme]\nName=kids\nDirectories=16x16/apps\n\n"
                    "[16x16/apps]\nSize=16\nType=Fixed\n");
        index.close();
        QImage drawn(16, 16, QImage::Format_ARGB32);
        drawn.fill(Qt::red);
        QVERIFY(drawn.save(themes.filePath("kids/16x16/apps/" + appId() + ".png")));
        const QStringList paths = QIcon::themeSearchPaths();
        const QString theme = QIcon::themeName();
        QIcon::setThemeSearchPaths({themes.path()});
        QIcon::setThemeName("kids");

        WindowFixture fx;
        fx.start();
        // A theme's icon follows the theme named now, so it is looked at before the theme goes.
        const QIcon icon = fx.window->windowIcon();
        const QList<QSize> sizes = icon.availableSizes();
        const QColor colour = icon.pixmap(16).toImage().pixelColor(8, 8);
        QIcon::setThemeName(theme);
        QIcon::setThemeSearchPaths(paths);
        QCOMPARE(sizes, QList<QSize>{QSize(16, 16)});
        QCOMPARE(colour, QColor(Qt::red));
    }

    void clickingAGreyedBoxMakesItAnOrdinaryBox() {
        WindowFixture fx;
        fx.store.put(options, "Times 2", "2");
        fx.start();
        auto *box = fx.control<QCheckBox>("chkTimes_2");
        box->click();
        QCOMPARE(box->checkState(), Qt::Checked);
        box->click();
        QCOMPARE(box->checkState(), Qt::Unchecked);
        box->click();
        QCOMPARE(box->checkState(), Qt::Checked);
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
