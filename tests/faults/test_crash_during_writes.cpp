// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Kills the program's writes at random moments: the store must come back
// sound, holding the state from just before or just after the write, a
// game's record and what is known of its sums both or neither.
#include "platform/sqlite_store.h"
#include "program_writes.h"
#include "store_files.h"
#include "write_killer.h"
#include "writer_process.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace std::chrono;
namespace pw = program_writes;

namespace {

const QString player = QStringLiteral("Sam");
// Plays whole games, so that what is known of its sums is written with each record.
const QString gamePlayer = QStringLiteral("Kim");

enum class Write { Record, Shutdown, Game };
constexpr Write writes[] = {Write::Record, Write::Shutdown, Write::Game};
const char *const writeNames[] = {"record", "shut-down", "game"};

// A journal whose header has been synced: the next opening must roll it back.
bool hotJournalLeft(const QString &path) {
    QFile journal(path + QStringLiteral("-journal"));
    return journal.open(QIODevice::ReadOnly) && journal.read(8).count('\0') < 8;
}

int timesAsked(const std::vector<SumKnowledge> &known) {
    int asked = 0;
    for (const SumKnowledge &sum : known)
        asked += sum.asked;
    return asked;
}

} // namespace

class TestCrashDuringWrites : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path() const { return dir_.filePath(QStringLiteral("Quorvel/settings.sqlite")); }
    std::mt19937 random_{std::random_device{}()};

    // The state on disk, as the tests know it.
    std::optional<unsigned> options_;
    SettingPairs records_;
    int nextRecord_ = 0;
    qsizetype games_ = 0;

    // The command that makes one write.
    QByteArray prepareWrite(WriterProcess &writer, Write write, unsigned &newState) {
        if (write == Write::Record)
            return "record " + QByteArray::number(nextRecord_);
        if (write == Write::Game)
            return "game 0";
        // Every flag differs from the stored one, so a torn batch cannot pass for whole.
        newState = ~options_.value_or(0) & pw::allBits;
        writer.send("state " + QByteArray::number(newState));
        return writer.reply() == "ok" ? QByteArray("exit") : QByteArray();
    }

    WriterProcess startWriter(Write write) {
        return WriterProcess(path(), write == Write::Game ? gamePlayer : player);
    }

    // Is the store in the old state or the new one? Updates what is known.
    bool holdsOldOrNew(Write write, unsigned newState, bool &isNew) {
        SqliteStore store(path());
        if (!store.setAsidePath().isEmpty())
            return false;
        if (write == Write::Shutdown) {
            const SettingPairs stored = store.readAll(QStringLiteral("Options"));
            isNew = stored == pw::options(player, newState);
            if (isNew)
                options_ = newState;
            return isNew || stored == (options_ ? pw::options(player, *options_) : SettingPairs());
        }
        if (write == Write::Game) {
            // Every game adds its sums to what is known, with its record or not at all.
            const QString section = pw::historySection(gamePlayer);
            const qsizetype games = store.count(section);
            isNew = games == games_ + 1;
            const bool oldOrNew = isNew || games == games_;
            games_ = games;
            return oldOrNew &&
                   timesAsked(store.readKnowledge(section)) == int(games) * pw::sumsAGame;
        }
        SettingPairs stored = store.readAll(pw::historySection(player));
        isNew = stored.size() == records_.size() + 1 && stored.back() == pw::record(nextRecord_);
        if (isNew)
            stored.pop_back();
        if (stored != records_)
            return false;
        if (isNew)
            records_.push_back(pw::record(nextRecord_));
        ++nextRecord_;
        return true;
    }

    // How long a write of this kind keeps its journal here, from unkilled ones.
    microseconds timeWrites(Write write) {
        microseconds longest{};
        for (int i = 0; i < 3; ++i)
            longest = std::max(longest, timeWrite(write));
        return longest;
    }
    microseconds timeWrite(Write write) {
        WriterProcess writer = startWriter(write);
        if (writer.reply() != "ready")
            return {};
        unsigned newState = 0;
        const QByteArray command = prepareWrite(writer, write, newState);
        WriteKiller watch(path());
        writer.send(command);
        const microseconds took = watch.timeNextWrite();
        const bool done = write == Write::Shutdown ? writer.finished() : writer.reply() == "ok";
        bool isNew = false;
        return done && holdsOldOrNew(write, newState, isNew) && isNew ? took : microseconds{};
    }

  private slots:
    void killedWriteLeavesOldOrNewState() {
        QVERIFY(dir_.isValid());
        std::array<microseconds, std::size(writes)> window{};
        for (std::size_t kind = 0; kind < std::size(writes); ++kind) {
            window[kind] = timeWrites(writes[kind]);
            QVERIFY2(window[kind].count() > 0, writeNames[kind]);
        }
        qInfo("longest unkilled write: a record %lld us, the shut-down batch %lld us, a game's "
              "record with what is known of its sums %lld us",
              qlonglong(window[0].count()), qlonglong(window[1].count()),
              qlonglong(window[2].count()));

        const int runs = runsAsked("QUORVEL_CRASH_RUNS", 60);
        int during = 0, after = 0, hot = 0, becameNew = 0;
        for (int run = 0; run < runs; ++run) {
            const std::size_t kind = std::size_t(run) % std::size(writes);
            const Write write = writes[kind];
            WriterProcess writer = startWriter(write);
            QCOMPARE(writer.reply(), QByteArray("ready"));
            unsigned newState = 0;
            const QByteArray command = prepareWrite(writer, write, newState);
            QVERIFY(!command.isEmpty());

            WriteKiller killer(path());
            writer.send(command);
            // A little past the usual end, so some kills land just after the write.
            const auto outcome =
                killer.killDuringNextWrite(pid_t(writer.pid()), window[kind] * 5 / 4, random_);
            QVERIFY2(outcome != WriteKiller::Outcome::NoWrite, "the write never began");
            (outcome == WriteKiller::Outcome::DuringWrite ? during : after) += 1;
            hot += hotJournalLeft(path());

            const QString integrity = integrityCheck(path());
            QVERIFY2(integrity == QLatin1String("ok"), qPrintable(integrity));
            bool isNew = false;
            QVERIFY2(holdsOldOrNew(write, newState, isNew),
                     qPrintable(QStringLiteral("run %1 (%2) left a mixed state")
                                    .arg(run)
                                    .arg(QLatin1String(writeNames[kind]))));
            becameNew += isNew;
        }
        qInfo("%d runs: %d killed during the write (%d leaving a journal to roll back), %d just "
              "after it; store sound every time, %d held the new state, %d the old",
              runs, during, hot, after, becameNew, runs - becameNew);
    }
};

QTEST_GUILESS_MAIN(TestCrashDuringWrites)
#include "test_crash_during_writes.moc"
