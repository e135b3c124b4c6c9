// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/sqlite_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

namespace {

// Folded copies of the names make matching ignore letter case in every
// script, which SQLite's own NOCASE does only for ASCII.
constexpr const char *createTable = "CREATE TABLE IF NOT EXISTS settings ("
                                    " id INTEGER PRIMARY KEY,"
                                    " section TEXT NOT NULL,"
                                    " key TEXT NOT NULL,"
                                    " value TEXT NOT NULL,"
                                    " section_folded TEXT NOT NULL,"
                                    " key_folded TEXT NOT NULL,"
                                    " UNIQUE (section_folded, key_folded));"
                                    // Lists a section in its order without sorting it.
                                    "CREATE INDEX IF NOT EXISTS settings_by_section"
                                    " ON settings (section_folded)";

// What is known of each sum a player was asked, by the player's history
// section, folded as there so that it matches the same player.
constexpr const char *createKnowledgeTable =
    "CREATE TABLE IF NOT EXISTS knowledge ("
    " section TEXT NOT NULL,"
    " section_folded TEXT NOT NULL,"
    " times_table INTEGER NOT NULL,"
    " multiplier INTEGER NOT NULL,"
    " asked INTEGER NOT NULL,"
    " answered_right INTEGER NOT NULL,"
    " answered_wrong INTEGER NOT NULL,"
    " timed_out INTEGER NOT NULL,"
    " last_asked_day INTEGER NOT NULL,"
    " box INTEGER NOT NULL,"
    " PRIMARY KEY (section_folded, times_table, multiplier))";
constexpr const char *selectKnowledge =
    "SELECT times_table, multiplier, asked, answered_right, answered_wrong, timed_out,"
    " last_asked_day, box FROM knowledge WHERE section_folded = ?1";
constexpr const char *deleteKnowledge = "DELETE FROM knowledge WHERE section_folded = ?1";
constexpr const char *insertKnowledge =
    "INSERT OR REPLACE INTO knowledge (section, section_folded, times_table, multiplier, asked,"
    " answered_right, answered_wrong, timed_out, last_asked_day, box)"
    " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)";

// An overwrite keeps the row, so the entry keeps its place in the order.
constexpr const char *upsert =
    "INSERT INTO settings (section, key, value, section_folded, key_folded)"
    " VALUES (?1, ?2, ?3, ?4, ?5)"
    " ON CONFLICT (section_folded, key_folded) DO UPDATE SET value = excluded.value";

// A key already there keeps its value.
constexpr const char *insertNew =
    "INSERT INTO settings (section, key, value, section_folded, key_folded)"
    " VALUES (?1, ?2, ?3, ?4, ?5) ON CONFLICT (section_folded, key_folded) DO NOTHING";

constexpr const char *selectValue =
    "SELECT value FROM settings WHERE section_folded = ?1 AND key_folded = ?2";
// Skipping by OFFSET walks only the index, not the rows; a LIMIT of -1 is none.
constexpr const char *selectSection = "SELECT key, value FROM settings WHERE"
                                      " section_folded = ?1 ORDER BY id LIMIT ?2 OFFSET ?3";
// The keys' and values' starts are read apart, so that a long one is never read whole.
constexpr const char *selectSectionRows = "SELECT id FROM settings WHERE"
                                          " section_folded = ?1 ORDER BY id LIMIT ?2 OFFSET ?3";
constexpr const char *countSection = "SELECT count(*) FROM settings WHERE section_folded = ?1";

class Statement {
  public:
    Statement(sqlite3 *db, const char *sql) { sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr); }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool ok() const { return stmt_ != nullptr; }
    void bind(int index, const QString &text) {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    void bind(int index, qsizetype number) { sqlite3_bind_int64(stmt_, index, number); }
    int step() { return sqlite3_step(stmt_); }
    bool isInteger(int index) { return sqlite3_column_type(stmt_, index) == SQLITE_INTEGER; }
    void reset() { sqlite3_reset(stmt_); }
    QString column(int index) { return QString::fromUtf8(bytes(index)); }
    qsizetype number(int index) { return qsizetype(sqlite3_column_int64(stmt_, index)); }
    QByteArrayView bytes(int index) {
        return {static_cast<const char *>(sqlite3_column_blob(stmt_, index)),
                sqlite3_column_bytes(stmt_, index)};
    }

  private:
    sqlite3_stmt *stmt_ = nullptr;
};

// The first maxBytes of a row's column, read without the rest; nothing when it cannot be read.
std::optional<QByteArray> textStart(sqlite3 *db, const char *column, qint64 row,
                                    qsizetype maxBytes) {
    sqlite3_blob *blob = nullptr;
    std::optional<QByteArray> start;
    if (sqlite3_blob_open(db, "main", "settings", column, row, 0, &blob) == SQLITE_OK) {
        start.emplace(std::min<qsizetype>(sqlite3_blob_bytes(blob), maxBytes), Qt::Uninitialized);
        if (sqlite3_blob_read(blob, start->data(), int(start->size()), 0) != SQLITE_OK)
            start.reset();
    }
    sqlite3_blob_close(blob);
    return start;
}

QString folded(const QString &name) {
    return name.toCaseFolded();
}

bool isDamage(int code) {
    code &= 0xff;
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

using FileId = SqliteStore::FileId;

// What lies at a path, found without opening it: opening a FIFO waits for a
// writer, and a device can be read without end.
enum class Found { Nothing, PlainFile, SomethingElse };

Found lookUp(const QByteArray &file, FileId &id) {
    struct stat status {};
    if (::stat(file.constData(), &status) != 0)
        return errno == ENOENT ? Found::Nothing : Found::SomethingElse;
    id = {status.st_dev, status.st_ino};
    return S_ISREG(status.st_mode) ? Found::PlainFile : Found::SomethingElse;
}

std::optional<FileId> plainFileAt(const QByteArray &file) {
    FileId id;
    return lookUp(file, id) == Found::PlainFile ? std::optional(id) : std::nullopt;
}

// Read-write where allowed; a folder we may not write to can still hold a file we may read.
sqlite3 *openFile(const QByteArray &file, int flags) {
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE | flags, nullptr) == SQLITE_OK)
        return db;
    sqlite3_close_v2(db);
    db = nullptr;
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK)
        return db;
    sqlite3_close_v2(db);
    return nullptr;
}

