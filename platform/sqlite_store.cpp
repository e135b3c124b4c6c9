// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/sqlite_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

#include <algorithm>

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

// An overwrite keeps the row, so the entry keeps its place in the order.
constexpr const char *upsert =
    "INSERT INTO settings (section, key, value, section_folded, key_folded)"
    " VALUES (?1, ?2, ?3, ?4, ?5)"
    " ON CONFLICT (section_folded, key_folded) DO UPDATE SET value = excluded.value";

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
    QFile header(QFile::decodeName(file));
    if (!header.open(QIODevice::ReadOnly))
        return true;
    const QByteArray start = header.read(19);
    return start.size() < 19 || start[18] == 1 || start[18] == 2;
}

// SQLite's verdict on the whole file, from a connection of its own. Not
// quick_check: it does not compare the index with the table, and writes
// through a damaged index go on to damage the file further.
bool isDamaged(const QByteArray &file, int busyTimeoutMs) {
    if (!hasWritableFormat(file))
        return true;
    sqlite3 *db = openFile(file, 0);
    bool damaged = false;
    if (db) {
        sqlite3_busy_timeout(db, busyTimeoutMs);
        Statement check(db, "PRAGMA integrity_check(1)");
        const int rc = check.ok() ? check.step() : sqlite3_errcode(db);
        damaged = rc == SQLITE_ROW ? check.column(0) != QLatin1String("ok") : !isPassing(rc);
    }
    sqlite3_close_v2(db);
    return damaged;
}

} // namespace

SqliteStore::SqliteStore(QString path, int busyTimeoutMs)
    : path_(std::move(path)), busyTimeoutMs_(busyTimeoutMs) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    // The check takes time in proportion to the history, so it runs beside
    // start-up; nothing is written to the file before its verdict.
    if (open())
        verdict_ =
            std::async(std::launch::async, isDamaged, QFile::encodeName(path_), busyTimeoutMs_);
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
    if (QFileInfo(path_).isDir())
        return false;
    db_ = openFile(QFile::encodeName(path_), SQLITE_OPEN_CREATE);
    if (!db_)
        return false;
    sqlite3_busy_timeout(db_, busyTimeoutMs_);
    sqlite3_extended_result_codes(db_, 1);
    exec("PRAGMA synchronous = FULL");
    return true;
}

bool SqliteStore::makeTable() {
    if (!exec(createTable))
        return !isDamage(sqlite3_errcode(db_));
    // A damaged table definition can pass the check yet lack what the store uses.
    for (const char *sql : {upsert, selectValue, selectSection, countSection}) {
        if (!Statement(db_, sql).ok())
            return false;
    }
    return true;
}

void SqliteStore::settle() {
    if (!verdict_.valid())
        return;
    if (!verdict_.get() && makeTable())
        return;
    close();
    if (!setDamagedFileAside() || !open() || !makeTable()) {
        close();
        return;
    }
    salvage(setAsidePath_);
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
    if (!QFile::rename(path_, aside))
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
    writeRows(rows);
}

std::optional<QString> SqliteStore::read(const QString &section, const QString &key) {
    if (!db_)
        return std::nullopt;
    Statement query(db_, selectValue);
    if (!query.ok())
        return std::nullopt;
    query.bind(1, folded(section));
    query.bind(2, folded(key));
    if (query.step() != SQLITE_ROW)
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
    if (!query.ok())
        return;
    query.bind(1, folded(section));
    query.bind(2, limit);
    query.bind(3, first);
    while (query.step() == SQLITE_ROW)
        visit(query.bytes(0), query.bytes(1));
}

qsizetype SqliteStore::count(const QString &section) {
    if (!db_)
        return 0;
    Statement query(db_, countSection);
    if (!query.ok())
        return 0;
    query.bind(1, folded(section));
    return query.step() == SQLITE_ROW ? query.number(0) : 0;
}

bool SqliteStore::write(const QString &section, const SettingPairs &pairs) {
    settle();
    std::vector<Row> rows;
    rows.reserve(pairs.size());
    for (const auto &[key, value] : pairs)
        rows.push_back({section, key, value});
    return writeRows(rows);
}

bool SqliteStore::writeRows(const std::vector<Row> &rows) {
    if (!db_ || !exec("BEGIN IMMEDIATE"))
        return false;
    Statement insert(db_, upsert);
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
    if (ok && exec("COMMIT"))
        return true;
    exec("ROLLBACK");
    return false;
}
