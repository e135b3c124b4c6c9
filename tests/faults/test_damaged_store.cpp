// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Damaged stores: the program must start every time, on what can still be
// read or on its defaults, and keep a damaged file aside untouched.
#include "program_writes.h"
#include "settings/settings.h"
#include "store_files.h"
#include "store_window.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

namespace pw = program_writes;

namespace {

const QString player = QStringLiteral("Sam");
constexpr unsigned storedState = 0x15a5a;
constexpr int storedRecords = 40;

// Which of the stored history records the store still gives, in order.
int recordsKept(SettingsBackend &store) {
    const SettingPairs kept = store.readAll(pw::historySection(player));
    int n = 0;
    while (n < int(kept.size()) && n < storedRecords && kept[size_t(n)] == pw::record(n))
        ++n;
    return n;
}

} // namespace

class TestDamagedStore : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QByteArray sound_;
    QString folder() const { return dir_.filePath(QStringLiteral("Quorvel")); }
    QString path() const { return folder() + QStringLiteral("/settings.sqlite"); }

    // What one start of the program on a damaged store found.
    struct Run {
        QString asidePath;
        int recordsKept = 0;
        SettingPairs options;
    };

    // Starts the program on what lies at path(), finishes a game and shuts
    // down, checking what must hold whatever the damage.
    void startFinishAndExit(Run &run, const QByteArray &what) {
        const QByteArray damaged = readFile(path());
        {
            StoreWindow program(path());
            program.startOnDisk(player);
            run.asidePath = program.disk.store().setAsidePath();
            run.recordsKept = recordsKept(program.disk);
            run.options = program.disk.readAll(QStringLiteral("Options"));
            QVERIFY2(SaveSetting(program.disk, pw::historySection(player), pw::recordKey(1000),
                                 pw::recordText(1000)),
                     what);
            program.window->close();
            QVERIFY2(!program.disk.writeFailed, what);
        }
        if (!run.asidePath.isEmpty())
            QVERIFY2(readFile(run.asidePath) == damaged, what + " changed the damaged file");
        const QString integrity = integrityCheck(path());
        QVERIFY2(integrity == QLatin1String("ok"), what + " left " + integrity.toUtf8());
    }

    // The files a crash leaves in the middle of a write that had begun to
    // change the store: the store half-written and its hot journal.
    void interruptedWrite(QByteArray &halfWritten, QByteArray &hotJournal) {
        QVERIFY(writeFile(path(), sound_));
        sqlite3 *db = nullptr;
        sqlite3_open(QFile::encodeName(path()).constData(), &db);
        // A small cache makes the change spill into the file before the commit.
        sqlite3_exec(db,
                     "PRAGMA cache_size = 2; BEGIN;"
                     " UPDATE settings SET value = printf('%.3000c', 'x');",
                     nullptr, nullptr, nullptr);
        halfWritten = readFile(path());
        hotJournal = readFile(path() + QStringLiteral("-journal"));
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        QVERIFY(halfWritten != sound_);
        QVERIFY(hotJournal.size() > 8 && hotJournal.left(8).count('\0') < 8);
    }

    // What the program did with damaged variants of the sound store.
    struct Tally {
        int inPlace = 0, aside = 0, allKept = 0, someKept = 0;
        void add(const Run &run) {
            if (run.asidePath.isEmpty()) {
                ++inPlace;
                return;
            }
            ++aside;
            allKept += run.recordsKept == storedRecords;
            someKept += run.recordsKept > 0 && run.recordsKept < storedRecords;
        }
        void report(const QByteArray &what) const {
            qInfo("%s: %d read in place, %d set aside (%d with every record read back, %d with "
                  "some, %d with none)",
                  what.constData(), inPlace, aside, allKept, someKept, aside - allKept - someKept);
        }
    };

    void startOnVariant(const QByteArray &bytes, const QByteArray &label, Tally &tally) {
        init();
        QVERIFY(writeFile(path(), bytes));
        Run run;
        startFinishAndExit(run, label);
        if (!QTest::currentTestFailed())
            tally.add(run);
    }

    // The bytes of the first page of the store that holds the index.
    qsizetype indexPageOffset() const {
        sqlite3 *db = nullptr;
        sqlite3_open_v2(QFile::encodeName(path()).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt *query = nullptr;
        sqlite3_prepare_v2(db, "SELECT rootpage FROM sqlite_master WHERE type = 'index'", -1,
                           &query, nullptr);
        const int page = sqlite3_step(query) == SQLITE_ROW ? sqlite3_column_int(query, 0) : 0;
        sqlite3_finalize(query);
        sqlite3_close(db);
        return qsizetype(page - 1) * 4096;
    }

    // The store with one byte changed: `from` at or after `offset` becomes `to`.
    QByteArray soundWith(qsizetype offset, const QByteArray &from, const QByteArray &to) const {
        QByteArray bytes = sound_;
        const qsizetype at = bytes.indexOf(from, offset);
        return at < 0 ? QByteArray() : bytes.replace(at, from.size(), to);
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QDir().mkpath(folder());
        {
            SqliteStore store(path());
            QVERIFY(store.write(QStringLiteral("Options"), pw::options(player, storedState)));
            for (int n = 0; n < storedRecords; ++n)
                QVERIFY(store.write(pw::historySection(player), {pw::record(n)}));
        }
        sound_ = readFile(path());
        QVERIFY(sound_.size() > 4 * 4096);
    }

    void init() {
        QDir(folder()).removeRecursively();
        QDir().mkpath(folder());
    }

    void damagedFileIsKeptAsideAndReadFrom_data() {
        enum Kept { None, Some, All };
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("setAside");
        QTest::addColumn<int>("kept");
        QVERIFY(writeFile(path(), sound_));
        const qsizetype index = indexPageOffset();
        QTest::newRow("zero length") << QByteArray() << false << int(None);
        QTest::newRow("header only") << sound_.left(100) << true << int(None);
        QTest::newRow("cut inside the last page") << sound_.chopped(1000) << true << int(Some);
        QTest::newRow("last two pages missing") << sound_.chopped(8192) << true << int(Some);
        QTest::newRow("index damaged") << soundWith(index, "sam", "sbm") << true << int(All);
        QTest::newRow("table definition damaged")
            << soundWith(0, "section TEXT", "sectiom TEXT") << true << int(None);
        QTest::newRow("not a database") << QByteArray("LastPlayer=Sam\n") << true << int(None);
        // The header's file format bytes, for writing and for reading, and its schema format.
        QTest::newRow("write format damaged")
            << sound_.left(18) + '\x05' + sound_.mid(19) << true << int(All);
        QTest::newRow("read format damaged")
            << sound_.left(19) + '\x05' + sound_.mid(20) << true << int(None);
        QTest::newRow("schema format damaged")
            << sound_.left(47) + '\x0c' + sound_.mid(48) << true << int(None);
    }
    void damagedFileIsKeptAsideAndReadFrom() {
        QFETCH(QByteArray, content);
        QFETCH(bool, setAside);
        QFETCH(int, kept);
        QVERIFY(writeFile(path(), content));
        Run run;
        startFinishAndExit(run, QTest::currentDataTag());
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(!run.asidePath.isEmpty(), setAside);
        const int some = run.recordsKept > 0 && run.recordsKept < storedRecords;
        QCOMPARE(run.recordsKept == storedRecords ? 2 : some, kept);
    }

    void leftoverJournalOrWal_data() {
        QTest::addColumn<QByteArray>("database");
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<QByteArray>("leftover");
        const QByteArray garbage = QByteArray(2048, '\x5a');
        QTest::newRow("journal of random bytes") << sound_ << "-journal" << garbage;
        QTest::newRow("wal of random bytes") << sound_ << "-wal" << garbage;
        QByteArray halfWritten, hotJournal;
        interruptedWrite(halfWritten, hotJournal);
        QTest::newRow("hot journal of an interrupted write")
            << halfWritten << "-journal" << hotJournal;
    }
    void leftoverJournalOrWal() {
        QFETCH(QByteArray, database);
        QFETCH(QString, suffix);
        QFETCH(QByteArray, leftover);
        QVERIFY(writeFile(path(), database));
        QVERIFY(writeFile(path() + suffix, leftover));
        Run run;
        startFinishAndExit(run, QTest::currentDataTag());
        if (QTest::currentTestFailed())
            return;
        QVERIFY(run.asidePath.isEmpty());
        QCOMPARE(run.recordsKept, storedRecords);
        QCOMPARE(run.options, pw::options(player, storedState));
    }

    // The header's fields are few bytes that decide much, so each bit gets a turn.
    void everyBitOfTheHeaderFlipped() {
        Tally tally;
        for (int bit = 0; bit < 100 * 8; ++bit) {
            QByteArray bytes = sound_;
            bytes[bit / 8] = char(bytes[bit / 8] ^ (1 << (bit % 8)));
            startOnVariant(bytes, QStringLiteral("header bit %1").arg(bit).toUtf8(), tally);
            if (QTest::currentTestFailed())
                return;
        }
        tally.report("every bit of the header");
    }

    void randomByteFlips() {
        const int variants = runsAsked("QUORVEL_DAMAGE_VARIANTS", 150);
        bool seeded = false;
        const unsigned given = qEnvironmentVariable("QUORVEL_SEED").toUInt(&seeded);
        const unsigned seed = seeded ? given : std::random_device{}();
        std::mt19937 random(seed);
        Tally tally;
        for (int variant = 0; variant < variants; ++variant) {
            QByteArray bytes = sound_;
            const int flips = 1 + int(random() % 4);
            for (int flip = 0; flip < flips; ++flip) {
                const auto at = qsizetype(random() % unsigned(bytes.size()));
                bytes[at] = char(bytes[at] ^ (1 << (random() % 8)));
            }
            startOnVariant(bytes,
                           QStringLiteral("seed %1, variant %2").arg(seed).arg(variant).toUtf8(),
                           tally);
            if (QTest::currentTestFailed())
                return;
        }
        tally.report(
            QStringLiteral("%1 random variants (seed %2)").arg(variants).arg(seed).toUtf8());
    }
};

QTEST_MAIN(TestDamagedStore)
#include "test_damaged_store.moc"