// A check that cannot run for now (another copy writing, a disk that does not
// answer, a journal that cannot be rolled back here) says nothing about the
// file; any other failure, such as a header SQLite does not accept, is damage.
bool isPassing(int code) {
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_NOMEM:
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
    case SQLITE_READONLY:
        return true;
    default:
        return false;
    }
}

// The header's write format is 1 (rollback journal) or 2 (WAL); SQLite
// takes any other value for a newer format and never writes the file again.
bool hasWritableFormat(const QByteArray &file) {
    // Without blocking, in case another file has been put in its place meanwhile.
    const int fd = ::open(file.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return true;
    struct stat status {};
    char start[19] = {};
    const bool plain = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    const ssize_t got = plain ? ::pread(fd, start, sizeof start, 0) : 0;
    ::close(fd);
    return got < ssize_t(sizeof start) || start[18] == 1 || start[18] == 2;
}

// SQLite's verdict on the whole file, from a connection of its own. Not
// quick_check: it does not compare the index with the table, and writes
// through a damaged index go on to damage the file further.
// The verdict names the file it was taken on; one replaced during the check
// is found sound, as nothing can be said about it.
SqliteStore::Verdict checkFile(const QByteArray &file, int lockWaitMs) {
    const std::optional<FileId> before = plainFileAt(file);
    if (!before)
        return {};
    bool damaged = !hasWritableFormat(file);
    sqlite3 *db = damaged ? nullptr : openFile(file, 0);
    if (db) {
        sqlite3_busy_timeout(db, lockWaitMs);
        Statement check(db, "PRAGMA integrity_check(1)");
        const int rc = check.ok() ? check.step() : sqlite3_errcode(db);
        damaged = rc == SQLITE_ROW ? check.column(0) != QLatin1String("ok") : !isPassing(rc);
    }
    sqlite3_close_v2(db);
    return {damaged && plainFileAt(file) == before, *before};
}

} // namespace

