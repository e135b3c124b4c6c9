// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Two copies of the program on one store, finishing games and shutting down
// at the same moments: nothing may be lost and neither may see a failure.
#include "platform/sqlite_store.h"
#include "program_writes.h"
#include "store_files.h"
#include "writer_process.h"

#include <QTemporaryDir>
#include <QtTest>

namespace pw = program_writes;

namespace {

// Sends a command to both copies before either can answer, then both answers.
QByteArrayList together(WriterProcess &a, WriterProcess &b, const QByteArray &command) {
    a.send(command);
    b.send(command);
    return {a.reply(), b.reply()};
}

} // namespace

class TestTwoCopies : public QObject {
    Q_OBJECT

  private slots:
    void bothCopiesKeepEveryRecord() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Quorvel/settings.sqlite"));
        const QString players[] = {QStringLiteral("Ann"), QStringLiteral("Ben")};
        // Each copy leaves the other's window state, so a mixed batch would show.
        const unsigned states[] = {0x0aaaa, pw::allBits & ~0x0aaaau};
        const int rounds = runsAsked("QUORVEL_TWO_COPIES_ROUNDS", 25);

        for (int round = 0; round < rounds; ++round) {
            WriterProcess ann(path, players[0]);
            WriterProcess ben(path, players[1]);
            const QByteArrayList ok{"ok", "ok"};
            QCOMPARE((QByteArrayList{ann.reply(), ben.reply()}),
                     (QByteArrayList{"ready", "ready"}));
            ann.send("state " + QByteArray::number(states[0]));
            ben.send("state " + QByteArray::number(states[1]));
            QCOMPARE((QByteArrayList{ann.reply(), ben.reply()}), ok);
            // Both finish a game in the same second, then both are closed.
            QCOMPARE(together(ann, ben, "record " + QByteArray::number(round)), ok);
            QCOMPARE(together(ann, ben, "exit"), ok);
            QVERIFY(ann.finished());
            QVERIFY(ben.finished());
        }

        SqliteStore store(path);
        QVERIFY(store.setAsidePath().isEmpty());
        for (const QString &player : players) {
            SettingPairs expected;
            for (int round = 0; round < rounds; ++round)
                expected.push_back(pw::record(round));
            QCOMPARE(store.readAll(pw::historySection(player)), expected);
        }
        const SettingPairs options = store.readAll(QStringLiteral("Options"));
        QVERIFY(options == pw::options(players[0], states[0]) ||
                options == pw::options(players[1], states[1]));
        qInfo("%d rounds of two copies: all %d records kept, no write failed, the options "
              "whole from one copy",
              rounds, 2 * rounds);
    }
};

QTEST_GUILESS_MAIN(TestTwoCopies)
#include "test_two_copies.moc"
