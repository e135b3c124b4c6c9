// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/runs_from_both_ends.h"
#include "platform/sqlite_store.h"
#include "support/fake_store.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <condition_variable>
#include <mutex>
#include <set>
#include <thread>

namespace {
const QString section = QStringLiteral("Options");

void runSql(const QString &path, const char *sql) {
    sqlite3 *other = nullptr;
    sqlite3_open(QFile::encodeName(path).constData(), &other);
    QCOMPARE(sqlite3_exec(other, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
}

// Keeps `rows`, and notes what was kept before.
KnowledgeUpdate keeping(std::vector<SumKnowledge> rows,
                        std::vector<SumKnowledge> *before = nullptr) {
    return [rows, before](const std::vector<SumKnowledge> &kept) {
        if (before)
            *before = kept;
        return rows;
    };
}
} // namespace

class TestSqliteStore : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path() const { return dir_.filePath(QStringLiteral("Quorvel/settings.sqlite")); }

    // Our table as this version makes it.
    static constexpr const char *ourLayout =
        "CREATE TABLE settings (id INTEGER PRIMARY KEY, section TEXT NOT NULL,"
        " key TEXT NOT NULL, value TEXT NOT NULL, section_match TEXT NOT NULL,"
        " key_match TEXT NOT NULL, UNIQUE (section_match, key_match));";

    bool makeDatabase(const QByteArray &sql, QString where = {}) const {
        if (where.isEmpty())
            where = path();
        QDir().mkpath(QFileInfo(where).absolutePath());
        sqlite3 *db = nullptr;
        const bool made = sqlite3_open(QFile::encodeName(where).constData(), &db) == SQLITE_OK &&
                          sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
        sqlite3_close(db);
        return made;
    }

    // A database made with sql, at `where` as a program that crashed while it wrote would leave
    // it: changed in part, its journal beside it.
    bool leaveCrashedWrite(const QByteArray &sql, const QString &where) const {
        const QString writing = dir_.filePath(QStringLiteral("writing.db"));
        QFile::remove(writing);
        if (!makeDatabase(sql + "CREATE TABLE filler (text TEXT); WITH RECURSIVE n(i) AS"
                                " (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
                                " INSERT INTO filler SELECT hex(randomblob(100)) FROM n;",
                          writing))
            return false;
        sqlite3 *db = nullptr;
        // A cache of one page writes the change into the file long before it is committed.
        const bool midWrite =
            sqlite3_open(QFile::encodeName(writing).constData(), &db) == SQLITE_OK &&
            sqlite3_exec(db, "PRAGMA cache_size = 1; BEGIN; DELETE FROM filler;", nullptr, nullptr,
                         nullptr) == SQLITE_OK &&
            QFile::copy(writing, where) && QFile::copy(writing + "-journal", where + "-journal");
        sqlite3_close(db);
        return midWrite;
    }

    QByteArray fileBytes() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

  private slots:
    void init() {
        QFile::remove(path());
        for (const QString &name :
             QDir(dir_.filePath(QStringLiteral("Quorvel"))).entryList(QDir::Files))
            QFile::remove(dir_.filePath(QStringLiteral("Quorvel/") + name));
    }

    void overwriteKeepsPlaceInOrder() {
        SqliteStore store(path());
        QVERIFY(store.write(QStringLiteral("History\\Sam"), {{"b", "1"}, {"a", "2"}, {"c", "3"}}));
        QVERIFY(store.write(QStringLiteral("History\\Sam"), {{"a", "changed"}}));
        const SettingPairs expected{{"b", "1"}, {"a", "changed"}, {"c", "3"}};
        QCOMPARE(store.readAll(QStringLiteral("History\\Sam")), expected);
    }

    void namesIgnoreLetterCaseAndKeepFirstSpelling_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("asked");
        QTest::newRow("ascii") << "History\\Sam"
                               << "HISTORY\\sam";
        QTest::newRow("accented") << "History\\Émile"
                                  << "history\\émile";
        QTest::newRow("greek") << "History\\ΣΟΦΙΑ"
                               << "History\\σοφια";
        QTest::newRow("cyrillic") << "History\\Борис"
                                  << "History\\БОРИС";
        // Full folding, the same in every locale.
        QTest::newRow("turkish capitals") << "History\\Işık"
                                          << "HISTORY\\IŞIK";
        QTest::newRow("turkish dotted capital") << "History\\İpek"
                                                << "history\\ipek";
        QTest::newRow("german sharp s") << "History\\Strauß"
                                        << "History\\STRAUSS";
        QTest::newRow("greek final sigma") << "History\\ΟΔΥΣΣΕΑΣ"
                                           << "History\\οδυσσεας";
        QTest::newRow("cherokee") << "History\\ᏣᎳᎩ"
                                  << "History\\ꮳꮃꭹ";
        QTest::newRow("fullwidth") << "History\\ＳＡＭ"
                                   << "History\\sam";
        QTest::newRow("accent decomposed") << "History\\Jos\u00e9"
                                           << "History\\JOSE\u0301";
    }
    void namesIgnoreLetterCaseAndKeepFirstSpelling() {
        QFETCH(QString, written);
        QFETCH(QString, asked);
        SqliteStore store(path());
        QVERIFY(store.write(written, {{"Key", "one"}}));
        QVERIFY(store.write(asked, {{"KEY", "two"}}));
        QCOMPARE(store.read(asked, QStringLiteral("key")), QString("two"));
        const SettingPairs expected{{"Key", "two"}};
        QCOMPARE(store.readAll(written), expected);
    }