SqliteStore::SqliteStore(QString path, int lockWaitMs)
    : path_(std::move(path)), lockWaitMs_(lockWaitMs) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    // The check takes time in proportion to the history, so it runs beside
    // start-up; nothing is written to the file before its verdict.
    if (open())
        verdict_ = std::async(std::launch::async, checkFile, QFile::encodeName(path_), lockWaitMs_);
}

SqliteStore::~SqliteStore() {
    close();
}

bool SqliteStore::isOpen() {
    settle();
    return db_ != nullptr;
}

QString SqliteStore::setAsidePath() {
    settle();
    return setAsidePath_;
}

bool SqliteStore::open() {
    const QByteArray file = QFile::encodeName(path_);
    FileId before;
    const Found found = lookUp(file, before);
    if (found == Found::SomethingElse) {
        readFailed_ = true;
        return false;
    }
    db_ = openFile(file, SQLITE_OPEN_CREATE);
    const std::optional<FileId> opened = plainFileAt(file);
    if (!db_ || !opened) {
        readFailed_ = readFailed_ || found == Found::PlainFile;
        close();
        return false;
    }
    file_ = *opened;
    sqlite3_busy_handler(db_, onBusy, this);
    sqlite3_extended_result_codes(db_, 1);
    exec("PRAGMA synchronous = FULL");
    return true;
}

int SqliteStore::onBusy(void *store, int tries) {
    auto *self = static_cast<SqliteStore *>(store);
    using namespace std::chrono;
    const auto now = steady_clock::now();
    if (tries == 0)
        self->lockMet_ = now;
    if (self->lockedOut_ || now - self->lockMet_ >= milliseconds(self->lockWaitMs_)) {
        self->lockedOut_ = true;
        return 0;
    }
    sqlite3_sleep(tries < 10 ? 1 : 5);
    return 1;
}

int SqliteStore::noteRead(int rc) {
    const bool answered = rc == SQLITE_ROW || rc == SQLITE_DONE;
    lockedOut_ = lockedOut_ && !answered;
    // Only a read that could not run for now failed: a table not made yet is
    // an empty store, and what can be read of a damaged file is kept.
    readFailed_ = readFailed_ || (!answered && isPassing(rc));
    return rc;
}

bool SqliteStore::makeTable() {
    if (!exec(createTable))
        return !isDamage(sqlite3_errcode(db_));
    // Knowledge that cannot be kept is rebuilt from the history, so it never stops a game.
    exec(createKnowledgeTable);
    // A damaged table definition can pass the check yet lack what the store uses.
    for (const char *sql : {upsert, insertNew, selectValue, selectSection, countSection}) {
        if (!Statement(db_, sql).ok())
            return false;
    }
    return true;
}

void SqliteStore::settle() {
    if (!verdict_.valid())
        return;
    const Verdict verdict = verdict_.get();
    // A verdict on a file other than ours says nothing about ours.
    if (!(verdict.damaged && verdict.file == file_) && makeTable())
        return;
    close();
    // Another copy may have set the damaged file aside already: only the file
    // found damaged goes aside, and the one in its place is used as it is.
    if (plainFileAt(QFile::encodeName(path_)) != file_) {
        if (open() && !makeTable())
            close();
        return;
    }
    if (!setDamagedFileAside() || !open() || !makeTable()) {
        close();
        return;
    }
    salvage(setAsidePath_);
}

bool SqliteStore::replaced() const {
    return db_ && plainFileAt(QFile::encodeName(path_)) != file_;
}

void SqliteStore::prepareWrite() {
    settle();
    if (!replaced())
        return;
    close();
    if (open() && !makeTable())
        close();
}

