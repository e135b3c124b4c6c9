// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/app_info.h"

#include <QProcess>
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
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        program.setProcessEnvironment(environment);
        if (!output.isEmpty())
            program.setStandardOutputFile(output);
        program.start(QStringLiteral(QUORVEL_PROGRAM), arguments);
        QVERIFY(program.waitForFinished());
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        QVERIFY2(expectedOut.isEmpty() ? out.isEmpty() : out.startsWith(expectedOut),
                 qPrintable(out));
        QVERIFY2(expectedErr.isEmpty() ? err.isEmpty() : err.contains(expectedErr),
                 qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
