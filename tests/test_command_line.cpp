// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/app_info.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The real program, as a terminal without any display starts it.
class TestCommandLine : public QObject {
    Q_OBJECT

  private slots:
    void answersWithoutADisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("output");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("expectedOut");
        QTest::addColumn<QString>("expectedErr");
        const QString version = QStringLiteral("Quorvel %1.%2.%3\n")
                                    .arg(versionMajor())
                                    .arg(versionMinor())
                                    .arg(versionPatch());
        const QString unknown = "quorvel: unknown argument ";
        QTest::newRow("help") << QStringList{"--help"} << "" << 0
                              << "Usage: quorvel [--help | --version]\n"
                              << "";
        QTest::newRow("version") << QStringList{"--version"} << "" << 0 << version << "";
        QTest::newRow("unknown") << QStringList{"--play"} << "" << 2 << "" << unknown + "'--play'";
        QTest::newRow("toolkit's own")
            << QStringList{"-platform", "xcb"} << "" << 2 << "" << unknown + "'-platform'";
        QTest::newRow("empty") << QStringList{""} << "" << 2 << "" << unknown + "''";
        QTest::newRow("two") << QStringList{"--version", "--help"} << "" << 2 << ""
                             << "quorvel: unexpected argument '--help'";
        QTest::newRow("terminal controls masked")
            << QStringList{"\x1b]0;owned\a"} << "" << 2 << "" << unknown + "'?]0;owned?'";
        QTest::newRow("the game, with nowhere to show it") << QStringList{} << "" << 1 << ""
                                                           << "could not connect to display";
        QTest::newRow("output cannot be written")
            << QStringList{"--version"} << "/dev/full" << 1 << ""
            << "cannot write to standard output";
    }
    void answersWithoutADisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, output);
        QFETCH(int, status);
        QFETCH(QString, expectedOut);
        QFETCH(QString, expectedErr);
        QTemporaryDir settings;
        const Run run = runProgram(arguments, output, {}, settings.path());
        QCOMPARE(run.status, status);
        // Without a display nothing is made where the settings live.
        QVERIFY(QDir(settings.path()).isEmpty());
        QVERIFY2(expectedOut.isEmpty() ? run.out.isEmpty() : run.out.startsWith(expectedOut),
                 qPrintable(run.out));
        QVERIFY2(expectedErr.isEmpty() ? run.err.isEmpty() : run.err.contains(expectedErr),
                 qPrintable(run.err));
    }

    void refusedArgumentCannotSteerTheTerminal_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("echoed");
        const QString utf8 = QStringLiteral("C.UTF-8");
        QTest::newRow("C1 controls") << "a\u009b2Jb\u0085c" << utf8 << "a?2Jb?c";
        QTest::newRow("direction marks and isolates")
            << "\u202eabc\u2066d\u2069\u200f\u061c" << utf8 << "?abc?d???";
        QTest::newRow("line separator") << "a\u2028b" << utf8 << "a?b";
        QTest::newRow("letters of every script")
            << "Işık Σοφία ᏣᎳᎩ 🦊" << utf8 << "Işık Σοφία ᏣᎳᎩ 🦊";
        // Where the terminal does not take UTF-8, such bytes could be controls there.
        QTest::newRow("beyond ASCII, other terminals") << "Zoë"
                                                       << "C"
                                                       << "Zo??";
    }
    void refusedArgumentCannotSteerTheTerminal() {
        QFETCH(QString, argument);
        QFETCH(QString, locale);
        QFETCH(QString, echoed);
        const Run run = runProgram({argument}, {}, locale);
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err.section('\n', 0, 0), "quorvel: unknown argument '" + echoed + "'");
    }

  private:
    struct Run {
        int status = -1;
        QString out;
        QString err;
    };

    static Run runProgram(const QStringList &arguments, const QString &output,
                          const QString &locale = {}, const QString &settings = {}) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        if (!locale.isEmpty())
            environment.insert(QStringLiteral("LC_ALL"), locale);
        if (!settings.isEmpty())
            environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings);
        program.setProcessEnvironment(environment);
        if (!output.isEmpty())
            program.setStandardOutputFile(output);
        program.start(QStringLiteral(QUORVEL_PROGRAM), arguments);
        Run run;
        if (!program.waitForFinished() || program.exitStatus() != QProcess::NormalExit)
            return run;
        run.status = program.exitCode();
        run.out = QString::fromUtf8(program.readAllStandardOutput());
        run.err = QString::fromUtf8(program.readAllStandardError());
        return run;
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