    void differentNamesStayApart_data() {
        QTest::addColumn<QString>("one");
        QTest::addColumn<QString>("other");
        QTest::newRow("accent") << "René"
                                << "Rene";
        QTest::newRow("one letter more") << "Ann"
                                         << "Anne";
        QTest::newRow("s and sharp s") << "Strauß"
                                       << "Straus";
    }
    void differentNamesStayApart() {
        QFETCH(QString, one);
        QFETCH(QString, other);
        SqliteStore store(path());
        QVERIFY(store.write(one, {{"Key", "one"}}));
        QVERIFY(store.write(other, {{"Key", "other"}}));
        QCOMPARE(store.read(one, QStringLiteral("Key")), QString("one"));
    }

    void everyCharacterSurvivesReopening_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("blanks inside") << "Mary Ann";
        QTest::newRow("slashes") << "a\\b/c\\\\";
        QTest::newRow("quotes and percent") << "O'Neil \"x\" 100% _ %s";
        QTest::newRow("emoji") << QString::fromUtf8("Zoë 🦊🧮");
        QTest::newRow("tabs and line breaks") << "  Sums\t\tCorrect\tYours\r\n";
        QTest::newRow("nul inside") << QString::fromUtf16(u"a\u0000b", 3);
        QTest::newRow("long") << QString(1000, QChar(u'é'));
        QTest::newRow("empty") << "";
    }
    void everyCharacterSurvivesReopening() {
        QFETCH(QString, text);
        {
            SqliteStore store(path());
            QVERIFY(store.write(QStringLiteral("History\\") + text, {{text, text}}));
        }
        SqliteStore reopened(path());
        QCOMPARE(reopened.read(QStringLiteral("History\\") + text, text), text);
    }

    void partsOfASectionInOrder_data() {
        QTest::addColumn<bool>("onDisk");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QString>("keys");
        for (bool onDisk : {true, false}) {
            const char *store = onDisk ? "file: " : "any store: ";
            QTest::addRow("%sfrom the start", store) << onDisk << 0 << 2 << "e,a";
            QTest::addRow("%sin the middle", store) << onDisk << 1 << 3 << "a,d,b";
            QTest::addRow("%sshort at the end", store) << onDisk << 3 << 10 << "b,c";
            QTest::addRow("%spast the end", store) << onDisk << 5 << 10 << "";
            QTest::addRow("%sno limit", store) << onDisk << 2 << -1 << "d,b,c";
        }
    }
    void partsOfASectionInOrder() {
        QFETCH(bool, onDisk);
        QFETCH(int, first);
        QFETCH(int, limit);
        QFETCH(QString, keys);
        SqliteStore file(path());
        FakeStore memory;
        SettingsBackend &store = onDisk ? static_cast<SettingsBackend &>(file) : memory;
        const QString sam = QStringLiteral("History\\Sam");
        for (const char *key : {"e", "a", "d"})
            QVERIFY(store.write(sam, {{key, "1"}}));
        QVERIFY(store.write(QStringLiteral("History\\Ann"), {{"x", "1"}}));
        QVERIFY(store.write(sam, {{"b", "1"}, {"c", "1"}, {"A", "again"}}));
        QStringList found;
        for (const auto &[key, value] :
             store.readPart(QStringLiteral("history\\SAM"), first, limit))
            found << key;
        QCOMPARE(found.join(','), keys);
        QCOMPARE(store.count(QStringLiteral("HISTORY\\sam")), qsizetype(5));
        QVERIFY(store.write(QStringLiteral("History\\Ann"), {{"y", "\u20acuro"}}));
        QCOMPARE(store.readPart(sam, 1, 1, 3), SettingPairs({{"a", "aga"}}));
        QCOMPARE(store.readPart("History\\Ann", 1, 1, 2), SettingPairs({{"y", "\u20acu"}}));
        QStringList visited;
        QStringList rest;
        store.visitAll(
            sam,
            [&visited](QByteArrayView key, QByteArrayView value) {
                visited << QString::fromUtf8(key) + '=' + QString::fromUtf8(value);
            },
            [&rest](QByteArrayView key, QByteArrayView value) {
                rest << QString::fromUtf8(key) + '=' + QString::fromUtf8(value);
            });
        std::reverse(rest.begin(), rest.end());
        QCOMPARE((visited + rest).join(','), QString("e=1,a=again,d=1,b=1,c=1"));
    }

    void runsFromBothEndsHandOutEachIdOnce_data() {
        QTest::addColumn<qint64>("first");
        QTest::addColumn<qint64>("last");
        QTest::addColumn<qint64>("runLength");
        QTest::newRow("runs that meet") << qint64(1) << qint64(10) << qint64(3);
        QTest::newRow("a single id") << qint64(5) << qint64(5) << qint64(1024);
        QTest::newRow("none") << qint64(5) << qint64(4) << qint64(2);
        QTest::newRow("at the top of the ids") << LLONG_MAX - 6 << LLONG_MAX << qint64(4);
        QTest::newRow("at the bottom of the ids") << LLONG_MIN << LLONG_MIN + 6 << qint64(4);
    }

    // Taken in turns from either end, the runs cover every id once, the
    // front's all before the back's, even where ids reach a 64-bit number's ends.
    void runsFromBothEndsHandOutEachIdOnce() {
        QFETCH(qint64, first);
        QFETCH(qint64, last);
        QFETCH(qint64, runLength);
        RunsFromBothEnds runs(first, last, runLength);
        std::vector<qint64> front, back;
        for (bool fromFront = true;; fromFront = !fromFront) {
            const IdRun run = fromFront ? runs.takeFront() : runs.takeBack();
            if (run.empty())
                break;
            for (qint64 id = run.first;; ++id) {
                (fromFront ? front : back).push_back(id);
                if (id == run.last)
                    break;
            }
        }
        std::vector<qint64> expected;
        for (qint64 id = first; id <= last; ++id) {
            expected.push_back(id);
            if (id == last)
                break;
        }
        std::sort(back.begin(), back.end());
        QVERIFY(front.empty() || back.empty() || front.back() < back.front());
        front.insert(front.end(), back.begin(), back.end());
        QCOMPARE(front, expected);
    }

    // A long section is read from both ends at once, on two threads, and
    // together they are the whole section in order.
    void longSectionVisitedFromBothEnds() {
        SqliteStore store(path());
        const QString sam = QStringLiteral("History\\Sam");
        SettingPairs sams;
        for (int part = 0; part < 3; ++part) {
            SettingPairs some;
            for (int i = 0; i < 1000; ++i)
                some.emplace_back(QString::number(part * 1000 + i), QString::number(i % 7));
            QVERIFY(store.write(sam, some));
            // Another section's rows among Sam's.
            QVERIFY(store.write(QStringLiteral("History\\Ann"), some));
            sams.insert(sams.end(), some.begin(), some.end());
        }
        struct Visited {
            SettingPairs pairs;
            std::set<std::thread::id> threads;
        } visited, rest;
        auto into = [](Visited &into) {
            return [&into](QByteArrayView key, QByteArrayView value) {
                into.pairs.emplace_back(QString::fromUtf8(key), QString::fromUtf8(value));
                into.threads.insert(std::this_thread::get_id());
            };
        };
        // The front waits for the back's first pair, however late its thread
        // starts on a busy machine; the back may then take every run.
        std::mutex mutex;
        std::condition_variable restStarted;
        store.visitAll(
            sam,
            [&, visit = into(visited)](QByteArrayView key, QByteArrayView value) {
                std::unique_lock lock(mutex);
                restStarted.wait_for(lock, std::chrono::seconds(10),
                                     [&rest] { return !rest.pairs.empty(); });
                visit(key, value);
            },
            [&, visit = into(rest)](QByteArrayView key, QByteArrayView value) {
                const std::lock_guard lock(mutex);
                visit(key, value);
                restStarted.notify_one();
            });
        visited.pairs.insert(visited.pairs.end(), rest.pairs.rbegin(), rest.pairs.rend());
        QCOMPARE(visited.pairs, sams);
        QCOMPARE(rest.threads.size(), std::size_t(1));
        QVERIFY(*rest.threads.begin() != std::this_thread::get_id());
        QVERIFY(visited.threads.empty() || visited.threads == std::set{std::this_thread::get_id()});
    }

    // Where the second connection cannot open the file (moved away since the
    // store opened it), the first reads the whole section.
    void longSectionReadWholeWhenOnlyOneConnectionCan() {
        SqliteStore store(path());
        const QString sam = QStringLiteral("History\\Sam");
        SettingPairs sams;
        for (int i = 0; i < 3000; ++i)
            sams.emplace_back(QString::number(i), QStringLiteral("x"));
        QVERIFY(store.write(sam, sams));
        QVERIFY(QFile::rename(path(), path() + QStringLiteral(".moved")));
        SettingPairs visited;
        int readApart = 0;
        store.visitAll(
            sam,
            [&visited](QByteArrayView key, QByteArrayView value) {
                visited.emplace_back(QString::fromUtf8(key), QString::fromUtf8(value));
            },
            [&readApart](QByteArrayView, QByteArrayView) { ++readApart; });
        QCOMPARE(readApart, 0);
        QCOMPARE(visited, sams);
    }

    // Ids far apart, as SQLite gives once the largest has been taken (or a
    // hand-made store holds), are read in a few hundred runs at most; ids at
    // the very top are read to the end.
    void sectionWithIdsFarApartReadPromptly() {
        {
            SqliteStore store(path());
            QVERIFY(store.write(QStringLiteral("History\\Sam"), {{"first", "1"}}));
            QVERIFY(store.write(QStringLiteral("History\\Ann"), {{"a", "1"}}));
        }
        sqlite3 *db = nullptr;
        QCOMPARE(sqlite3_open(path().toUtf8().constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db,
                              "UPDATE settings SET id = 9223372036854775805 WHERE key = 'a';"
                              "INSERT INTO settings SELECT 4611686018427387904, section, 'middle',"
                              " value, section_match, 'middle' FROM settings WHERE key = 'first';"
                              "INSERT INTO settings SELECT 9223372036854775806, section, 'last',"
                              " value, section_match, 'last' FROM settings WHERE key = 'first';"
                              "INSERT INTO settings SELECT 9223372036854775807, section, 'z',"
                              " value, section_match, 'z' FROM settings WHERE key = 'a'",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(db);
        SqliteStore store(path());
        // One run per thousand ids would not end in anyone's lifetime.
        for (const auto &[section, keys] :
             {std::pair{"History\\Sam", QStringList{"first", "middle", "last"}},
              std::pair{"History\\Ann", QStringList{"a", "z"}}}) {
            QStringList front, back;
            store.visitAll(
                QString::fromLatin1(section),
                [&front](QByteArrayView key, QByteArrayView) { front << QString::fromUtf8(key); },
                [&back](QByteArrayView key, QByteArrayView) {
                    back.prepend(QString::fromUtf8(key));
                });
            QCOMPARE(front + back, keys);
        }
    }

    void missingEntriesReadAsNothing() {
        SqliteStore store(path());
        QCOMPARE(store.read(section, QStringLiteral("LastPlayer")), std::nullopt);
        QVERIFY(store.readAll(QStringLiteral("History\\Nobody")).empty());
        QCOMPARE(store.count(QStringLiteral("History\\Nobody")), qsizetype(0));
    }

    void twoConnectionsBothLand() {
        SqliteStore first(path());
        SqliteStore second(path());
        for (int i = 0; i < 20; ++i) {
            QVERIFY(first.write(QStringLiteral("History\\A"), {{QString::number(i), "first"}}));
            QVERIFY(
                second.write(QStringLiteral("History\\A"), {{QString::number(i + 100), "second"}}));
        }
        QCOMPARE(first.readAll(QStringLiteral("History\\A")).size(), size_t(40));
    }

    void damagedFileIsMovedAsideAndKept_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text file") << QByteArray("LastPlayer=Sam\n");
        QTest::newRow("random bytes") << QByteArray(8192, '\x5a');
        QByteArray header("SQLite format 3");
        header.append('\0');
        QTest::newRow("header only") << header + QByteArray(100, '\xff');
    }
    void damagedFileIsMovedAsideAndKept() {
        QFETCH(QByteArray, content);
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        SqliteStore store(path());
        QVERIFY(!store.setAsidePath().isEmpty());
        QFile aside(store.setAsidePath());
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), content);
        QVERIFY(store.write(section, {{"LastPlayer", "Sam"}}));
        QCOMPARE(store.read(section, QStringLiteral("LastPlayer")), QString("Sam"));
    }

    void zeroLengthFileIsAnEmptyStore() {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        SqliteStore store(path());
        QVERIFY(store.setAsidePath().isEmpty());
        QVERIFY(store.write(section, {{"LastPlayer", "Sam"}}));
    }

    // Opening a FIFO would wait for a writer, and a device read without end.
    void nothingButAFileIsUsed_data() {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"folder", "fifo", "socket"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void nothingButAFileIsUsed() {
        QFETCH(QString, kind);
        QDir().mkpath(QFileInfo(path()).absolutePath());
        const QByteArray file = QFile::encodeName(path());
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path()));
        } else if (kind == QLatin1String("fifo")) {
            QCOMPARE(mkfifo(file.constData(), 0600), 0);
        } else {
            const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            qstrncpy(address.sun_path, file.constData(), sizeof address.sun_path);
            QCOMPARE(bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
            ::close(fd);
        }
        {
            SqliteStore store(path());
            QVERIFY(!store.isOpen());
            QCOMPARE(store.trouble(), SettingsBackend::Trouble::Unreadable);
            QCOMPARE(store.read(section, QStringLiteral("LastPlayer")), std::nullopt);
            QVERIFY(!store.write(section, {{"LastPlayer", "Sam"}}));
        }
        QVERIFY(QFileInfo(path()).exists() && !QFileInfo(path()).isFile());
        QDir(path()).removeRecursively();
        QFile::remove(path());
    }

    // Start-up reads each value on its own: the lock is waited for once, and
    // a write made once it has gone lands.
    void lockedByAnotherProgramIsWaitedForOnce() {
        {
            SqliteStore store(path());
            QVERIFY(store.write(section, {{"LastPlayer", "Sam"}}));
        }
        const QByteArray before = fileBytes();
        sqlite3 *other = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path()).constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

        constexpr int lockWaitMs = 200;
        SqliteStore store(path(), lockWaitMs);
        QElapsedTimer took;
        took.start();
        for (int read = 0; read < 19; ++read)
            QCOMPARE(store.read(section, QStringLiteral("LastPlayer")), std::nullopt);
        QVERIFY(!store.write(section, {{"LastPlayer", "Ann"}}));
        QVERIFY2(took.elapsed() < 2 * lockWaitMs, qPrintable(QString::number(took.elapsed())));
        QCOMPARE(store.trouble(), SettingsBackend::Trouble::Unreadable);
        QVERIFY(store.setAsidePath().isEmpty());

        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        QCOMPARE(fileBytes(), before);
        QCOMPARE(store.read(section, QStringLiteral("LastPlayer")), QString("Sam"));
        QVERIFY(store.write(section, {{"LastPlayer", "Ann"}}));
    }

    // Reading done only to save time later gives up on a lock at once, and is
    // no failure to read: the settings are read and written as ever after.
    void readingThatMayWaitNoLock() {
        SqliteStore store(path(), 60'000);
        QVERIFY(store.write(section, {{"LastPlayer", "Sam"}}));
        sqlite3 *other = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(path()).constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

        QElapsedTimer took;
        took.start();
        store.setWaitForLocks(false);
        const auto ignore = [](QByteArrayView, QByteArrayView) {};
        QCOMPARE(store.visitAfter(section, std::nullopt, ignore, ignore), std::nullopt);
        QVERIFY(!store.readDigest(section));
        store.setWaitForLocks(true);
        QVERIFY2(took.elapsed() < 30'000, qPrintable(QString::number(took.elapsed())));

        sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(other);
        QCOMPARE(store.trouble(), SettingsBackend::Trouble::None);
        QCOMPARE(store.read(section, QStringLiteral("LastPlayer")), QString("Sam"));
        QVERIFY(store.write(section, {{"LastPlayer", "Ann"}}));
    }

    void insertKeepsAKeyAlreadyThere() {
        SqliteStore store(path());
        using I = SettingsBackend::Insertion;
        QCOMPARE(store.insert(section, QStringLiteral("Key"), QStringLiteral("1")), I::Added);
        QCOMPARE(store.insert(section, QStringLiteral("KEY"), QStringLiteral("2")), I::KeyTaken);
        QCOMPARE(store.read(section, QStringLiteral("key")), QString("1"));
    }

    // The record and what is known of the sums land together or not at all,
    // for the player whatever the letter case of the name.
    void knowledgeGoesWithItsRecord() {
        SqliteStore store(path());
        using I = SettingsBackend::Insertion;
        const QString sam = QStringLiteral("History\\Sam");
        const SumKnowledge first{7, 8, 1, 0, 1, 0, 2461000, 0};
        const SumKnowledge second{7, 8, 2, 1, 1, 0, 2461001, 1};
        QCOMPARE(store.insertWithKnowledge(sam, "k1", "r1", keeping({first})), I::Added);
        std::vector<SumKnowledge> before;
        QCOMPARE(store.insertWithKnowledge("history\\SAM", "k1", "r2", keeping({}, &before)),
                 I::KeyTaken);
        QCOMPARE(store.readKnowledge(sam), std::vector{first});
        QCOMPARE(store.insertWithKnowledge("HISTORY\\sam", "k2", "r2", keeping({second}, &before)),
                 I::Added);
        QCOMPARE(before, std::vector{first});
        QCOMPARE(store.readKnowledge(sam), std::vector{second});
        QVERIFY(store.readKnowledge("History\\Ann").empty());

        runSql(path(), "CREATE TRIGGER refuse BEFORE INSERT ON knowledge"
                       " BEGIN SELECT RAISE(ABORT, 'refused'); END");
        QCOMPARE(store.insertWithKnowledge(sam, "k3", "r3", keeping({first})), I::Failed);
        QCOMPARE(store.read(sam, "k3"), std::nullopt);
        QCOMPARE(store.readKnowledge(sam), std::vector{second});
    }

    // Knowledge edited by hand is left out; a table made over in another shape
    // keeps none, and the record is saved all the same.
    void handEditedKnowledgeIsIgnored() {
        SqliteStore store(path());
        const QString sam = QStringLiteral("History\\Sam");
        const SumKnowledge sound{7, 8, 1, 1, 0, 0, 2461000, 1};
        QVERIFY(store.insertWithKnowledge(sam, "k1", "r1",
                                          keeping({sound, {6, 9, 1, 1, 0, 0, 2461000, 1}})) ==
                SettingsBackend::Insertion::Added);
        runSql(path(), "UPDATE knowledge SET asked = 'many' WHERE times_table = 6");
        QCOMPARE(store.readKnowledge(sam), std::vector{sound});
        runSql(path(), "DROP TABLE knowledge; CREATE TABLE knowledge (anything)");
        QVERIFY(store.readKnowledge(sam).empty());
        QVERIFY(store.insertWithKnowledge(sam, "k2", "r2", keeping({sound})) ==
                SettingsBackend::Insertion::Added);
        QCOMPARE(store.read(sam, "k2"), QString("r2"));
    }

    // Stores written before names were matched in full folding: every record
    // stays with its player, and "IŞIK" now finds what "Işık" played.
    void earlierLayoutIsBroughtAlong() {
        const char *earlier =
            "CREATE TABLE settings (id INTEGER PRIMARY KEY, section TEXT NOT NULL,"
            " key TEXT NOT NULL, value TEXT NOT NULL, section_folded TEXT NOT NULL,"
            " key_folded TEXT NOT NULL, UNIQUE (section_folded, key_folded));"
            "CREATE INDEX settings_by_section ON settings (section_folded);"
            "INSERT INTO settings VALUES (1, 'Options', 'LastPlayer', 'Işık', 'options',"
            " 'lastplayer');"
            "INSERT INTO settings VALUES (2, 'History\\Işık', '01/12/26 10:00:00', 'a',"
            " 'history\\işık', '01/12/26 10:00:00');"
            "INSERT INTO settings VALUES (3, 'History\\IŞIK', '01/12/26 10:00:00', 'b',"
            " 'history\\işik', '01/12/26 10:00:00');"
            "INSERT INTO settings VALUES (4, 'History\\Işık', '02/12/26 10:00:00', 'c',"
            " 'history\\işık', '02/12/26 10:00:00');";
        QVERIFY(makeDatabase(earlier));
        {
            SqliteStore store(path());
            QCOMPARE(store.trouble(), SettingsBackend::Trouble::None);
            QCOMPARE(store.read(section, QStringLiteral("LASTPLAYER")), QString("Işık"));
            QStringList values;
            for (const auto &[key, value] : store.readAll(QStringLiteral("History\\IŞIK")))
                values << value;
            QCOMPARE(values.join(','), QString("a,b,c"));
            QVERIFY(store.write(QStringLiteral("History\\işik"), {{"03/12/26 10:00:00", "d"}}));
            QCOMPARE(store.count(QStringLiteral("History\\Işık")), qsizetype(4));
        }
        // Brought along once and for all: another opening finds the same.
        SqliteStore again(path());
        QCOMPARE(again.count(QStringLiteral("HISTORY\\IŞIK")), qsizetype(4));
    }

    // Another program's database, or one with tables of a later version, is
    // read where it can be and never written to, nor set aside.
    void foreignDatabaseIsNeverWritten_data() {
        QTest::addColumn<QByteArray>("sql");
        QTest::addColumn<bool>("throughLink");
        QTest::addColumn<bool>("crashedWriting"); // a journal left beside it
        const QByteArray other = "CREATE TABLE bookmarks (url TEXT); INSERT INTO bookmarks"
                                 " VALUES ('x');";
        QTest::newRow("another program's") << other << false << false;
        QTest::newRow("linked to another program's") << other << true << false;
        const QByteArray ours(ourLayout);
        QTest::newRow("ours and another table") << ours + other << false << false;
        QTest::newRow("ours and a view")
            << ours + "CREATE VIEW names AS SELECT 1;" << false << false;
        QTest::newRow("another program's, crashed writing") << other << false << true;
        QTest::newRow("linked to another program's, crashed writing") << other << true << true;
    }
    void foreignDatabaseIsNeverWritten() {
        QFETCH(QByteArray, sql);
        QFETCH(bool, throughLink);
        QFETCH(bool, crashedWriting);
        const QString target = throughLink ? dir_.filePath(QStringLiteral("other.db")) : path();
        if (crashedWriting)
            QVERIFY(leaveCrashedWrite(sql, target));
        else
            QVERIFY(makeDatabase(sql, target));
        if (throughLink)
            QVERIFY(QFile::link(target, path()));
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        {
            SqliteStore store(path());
            QCOMPARE(store.trouble(), SettingsBackend::Trouble::NotOurs);
            QVERIFY(!store.write(section, {{"LastPlayer", "Sam"}}));
            QCOMPARE(store.insert(section, "LastPlayer", "Sam"),
                     SettingsBackend::Insertion::Failed);
            QVERIFY(store.setAsidePath().isEmpty());
        }
        file.seek(0);
        QCOMPARE(file.readAll(), before);
        QCOMPARE(QFileInfo(path()).isSymLink(), throughLink);
        QCOMPARE(QFile::exists(target + "-journal"), crashedWriting);
        QFile::remove(target);
        QFile::remove(target + "-journal");
    }

    // A digest stands for its rows only while they are as they were: any change
    // among them, by the store or by hand, drops it; changes elsewhere do not.
    void digestLastsWhileItsRowsDo_data() {
        QTest::addColumn<QByteArray>("sql");
        QTest::addColumn<bool>("kept");
        const QByteArray insert =
            "INSERT INTO settings (id, section, key, value, section_match, key_match) VALUES ";
        QTest::newRow("nothing") << QByteArray("SELECT 1") << true;
        QTest::newRow("a row after them")
            << insert + "(NULL, 'History\\Sam', 'k4', 'v', 'history\\sam', 'k4')" << true;
        QTest::newRow("another section's row changed")
            << QByteArray("UPDATE settings SET value = 'x' WHERE id = 1") << true;
        QTest::newRow("another section's row taken out")
            << QByteArray("DELETE FROM settings WHERE id = 3") << true;
        QTest::newRow("a value changed")
            << QByteArray("UPDATE settings SET value = 'x' WHERE id = 4") << false;
        QTest::newRow("a row taken out")
            << QByteArray("DELETE FROM settings WHERE id = 4") << false;
        QTest::newRow("a row put among them")
            << "DELETE FROM settings WHERE id = 3;" + insert +
                   "(3, 'History\\Sam', 'k0', 'v', 'history\\sam', 'k0')"
            << false;
        QTest::newRow("a row put in another's place")
            << QByteArray("INSERT OR REPLACE INTO settings (section, key, value, section_match,"
                          " key_match) VALUES ('History\\Sam', 'k2', 'v', 'history\\sam', 'k2')")
            << false;
        QTest::newRow("another row given one's key")
            << QByteArray("UPDATE OR REPLACE settings SET section_match = 'history\\sam',"
                          " key_match = 'k2' WHERE id = 6")
            << false;
        QTest::newRow("a trigger taken out")
            << QByteArray("DROP TRIGGER section_digest_removed") << false;
    }
    void digestLastsWhileItsRowsDo() {
        QFETCH(QByteArray, sql);
        QFETCH(bool, kept);
        SqliteStore store(path());
        const QString sam = QStringLiteral("History\\Sam");
        const QString ann = QStringLiteral("History\\Ann");
        for (const auto &[where, key] : {std::pair{section, "LastPlayer"},
                                         {sam, "k1"},
                                         {ann, "a"},
                                         {sam, "k2"},
                                         {sam, "k3"},
                                         {ann, "b"}})
            QVERIFY(store.write(where, {{key, "v"}}));
        // Rows 2, 4 and 5 are Sam's: a digest of two of them is not kept.
        QVERIFY(!store.keepDigest(sam, {"two", 5, 2}));
        QVERIFY(store.keepDigest(sam, {"three", 5, 3}));
        runSql(path(), sql.constData());
        const std::optional<SettingsBackend::Digest> digest = store.readDigest("HISTORY\\sam");
        QCOMPARE(digest.has_value(), kept);
        if (kept)
            QCOMPARE(digest->bytes, "three");
    }

    // Records are still saved, and digests kept again, whatever a hand did to
    // the digests' table.
    void digestTableTakenOutStopsNoWrite_data() {
        QTest::addColumn<QByteArray>("sql");
        QTest::addColumn<bool>("keptAgain");
        QTest::newRow("taken out") << QByteArray("DROP TABLE section_digest") << true;
        QTest::newRow("made over")
            << QByteArray("DROP TABLE section_digest; CREATE TABLE section_digest (anything)")
            << false;
        QTest::newRow("made a view")
            << QByteArray("DROP TABLE section_digest; CREATE VIEW section_digest AS SELECT"
                          " 'x' AS section_match, 1 AS last_id, 1 AS pairs, 'x' AS digest")
            << false;
    }
    void digestTableTakenOutStopsNoWrite() {
        QFETCH(QByteArray, sql);
        QFETCH(bool, keptAgain);
        SqliteStore store(path());
        const QString sam = QStringLiteral("History\\Sam");
        QVERIFY(store.write(sam, {{"k1", "v"}}));
        QVERIFY(store.keepDigest(sam, {"one", 1, 1}));
        runSql(path(), sql.constData());
        QVERIFY(store.write(sam, {{"k2", "v"}}));
        QCOMPARE(store.insertWithKnowledge(sam, "k3", "v", keeping({})),
                 SettingsBackend::Insertion::Added);
        QCOMPARE(store.keepDigest(sam, {"three", 3, 3}), keptAgain);
        QCOMPARE(store.readDigest(sam).has_value(), keptAgain);
    }

    // A digest is kept only to save time: it never waits for the check of the
    // file, nor is it what sets a damaged file aside.
    void digestWaitsForNoCheck() {
        const QString sam = QStringLiteral("History\\Sam");
        {
            SqliteStore store(path());
            QVERIFY(store.write(sam, {{"k1", "v"}}));
        }
        // The section's index made to disagree with its table: reads still
        // work, and only the check finds it.
        sqlite3 *db = nullptr;
        sqlite3_open(QFile::encodeName(path()).constData(), &db);
        sqlite3_stmt *query = nullptr;
        sqlite3_prepare_v2(db,
                           "SELECT rootpage * (SELECT page_size FROM pragma_page_size)"
                           " FROM sqlite_schema WHERE name = 'settings_by_section'",
                           -1, &query, nullptr);
        QCOMPARE(sqlite3_step(query), SQLITE_ROW);
        const qsizetype pageEnd = sqlite3_column_int64(query, 0);
        sqlite3_finalize(query);
        sqlite3_close(db);
        QByteArray bytes = fileBytes();
        const qsizetype at = bytes.lastIndexOf("history\\sam", pageEnd);
        QVERIFY(at > 0);
        bytes[at + 9] = 'b';
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();

        SqliteStore store(path());
        QVERIFY(!store.keepDigest(sam, {"one", 1, 1}));
        QTest::qWait(800); // the check begins half a second in
        QVERIFY(!store.keepDigest(sam, {"one", 1, 1}));
        QCOMPARE(fileBytes(), bytes);
        QVERIFY(store.write(sam, {{"k2", "v"}}));
        QVERIFY(!store.setAsidePath().isEmpty());
    }

    void batchIsAllOrNothing() {
        SqliteStore store(path());
        QVERIFY(store.write(section, {{"A", "1"}}));
        sqlite3 *other = nullptr;
        sqlite3_open(QFile::encodeName(path()).constData(), &other);
        // A trigger that refuses the second key makes the batch fail half-way.
        QCOMPARE(sqlite3_exec(other,
                              "CREATE TRIGGER refuse BEFORE INSERT ON settings WHEN new.key = 'C'"
                              " BEGIN SELECT RAISE(ABORT, 'refused'); END",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(other);
        QVERIFY(!store.write(section, {{"B", "2"}, {"C", "3"}}));
        const SettingPairs expected{{"A", "1"}};
        QCOMPARE(store.readAll(section), expected);
    }
};

QTEST_GUILESS_MAIN(TestSqliteStore)
#include "test_sqlite_store.moc"