void SqliteStore::close() {
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

bool SqliteStore::exec(const char *sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool SqliteStore::setDamagedFileAside() {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path_ + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = path_ + QStringLiteral(".damaged-") + stamp + QLatin1Char('-') + QString::number(n);
    // The file may have been replaced while the name was chosen.
    if (plainFileAt(QFile::encodeName(path_)) != file_ || !QFile::rename(path_, aside))
        return false;
    setAsidePath_ = aside;
    // The journal belongs to the damaged file; replayed onto a fresh one it would do harm.
    for (const char *suffix : {"-journal", "-wal", "-shm"})
        QFile::rename(path_ + QLatin1String(suffix), aside + QLatin1String(suffix));
    return true;
}

void SqliteStore::salvage(const QString &damaged) {
    // Immutable: the damaged file is only read, without locks or its journal.
    const QByteArray uri = QUrl::fromLocalFile(damaged).toEncoded() + "?immutable=1";
    sqlite3 *old = nullptr;
    std::vector<Row> rows;
    if (sqlite3_open_v2(uri.constData(), &old, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) ==
        SQLITE_OK) {
        // Lets a file shorter than its header says be read as far as it goes.
        sqlite3_exec(old, "PRAGMA writable_schema = ON", nullptr, nullptr, nullptr);
        // A scan stops at the first damage it meets.
        Statement query(old, "SELECT section, key, value FROM settings ORDER BY id");
        while (query.ok() && query.step() == SQLITE_ROW)
            rows.push_back({query.column(0), query.column(1), query.column(2)});
    }
    sqlite3_close_v2(old);
    writeRows(rows, upsert);
}

std::optional<QString> SqliteStore::read(const QString &section, const QString &key) {
    if (!db_)
        return std::nullopt;
    Statement query(db_, selectValue);
    if (!query.ok()) {
        noteRead(sqlite3_errcode(db_)); // preparing reads the schema
        return std::nullopt;
    }
    query.bind(1, folded(section));
    query.bind(2, folded(key));
    if (noteRead(query.step()) != SQLITE_ROW)
        return std::nullopt;
    return query.column(0);
}

SettingPairs SqliteStore::readAll(const QString &section) {
    return readPart(section, 0, -1); // no limit
}

SettingPairs SqliteStore::readPart(const QString &section, qsizetype first, qsizetype limit,
                                   qsizetype textLimit) {
    SettingPairs pairs;
    if (textLimit < 0) {
        visitPart(section, first, limit, [&pairs](QByteArrayView key, QByteArrayView value) {
            pairs.emplace_back(QString::fromUtf8(key), QString::fromUtf8(value));
        });
        return pairs;
    }
    if (!db_)
        return pairs;
    Statement query(db_, selectSectionRows);
    if (!query.ok())
        return pairs;
    query.bind(1, folded(section));
    query.bind(2, limit);
    query.bind(3, first);
    while (query.step() == SQLITE_ROW) {
        // No character takes more than four bytes.
        const qint64 row = query.number(0);
        const std::optional<QByteArray> key = textStart(db_, "key", row, 4 * textLimit);
        const std::optional<QByteArray> value = textStart(db_, "value", row, 4 * textLimit);
        if (!key || !value)
            break;
        pairs.emplace_back(QString::fromUtf8(*key).left(textLimit),
                           QString::fromUtf8(*value).left(textLimit));
    }
    return pairs;
}

void SqliteStore::visitAll(
    const QString &section,
    const std::function<void(QByteArrayView key, QByteArrayView value)> &visit) {
    visitPart(section, 0, -1, visit);
}

void SqliteStore::visitPart(
    const QString &section, qsizetype first, qsizetype limit,
    const std::function<void(QByteArrayView key, QByteArrayView value)> &visit) {
    if (!db_)
        return;
    Statement query(db_, selectSection);
    if (!query.ok()) {
        noteRead(sqlite3_errcode(db_)); // preparing reads the schema
        return;
    }
    query.bind(1, folded(section));
    query.bind(2, limit);
    query.bind(3, first);
    while (noteRead(query.step()) == SQLITE_ROW)
        visit(query.bytes(0), query.bytes(1));
}

qsizetype SqliteStore::count(const QString &section) {
    if (!db_)
        return 0;
    Statement query(db_, countSection);
    if (!query.ok()) {
        noteRead(sqlite3_errcode(db_)); // preparing reads the schema
        return 0;
    }
    query.bind(1, folded(section));
    return noteRead(query.step()) == SQLITE_ROW ? query.number(0) : 0;
}

bool SqliteStore::write(const QString &section, const SettingPairs &pairs) {
    prepareWrite();
    std::vector<Row> rows;
    rows.reserve(pairs.size());
    for (const auto &[key, value] : pairs)
        rows.push_back({section, key, value});
    return writeRows(rows, upsert) >= 0;
}

SettingsBackend::Insertion SqliteStore::insert(const QString &section, const QString &key,
                                               const QString &value) {
    prepareWrite();
    switch (writeRows({{section, key, value}}, insertNew)) {
    case -1:
        return Insertion::Failed;
    case 0:
        return Insertion::KeyTaken;
    default:
        return Insertion::Added;
    }
}

int SqliteStore::writeRows(const std::vector<Row> &rows, const char *sql) {
    if (!db_ || !exec("BEGIN IMMEDIATE"))
        return -1;
    const int changesBefore = sqlite3_total_changes(db_);
    Statement insert(db_, sql);
    bool ok = insert.ok();
    for (auto it = rows.begin(); ok && it != rows.end(); ++it) {
        insert.bind(1, it->section);
        insert.bind(2, it->key);
        insert.bind(3, it->value);
        insert.bind(4, folded(it->section));
        insert.bind(5, folded(it->key));
        ok = insert.step() == SQLITE_DONE;
        insert.reset();
    }
    const int changed = sqlite3_total_changes(db_) - changesBefore;
    if (ok && exec("COMMIT")) {
        lockedOut_ = false;
        return changed;
    }
    exec("ROLLBACK");
    return -1;
}

std::vector<SumKnowledge> SqliteStore::readKnowledge(const QString &section) {
    std::vector<SumKnowledge> kept;
    if (!db_)
        return kept;
    Statement query(db_, selectKnowledge);
    if (!query.ok())
        return kept; // no such table yet
    query.bind(1, folded(section));
    while (noteRead(query.step()) == SQLITE_ROW) {
        // A value edited into text or a fraction is no count.
        bool whole = true;
        for (int column = 0; column < 8; ++column)
            whole = whole && query.isInteger(column);
        if (!whole)
            continue;
        const auto count = [&query](int column) {
            return int(std::clamp<qsizetype>(query.number(column), -1, INT_MAX));
        };
        kept.push_back({count(0), count(1), count(2), count(3), count(4), count(5),
                        std::int64_t(query.number(6)), count(7)});
    }
    return kept;
}

SettingsBackend::Insertion SqliteStore::insertWithKnowledge(const QString &section,
                                                            const QString &key,
                                                            const QString &value,
                                                            const KnowledgeUpdate &update) {
    prepareWrite();
    if (!db_ || !exec("BEGIN IMMEDIATE"))
        return Insertion::Failed;
    // Read inside the transaction, so another copy's game is counted, and
    // before the record is added, so this game is not counted twice.
    const std::vector<SumKnowledge> rows = update(readKnowledge(section));
    Statement record(db_, insertNew);
    bool ok = record.ok();
    if (ok) {
        record.bind(1, section);
        record.bind(2, key);
        record.bind(3, value);
        record.bind(4, folded(section));
        record.bind(5, folded(key));
        ok = record.step() == SQLITE_DONE;
    }
    if (ok && sqlite3_changes(db_) == 0) {
        exec("ROLLBACK");
        return Insertion::KeyTaken;
    }
    ok = ok && writeKnowledge(section, rows);
    if (ok && exec("COMMIT")) {
        lockedOut_ = false;
        return Insertion::Added;
    }
    exec("ROLLBACK");
    return Insertion::Failed;
}

bool SqliteStore::writeKnowledge(const QString &section, const std::vector<SumKnowledge> &rows) {
    Statement clear(db_, deleteKnowledge);
    Statement insert(db_, insertKnowledge);
    // A table edited out of shape keeps no knowledge; the record is still saved.
    if (!clear.ok() || !insert.ok())
        return true;
    clear.bind(1, folded(section));
    if (clear.step() != SQLITE_DONE)
        return false;
    for (const SumKnowledge &row : rows) {
        insert.bind(1, section);
        insert.bind(2, folded(section));
        int column = 3;
        for (qsizetype number :
             {qsizetype(row.table), qsizetype(row.multiplier), qsizetype(row.asked),
              qsizetype(row.right), qsizetype(row.wrong), qsizetype(row.timedOut),
              qsizetype(row.lastAsked), qsizetype(row.box)})
            insert.bind(column++, number);
        if (insert.step() != SQLITE_DONE)
            return false;
        insert.reset();
    }
    return true;
}
