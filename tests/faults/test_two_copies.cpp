// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Two copies of the program on one store, finishing games and shutting down
// at the same moments: nothing may be lost and neither may see a failure.
#include "platform/sqlite_store.h"
#include "program_writes.h"
#include "store_files.h"
#include "writer_process.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <random>

namespace pw = program_writes;

namespace {

// Sends a command to both copies before either can answer, then both answers.
QByteArrayList together(WriterProcess &a, WriterProcess &b, const QByteArray &command) {
    a.send(command);
    b.send(command);
    return {a.reply(), b.reply()};
}

// A store as the earlier layout kept it, with a long history for Ann.
constexpr int earlierRecords = 20000;
bool makeEarlierStore(const QString &path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    sqlite3 *db = nullptr;
    const bool made =
        sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK &&
        sqlite3_exec(db,
                     "CREATE TABLE settings (id INTEGER PRIMARY KEY, section TEXT NOT NULL,"
                     " key TEXT NOT NULL, value TEXT NOT NULL, section_folded TEXT NOT NULL,"
                     " key_folded TEXT NOT NULL, UNIQUE (section_folded, key_folded));"
                     "CREATE INDEX settings_by_section ON settings (section_folded);"
                     "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n"
                     " WHERE i < 20000) INSERT INTO settings (section, key, value,"
                     " section_folded, key_folded) SELECT 'History\\Ann', printf('k%05d', i),"
                     " 'v', 'history\\ann', printf('k%05d', i) FROM n",
                     nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return made;
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

    // Copies of this version and a kill at any moment while an earlier store is
    // brought to this layout: it is done once, whole, or not at all.
    void earlierStoreBroughtAlongOnceWhole() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Quorvel/settings.sqlite"));
        std::mt19937 random(std::random_device{}());
        int migrated = 0;
        const int kills = runsAsked("QUORVEL_MIGRATION_KILLS", 12);
        for (int kill = 0; kill < kills; ++kill) {
            QVERIFY(makeEarlierStore(path));
            {
                WriterProcess copy(path, QStringLiteral("Ann"));
                QTest::qWait(int(random() % 400));
                ::kill(pid_t(copy.pid()), SIGKILL);
            }
            QCOMPARE(integrityCheck(path), QStringLiteral("ok"));
            migrated += readFile(path).contains("section_match");
            QCOMPARE(SqliteStore(path).count(QStringLiteral("HISTORY\\ann")),
                     qsizetype(earlierRecords));
        }
        QVERIFY(makeEarlierStore(path));
        WriterProcess ann(path, QStringLiteral("Ann"));
        WriterProcess ben(path, QStringLiteral("Ann"));
        QCOMPARE((QByteArrayList{ann.reply(), ben.reply()}), (QByteArrayList{"ready", "ready"}));
        QCOMPARE(together(ann, ben, "game 0"), (QByteArrayList{"ok", "ok"}));
        QCOMPARE(together(ann, ben, "exit"), (QByteArrayList{"ok", "ok"}));
        QCOMPARE(SqliteStore(path).count(QStringLiteral("History\\Ann")),
                 qsizetype(earlierRecords + 2));
        qInfo("earlier store of %d records: %d kills at random moments of its first start (%d "
              "after it was brought along), each left it whole; two copies at once kept all",
              earlierRecords, kills, migrated);
    }

    // The key has one-second resolution; neither record may replace the other,
    // and what is known of the sums counts both games, whatever the name's case.
    void samePlayerInTheSameSecondKeepsBoth() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Quorvel/settings.sqlite"));
        WriterProcess first(path, QStringLiteral("Sam"));
        WriterProcess second(path, QStringLiteral("SAM"));
        QCOMPARE((QByteArrayList{first.reply(), second.reply()}),
                 (QByteArrayList{"ready", "ready"}));
        QCOMPARE(together(first, second, "game 0"), (QByteArrayList{"ok", "ok"}));
        QCOMPARE(together(first, second, "exit"), (QByteArrayList{"ok", "ok"}));
        SqliteStore store(path);
        const SettingPairs records = store.readAll(pw::historySection(QStringLiteral("Sam")));
        QCOMPARE(records.size(), size_t(2));
        QCOMPARE(records[0].first.left(15), QStringLiteral("06/12/26 14:03:"));
        QVERIFY(records[0].first != records[1].first);
        int asked = 0;
        for (const SumKnowledge &sum : store.readKnowledge(pw::historySection("sam")))
            asked += sum.asked;
        QCOMPARE(asked, 2 * pw::sumsAGame);
    }

    // Both copies start on a damaged store. The first to write sets it aside
    // for a fresh one; the second must go on with that one, not set it aside too.
    void damagedStoreIsSetAsideOnceWithTwoCopies() {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("Quorvel"));
        const QString path = folder + QStringLiteral("/settings.sqlite");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeFile(path, "LastPlayer=Ann\n"));
        WriterProcess ann(path, QStringLiteral("Ann"));
        WriterProcess ben(path, QStringLiteral("Ben"));
        QCOMPARE((QByteArrayList{ann.reply(), ben.reply()}), (QByteArrayList{"ready", "ready"}));
        for (int n : {0, 1}) {
            for (WriterProcess *copy : {&ann, &ben}) {
                copy->send("record " + QByteArray::number(n));
                QCOMPARE(copy->reply(), QByteArray("ok"));
            }
        }
        QCOMPARE(together(ann, ben, "exit"), (QByteArrayList{"ok", "ok"}));
        QVERIFY(ann.finished());
        QVERIFY(ben.finished());

        const QStringList aside =
            QDir(folder).entryList({QStringLiteral("settings.sqlite.damaged-*")});
        QCOMPARE(aside.size(), 1);
        QCOMPARE(readFile(folder + QLatin1Char('/') + aside[0]), QByteArray("LastPlayer=Ann\n"));
        QCOMPARE(integrityCheck(path), QStringLiteral("ok"));
        SqliteStore store(path);
        for (const QString &player : {QStringLiteral("Ann"), QStringLiteral("Ben")})
            QCOMPARE(store.readAll(pw::historySection(player)),
                     (SettingPairs{pw::record(0), pw::record(1)}));
        QCOMPARE(store.read(QStringLiteral("Options"), QStringLiteral("Times 0")),
                 QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestTwoCopies)
#include "test_two_copies.moc"
