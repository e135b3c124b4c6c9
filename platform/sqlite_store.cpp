// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/sqlite_store.h"

#include "platform/matching_form.h"
#include "platform/runs_from_both_ends.h"

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
#include <array>
#include <climits>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>

namespace {

// Every table the program keeps in its file. A file holding any other table
// belongs to another program, or to a later version of this one, and is never
// written to.
constexpr std::array ourTables{"settings", "knowledge", "section_digest"};

// The names in matching form (see matching_form.h) make matching ignore
// letter case in every script, which SQLite's own NOCASE does only for ASCII.
// The columns name the layout: the earlier one held simple folds in
// section_folded and key_folded, and is brought to this one when first met.
constexpr const char *createTable = "CREATE TABLE IF NOT EXISTS settings ("
                                    " id INTEGER PRIMARY KEY,"
                                    " section TEXT NOT NULL,"
                                    " key TEXT NOT NULL,"
                                    " value TEXT NOT NULL,"
                                    " section_match TEXT NOT NULL,"
                                    " key_match TEXT NOT NULL,"
                                    " UNIQUE (section_match, key_match));"
                                    // Lists a section in its order without sorting it.
                                    "CREATE INDEX IF NOT EXISTS settings_by_section"
                                    " ON settings (section_match)";

// What is known of each sum a player was asked, by the player's history
// section in matching form, so that it matches the same player as the history.
constexpr const char *createKnowledgeTable =
    "CREATE TABLE IF NOT EXISTS knowledge ("
    " section TEXT NOT NULL,"
    " section_match TEXT NOT NULL,"
    " times_table INTEGER NOT NULL,"
    " multiplier INTEGER NOT NULL,"
    " asked INTEGER NOT NULL,"
    " answered_right INTEGER NOT NULL,"
    " answered_wrong INTEGER NOT NULL,"
    " timed_out INTEGER NOT NULL,"
    " last_asked_day INTEGER NOT NULL,"
    " box INTEGER NOT NULL,"
    " PRIMARY KEY (section_match, times_table, multiplier))";
constexpr const char *selectKnowledge =
    "SELECT times_table, multiplier, asked, answered_right, answered_wrong, timed_out,"
    " last_asked_day, box FROM knowledge WHERE section_match = ?1";
constexpr const char *deleteKnowledge = "DELETE FROM knowledge WHERE section_match = ?1";
constexpr const char *insertKnowledge =
    "INSERT OR REPLACE INTO knowledge (section, section_match, times_table, multiplier, asked,"
    " answered_right, answered_wrong, timed_out, last_asked_day, box)"
    " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10)";

// Digests of long sections (see settings_backend.h), by the section in
// matching form. Any change among the rows one covers drops it, whoever makes
// it: the program's own writes, another copy's, or a hand in a database tool.
// A row put in another's place (INSERT or UPDATE OR REPLACE) takes the other
// out without a trigger of its own, so the key it takes is looked at first.
constexpr const char *createDigestTable =
    "CREATE TABLE IF NOT EXISTS section_digest ("
    " section_match TEXT PRIMARY KEY,"
    " last_id INTEGER NOT NULL,"
    " pairs INTEGER NOT NULL,"
    " digest BLOB NOT NULL);"
    "CREATE TRIGGER IF NOT EXISTS section_digest_replacing BEFORE INSERT ON settings BEGIN"
    " DELETE FROM section_digest WHERE section_match = new.section_match AND EXISTS (SELECT 1"
    " FROM settings WHERE section_match = new.section_match AND key_match = new.key_match"
    " AND id <= last_id);"
    " END;"
    "CREATE TRIGGER IF NOT EXISTS section_digest_added AFTER INSERT ON settings BEGIN"
    " DELETE FROM section_digest WHERE section_match = new.section_match AND new.id <= last_id;"
    " END;"
    "CREATE TRIGGER IF NOT EXISTS section_digest_renaming BEFORE UPDATE ON settings BEGIN"
    " DELETE FROM section_digest WHERE section_match = new.section_match AND EXISTS (SELECT 1"
    " FROM settings WHERE section_match = new.section_match AND key_match = new.key_match"
    " AND id <= last_id AND id <> old.id);"
    " END;"
    "CREATE TRIGGER IF NOT EXISTS section_digest_changed AFTER UPDATE ON settings BEGIN"
    " DELETE FROM section_digest WHERE (section_match = old.section_match AND old.id <= last_id)"
    " OR (section_match = new.section_match AND new.id <= last_id);"
    " END;"
    "CREATE TRIGGER IF NOT EXISTS section_digest_removed AFTER DELETE ON settings BEGIN"
    " DELETE FROM section_digest WHERE section_match = old.section_match AND old.id <= last_id;"
    " END";
// The triggers name the digests' table on every write: were it taken out or
// made over by hand, no row could be written at all. Without it they go too.
constexpr const char *countDigestColumns =
    "SELECT count(*) FROM pragma_table_info('section_digest', 'main')"
    " WHERE name IN ('section_match', 'last_id', 'pairs', 'digest') AND 'table' = (SELECT type"
    " FROM pragma_table_list WHERE schema = 'main' AND name = 'section_digest')";
constexpr const char *dropDigestTriggers = "DROP TRIGGER IF EXISTS section_digest_replacing;"
                                           "DROP TRIGGER IF EXISTS section_digest_added;"
                                           "DROP TRIGGER IF EXISTS section_digest_renaming;"
                                           "DROP TRIGGER IF EXISTS section_digest_changed;"
                                           "DROP TRIGGER IF EXISTS section_digest_removed";
// Trusted only while every trigger that keeps it stands.
constexpr const char *selectDigest =
    "SELECT digest, last_id, pairs FROM section_digest WHERE section_match = ?1"
    " AND (SELECT count(*) FROM sqlite_schema WHERE type = 'trigger' AND tbl_name = 'settings'"
    " AND name IN ('section_digest_replacing', 'section_digest_added',"
    " 'section_digest_renaming', 'section_digest_changed', 'section_digest_removed')) = 5";
constexpr const char *countThrough =
    "SELECT count(*) FROM settings WHERE section_match = ?1 AND id <= ?2";
constexpr const char *replaceDigest =
    "INSERT OR REPLACE INTO section_digest (section_match, last_id, pairs, digest)"
    " VALUES (?1, ?2, ?3, ?4)";

// An overwrite keeps the row, so the entry keeps its place in the order.
constexpr const char *upsert =
    "INSERT INTO settings (section, key, value, section_match, key_match)"
    " VALUES (?1, ?2, ?3, ?4, ?5)"
    " ON CONFLICT (section_match, key_match) DO UPDATE SET value = excluded.value";

// A key already there keeps its value.
constexpr const char *insertNew =
    "INSERT INTO settings (section, key, value, section_match, key_match)"
    " VALUES (?1, ?2, ?3, ?4, ?5) ON CONFLICT (section_match, key_match) DO NOTHING";

constexpr const char *selectValue =
    "SELECT value FROM settings WHERE section_match = ?1 AND key_match = ?2";
// Skipping by OFFSET walks only the index, not the rows; a LIMIT of -1 is none.
constexpr const char *selectSection = "SELECT key, value FROM settings WHERE"
                                      " section_match = ?1 ORDER BY id LIMIT ?2 OFFSET ?3";
// A section's first row from ?2 on and its last, each found from the index.
constexpr const char *selectSectionEnds =
    "SELECT (SELECT min(id) FROM settings WHERE section_match = ?1 AND id >= ?2),"
    " (SELECT max(id) FROM settings WHERE section_match = ?1 AND id >= ?2)";
// A whole section is read along the table between its first row and its last:
// stepping the rows themselves costs a third less than looking each up from the
// section's index, and at worst the whole table is read.
constexpr const char *selectRowsBetween =
    "SELECT id, key, value FROM settings NOT INDEXED WHERE section_match = ?1"
    " AND id BETWEEN ?2 AND ?3 ORDER BY id";
constexpr const char *selectRowsBetweenBackwards =
    "SELECT id, key, value FROM settings NOT INDEXED WHERE section_match = ?1"
    " AND id BETWEEN ?2 AND ?3 ORDER BY id DESC";
// Over fewer rows than this a second connection costs more than it saves.
constexpr quint64 minRowsToSplit = 2000;
// Short enough that neither reader waits long for the other's last run, and
// never so many that ids far apart (SQLite's once the largest is taken, or a
// hand-made store's) take a query each for nothing.
constexpr qint64 rowsPerRun = 1024;
constexpr quint64 mostRuns = 256;
// The keys' and values' starts are read apart, so that a long one is never read whole.
constexpr const char *selectSectionRows = "SELECT id FROM settings WHERE"
                                          " section_match = ?1 ORDER BY id LIMIT ?2 OFFSET ?3";
constexpr const char *countSection = "SELECT count(*) FROM settings WHERE section_match = ?1";
constexpr const char *statements[] = {
    upsert,       insertNew,         selectValue,       selectSection,
    countSection, selectSectionEnds, selectRowsBetween, selectRowsBetweenBackwards};

constexpr const char *setEarlierAside = "ALTER TABLE settings RENAME TO settings_earlier;"
                                        "DROP INDEX settings_by_section";
// Names that became one in matching form may have held the same key: the later
// row keeps its own by a mark no matching form holds (folding drops U+200B),
// so every record still shows.
constexpr const char *copyEarlier =
    "INSERT OR IGNORE INTO settings (id, section, key, value, section_match, key_match)"
    " SELECT id, section, key, value, matching_form(section), matching_form(key)"
    " FROM settings_earlier ORDER BY id;"
    "INSERT INTO settings (id, section, key, value, section_match, key_match)"
    " SELECT id, section, key, value, matching_form(section),"
    " matching_form(key) || char(8203) || id"
    " FROM settings_earlier WHERE id NOT IN (SELECT id FROM settings) ORDER BY id;"
    "DROP TABLE settings_earlier";

// Reads a file of the earlier layout that cannot be brought to this one (it
// cannot be written) as if it were; the view lives in memory only.
constexpr const char *readEarlierLayout =
    "CREATE TEMP VIEW IF NOT EXISTS settings AS SELECT id, section, key, value,"
    " section_folded AS section_match, key_folded AS key_match FROM main.settings";

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
    // The bytes must last until the statement is stepped.
    void bindBytes(int index, QByteArrayView bytes) {
        sqlite3_bind_blob64(stmt_, index, bytes.data(), sqlite3_uint64(bytes.size()),
                            SQLITE_STATIC);
    }
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

void matchingFormInSql(sqlite3_context *context, int, sqlite3_value **arguments) {
    const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(arguments[0]));
    const QByteArray form =
        matchingForm(QString::fromUtf8(text, sqlite3_value_bytes(arguments[0]))).toUtf8();
    sqlite3_result_text(context, form.constData(), int(form.size()), SQLITE_TRANSIENT);
}

// Long enough for the name prompt to be drawn before the check competes with it.
constexpr std::chrono::milliseconds checkDelay{500};

using Layout = SqliteStore::Layout;

bool isOurTable(const QString &name) {
    return std::any_of(ourTables.begin(), ourTables.end(), [&name](const char *ours) {
        return name.compare(QLatin1String(ours), Qt::CaseInsensitive) == 0;
    });
}

// Which layout the file holds, from its schema as SQLite understands it (not
// the text of its catalogue, where a damaged byte can change a name); rc is
// the last step, for a caller to tell a lock from a damaged file.
Layout layoutOf(sqlite3 *db, int &rc) {
    Statement tables(db, "SELECT name FROM pragma_table_list"
                         " WHERE schema = 'main' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
    if (!tables.ok()) {
        rc = sqlite3_errcode(db);
        return Layout::Unknown;
    }
    bool any = false;
    while ((rc = tables.step()) == SQLITE_ROW) {
        any = true;
        if (!isOurTable(tables.column(0)))
            return Layout::Foreign;
    }
    if (rc != SQLITE_DONE)
        return Layout::Unknown;
    if (!any)
        return Layout::Empty;
    Statement columns(db, "SELECT name FROM pragma_table_info('settings', 'main')");
    QStringList names;
    while (columns.ok() && (rc = columns.step()) == SQLITE_ROW)
        names << columns.column(0);
    if (!columns.ok() || rc != SQLITE_DONE)
        return Layout::Unknown;
    const auto has = [&names](std::initializer_list<const char *> wanted) {
        return std::all_of(wanted.begin(), wanted.end(),
                           [&names](const char *name) { return names.contains(name); });
    };
    if (!has({"id", "section", "key", "value"}))
        return names.isEmpty() ? Layout::Empty : Layout::Mismatched;
    if (has({"section_match", "key_match"}))
        return Layout::Current;
    return has({"section_folded", "key_folded"}) ? Layout::Earlier : Layout::Mismatched;
}

// Opened only to be read; when immutable, without locks or its journal. Null when it cannot be.
sqlite3 *openToRead(const QString &file, bool immutable) {
    const QByteArray uri =
        QUrl::fromLocalFile(file).toEncoded() + (immutable ? "?immutable=1" : "");
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(uri.constData(), &db,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX,
                        nullptr) == SQLITE_OK)
        return db;
    sqlite3_close_v2(db);
    return nullptr;
}

// Whether the file holds another program's tables where a journal lies beside it: a connection
// that may write rolls back a journal left by a crash, changing the other program's file, so
// its tables are read without that. Where the journal must be rolled back to read the file
// at all, they are read from the file as it stands.
bool holdsOthersTablesBesideJournal(const QByteArray &link) {
    // The journal lies beside the file a link leads to.
    const QString file = QFileInfo(QFile::decodeName(link)).canonicalFilePath();
    if (file.isEmpty() || !QFileInfo::exists(file + QStringLiteral("-journal")))
        return false;
    const auto layoutAt = [&file](bool immutable, int &rc) {
        sqlite3 *db = openToRead(file, immutable);
        Layout layout = Layout::Unknown;
        if (db) {
            sqlite3_extended_result_codes(db, 1);
            layout = layoutOf(db, rc);
        }
        sqlite3_close_v2(db);
        return layout;
    };
    int rc = SQLITE_OK;
    const Layout layout = layoutAt(false, rc);
    if (rc == SQLITE_READONLY_ROLLBACK)
        return layoutAt(true, rc) == Layout::Foreign;
    return layout == Layout::Foreign;
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

// Reads runs of a section's rows, in order or backwards, through one query.
class RunReader {
  public:
    enum class Direction { Forwards, Backwards };

    RunReader(sqlite3 *db, const QString &match, Direction direction)
        : db_(db), direction_(direction),
          query_(db, direction == Direction::Forwards ? selectRowsBetween
                                                      : selectRowsBetweenBackwards) {
        query_.bind(1, match);
    }

    // How the reading ended (SQLITE_DONE when all of it was read); `run` is
    // left holding what is still unread.
    int visit(IdRun &run, const SettingsBackend::Visit &visit) {
        if (!query_.ok())
            return sqlite3_errcode(db_); // preparing reads the schema
        query_.bind(2, run.first);
        query_.bind(3, run.last);
        int rc = SQLITE_OK;
        while ((rc = query_.step()) == SQLITE_ROW) {
            const qint64 id = query_.number(0);
            // An id at the run's far end may be the largest or smallest a
            // 64-bit number holds, with nothing past it.
            if (id == (direction_ == Direction::Forwards ? run.last : run.first))
                run = {};
            else if (direction_ == Direction::Forwards)
                run.first = id + 1;
            else
                run.last = id - 1;
            visit(query_.bytes(1), query_.bytes(2));
        }
        query_.reset();
        if (rc == SQLITE_DONE)
            run = {};
        return rc;
    }

  private:
    sqlite3 *db_;
    Direction direction_;
    Statement query_;
};

// Takes runs from the back of `runs` and reads them backwards, through a
// connection of the calling thread's own to the file `opened`; what it took
// and could not read.
IdRun visitRunsApart(const QByteArray &file, const FileId &opened, const QString &match,
                     RunsFromBothEnds &runs, const SettingsBackend::Visit &visit) {
    IdRun unread;
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX,
                        nullptr) == SQLITE_OK &&
        plainFileAt(file) == opened) {
        sqlite3_exec(db, "PRAGMA cache_size = -256", nullptr, nullptr, nullptr);
        RunReader reader(db, match, RunReader::Direction::Backwards);
        for (IdRun run = runs.takeBack(); !run.empty(); run = runs.takeBack()) {
            if (reader.visit(run, visit) != SQLITE_DONE) {
                unread = run;
                break;
            }
        }
    }
    sqlite3_close_v2(db);
    return unread;
}

// Read-write where allowed; a folder we may not write to can still hold a file we may read.
// Each connection stays with one thread, so SQLite need not lock it on every call.
sqlite3 *openFile(const QByteArray &file, int flags) {
    sqlite3 *db = nullptr;
    flags |= SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READWRITE | flags, nullptr) == SQLITE_OK)
        return db;
    sqlite3_close_v2(db);
    db = nullptr;
    if (sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX,
                        nullptr) == SQLITE_OK)
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

// A write the file, its folder or its disk refuses, rather than one that
// cannot run for now.
bool isRefusedWrite(int code) {
    switch (code & 0xff) {
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_FULL:
    case SQLITE_IOERR:
    case SQLITE_PERM:
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

// Shared with the thread that checks the file, which first waits out the
// start-up unless the verdict is wanted sooner.
struct SqliteStore::CheckStart {
    enum class Go { Later, Now, Never };
    std::mutex mutex;
    std::condition_variable changed;
    Go go = Go::Later;

    void set(Go to) {
        {
            const std::lock_guard lock(mutex);
            go = to;
        }
        changed.notify_one();
    }
    // False when the check is not wanted at all.
    bool waitForTurn() {
        std::unique_lock lock(mutex);
        changed.wait_for(lock, checkDelay, [this] { return go != Go::Later; });
        return go != Go::Never;
    }
};

SqliteStore::SqliteStore(QString path, int lockWaitMs)
    : path_(std::move(path)), lockWaitMs_(lockWaitMs), checkStart_(std::make_shared<CheckStart>()) {
    QDir().mkpath(QFileInfo(path_).absolutePath());
    // The check takes time in proportion to the history: it runs once the
    // first window is up, beside the player; nothing is written to the file
    // before its verdict.
    if (!open())
        return;
    verdict_ = std::async(
        std::launch::async,
        [file = QFile::encodeName(path_), wait = lockWaitMs_, start = checkStart_]() -> Verdict {
            if (!start->waitForTurn())
                return {};
            return checkFile(file, wait);
        });
    // A file of the earlier layout is read only once brought to this one,
    // which waits for the check this once.
    if (layout_ == Layout::Earlier)
        settle();
}

SqliteStore::~SqliteStore() {
    checkStart_->set(CheckStart::Go::Never);
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

SettingsBackend::Trouble SqliteStore::trouble() {
    if (readFailed_)
        return Trouble::Unreadable;
    if (layout_ == Layout::Foreign)
        return Trouble::NotOurs;
    return unwritable_ ? Trouble::Unwritable : Trouble::None;
}

bool SqliteStore::open() {
    const QByteArray file = QFile::encodeName(path_);
    FileId before;
    const Found found = lookUp(file, before);
    if (found == Found::SomethingElse) {
        readFailed_ = true;
        return false;
    }
    if (found == Found::PlainFile && holdsOthersTablesBesideJournal(file)) {
        layout_ = Layout::Foreign;
        return false;
    }
    db_ = openFile(file, SQLITE_OPEN_CREATE);
    const std::optional<FileId> opened = plainFileAt(file);
    if (!db_ || !opened) {
        readFailed_ = readFailed_ || found == Found::PlainFile;
        // No file, and none could be made.
        unwritable_ = unwritable_ || found == Found::Nothing;
        close();
        return false;
    }
    file_ = *opened;
    sqlite3_busy_handler(db_, onBusy, this);
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_create_function_v2(db_, "matching_form", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                               matchingFormInSql, nullptr, nullptr, nullptr);
    exec("PRAGMA synchronous = FULL");
    // A long history is read once, front to back: a larger cache would only
    // keep megabytes of what was read. The system's own cache still holds the file.
    exec("PRAGMA cache_size = -256");
    learnLayout();
    return true;
}

void SqliteStore::learnLayout() {
    int rc = SQLITE_OK;
    layout_ = layoutOf(db_, rc);
    if (layout_ == Layout::Unknown)
        noteRead(rc);
    const bool ours =
        layout_ == Layout::Empty || layout_ == Layout::Current || layout_ == Layout::Earlier;
    unwritable_ = sqlite3_db_readonly(db_, "main") == 1 || (ours && !canWrite());
}

bool SqliteStore::canWrite() {
    const bool began = exec("BEGIN IMMEDIATE");
    const bool wrote = began && exec("PRAGMA user_version = 0");
    const int rc = wrote ? SQLITE_OK : sqlite3_extended_errcode(db_);
    if (began)
        exec("ROLLBACK");
    return !isRefusedWrite(rc);
}

int SqliteStore::onBusy(void *store, int tries) {
    auto *self = static_cast<SqliteStore *>(store);
    if (!self->waitForLocks_)
        return 0;
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
    // A lock not waited for is no failure to read the settings.
    const bool notWaited = !waitForLocks_ && (rc & 0xff) == SQLITE_BUSY;
    // Only a read that could not run for now failed: a table not made yet is
    // an empty store, and what can be read of a damaged file is kept.
    readFailed_ = readFailed_ || (!answered && isPassing(rc) && !notWaited);
    return rc;
}

bool SqliteStore::adopt() {
    if (layout_ == Layout::Unknown)
        learnLayout();
    switch (layout_) {
    case Layout::Mismatched:
        return false;
    case Layout::Earlier:
        // Brought to this layout by a write of nothing; where that cannot be
        // done, read as it is.
        if (writeRows({}, upsert) < 0)
            exec(readEarlierLayout);
        return true;
    case Layout::Current:
        // A damaged table definition can pass the check yet lack what the store uses.
        return std::all_of(std::begin(statements), std::end(statements),
                           [this](const char *sql) { return Statement(db_, sql).ok(); });
    default:
        return true;
    }
}

Layout SqliteStore::bringToCurrentLayout() {
    if (layout_ == Layout::Earlier)
        exec("DROP VIEW IF EXISTS temp.settings");
    int rc = SQLITE_OK;
    switch (const Layout found = layoutOf(db_, rc)) {
    case Layout::Current:
        if (Statement columns(db_, countDigestColumns);
            columns.ok() && columns.step() == SQLITE_ROW && columns.number(0) != 4)
            exec(dropDigestTriggers);
        return found;
    case Layout::Empty:
        return exec(createTable) ? Layout::Current : found;
    case Layout::Earlier:
        return exec(setEarlierAside) && exec(createTable) && exec(copyEarlier) ? Layout::Current
                                                                               : found;
    default:
        return found;
    }
}

void SqliteStore::settle() {
    if (!verdict_.valid())
        return;
    checkStart_->set(CheckStart::Go::Now);
    const Verdict verdict = verdict_.get();
    verdict_ = {};
    // A verdict on a file other than ours says nothing about ours.
    if (!(verdict.damaged && verdict.file == file_) && adopt())
        return;
    close();
    // Another copy may have set the damaged file aside already: only the file
    // found damaged goes aside, and the one in its place is used as it is.
    if (plainFileAt(QFile::encodeName(path_)) != file_) {
        if (open() && !adopt())
            close();
        return;
    }
    if (!setDamagedFileAside() || !open() || !adopt()) {
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
    if (open() && !adopt())
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
    // The damaged file is only read, without locks or its journal.
    sqlite3 *old = openToRead(damaged, true);
    std::vector<Row> rows;
    if (old) {
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

QString SqliteStore::matchOf(const QString &name) const {
    // The earlier layout, read where it could not be brought to this one, holds simple folds.
    return layout_ == Layout::Earlier ? name.toCaseFolded() : matchingForm(name);
}

std::optional<QString> SqliteStore::read(const QString &section, const QString &key) {
    if (!db_)
        return std::nullopt;
    Statement query(db_, selectValue);
    if (!query.ok()) {
        noteRead(sqlite3_errcode(db_)); // preparing reads the schema
        return std::nullopt;
    }
    query.bind(1, matchOf(section));
    query.bind(2, matchOf(key));
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
    query.bind(1, matchOf(section));
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

void SqliteStore::visitAll(const QString &section, const Visit &visit, const Visit &rest) {
    visitAfter(section, std::nullopt, visit, rest);
}

std::optional<qint64> SqliteStore::visitAfter(const QString &section, std::optional<qint64> after,
                                              const Visit &visit, const Visit &rest) {
    constexpr qint64 lastId = std::numeric_limits<qint64>::max();
    if (!db_)
        return std::nullopt;
    if (after == lastId)
        return after; // no row can lie past it
    const QString match = matchOf(section);
    Statement ends(db_, selectSectionEnds);
    if (!ends.ok()) {
        noteRead(sqlite3_errcode(db_)); // preparing reads the schema
        return std::nullopt;
    }
    ends.bind(1, match);
    ends.bind(2, after ? *after + 1 : std::numeric_limits<qint64>::min());
    if (noteRead(ends.step()) != SQLITE_ROW)
        return std::nullopt;
    if (!ends.isInteger(0))
        return after;
    const IdRun ids{ends.number(0), ends.number(1)};
    RunsFromBothEnds runs(ids.first, ids.last,
                          qint64(std::max(quint64(rowsPerRun), ids.span() / mostRuns)));
    IdRun unreadApart;
    std::thread apart;
    // The earlier layout is read through a view only this connection has.
    if (layout_ == Layout::Current && ids.span() >= minRowsToSplit) {
        try {
            apart = std::thread([&, file = QFile::encodeName(path_)] {
                unreadApart = visitRunsApart(file, file_, match, runs, rest);
            });
        } catch (const std::system_error &) {
            // No thread to spare: this one reads it all.
        }
    }
    RunReader reader(db_, match, RunReader::Direction::Forwards);
    bool readWhole = true;
    for (IdRun run = runs.takeFront(); readWhole && !run.empty(); run = runs.takeFront())
        readWhole = noteRead(reader.visit(run, visit)) == SQLITE_DONE;
    if (apart.joinable())
        apart.join();
    // What the other connection took and could not read lies between the two
    // ends' runs; this one reads it, and notes how that went.
    if (readWhole && !unreadApart.empty())
        readWhole = noteRead(reader.visit(unreadApart, visit)) == SQLITE_DONE;
    return readWhole ? std::optional(ids.last) : std::nullopt;
}

std::optional<SettingsBackend::Digest> SqliteStore::readDigest(const QString &section) {
    if (!db_ || layout_ != Layout::Current)
        return std::nullopt;
    Statement query(db_, selectDigest);
    if (!query.ok())
        return std::nullopt; // none kept yet
    query.bind(1, matchOf(section));
    if (noteRead(query.step()) != SQLITE_ROW || !query.isInteger(1) || !query.isInteger(2))
        return std::nullopt;
    return Digest{query.bytes(0).toByteArray(), query.number(1), query.number(2)};
}

bool SqliteStore::checking() {
    return verdict_.valid() &&
           verdict_.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

bool SqliteStore::checkedSound() {
    if (!verdict_.valid())
        return true;
    if (checking())
        return false;
    const Verdict verdict = verdict_.get();
    return !(verdict.damaged && verdict.file == file_);
}

bool SqliteStore::keepDigest(const QString &section, const Digest &digest) {
    // What is kept only to save time is not worth waiting for the check, nor
    // setting a damaged file aside before the player saves anything.
    if (!checkedSound())
        return false;
    prepareWrite();
    if (!db_ || layout_ != Layout::Current)
        return false;
    // Nor waiting on another copy's lock.
    const bool waitForLocks = std::exchange(waitForLocks_, false);
    const bool began = exec("BEGIN IMMEDIATE");
    waitForLocks_ = waitForLocks;
    if (!began)
        return false;
    const QString match = matchOf(section);
    bool ok = bringToCurrentLayout() == Layout::Current && exec(createDigestTable);
    // The rows read are still there, as many as when they were read.
    if (Statement count(db_, countThrough); ok && count.ok()) {
        count.bind(1, match);
        count.bind(2, digest.through);
        ok = count.step() == SQLITE_ROW && count.number(0) == digest.pairs;
    } else {
        ok = false;
    }
    if (Statement replace(db_, replaceDigest); ok && replace.ok()) {
        replace.bind(1, match);
        replace.bind(2, digest.through);
        replace.bind(3, digest.pairs);
        replace.bindBytes(4, digest.bytes);
        ok = replace.step() == SQLITE_DONE;
    } else {
        ok = false;
    }
    if (ok && exec("COMMIT"))
        return true;
    exec("ROLLBACK");
    return false;
}

void SqliteStore::visitPart(const QString &section, qsizetype first, qsizetype limit,
                            const Visit &visit) {
    if (!db_)
        return;
    Statement query(db_, selectSection);
    if (!query.ok()) {
        noteRead(sqlite3_errcode(db_)); // preparing reads the schema
        return;
    }
    query.bind(1, matchOf(section));
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
    query.bind(1, matchOf(section));
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
    // Decided within the write's own transaction: another copy may have
    // changed the file since it was opened.
    const Layout found = bringToCurrentLayout();
    const int changesBefore = sqlite3_total_changes(db_);
    Statement insert(db_, sql);
    bool ok = found == Layout::Current && insert.ok();
    for (auto it = rows.begin(); ok && it != rows.end(); ++it) {
        insert.bind(1, it->section);
        insert.bind(2, it->key);
        insert.bind(3, it->value);
        insert.bind(4, matchingForm(it->section));
        insert.bind(5, matchingForm(it->key));
        ok = insert.step() == SQLITE_DONE;
        insert.reset();
    }
    const int changed = sqlite3_total_changes(db_) - changesBefore;
    if (ok && exec("COMMIT")) {
        lockedOut_ = false;
        layout_ = Layout::Current;
        return changed;
    }
    exec("ROLLBACK");
    if (found == Layout::Foreign)
        layout_ = found;
    return -1;
}

std::vector<SumKnowledge> SqliteStore::readKnowledge(const QString &section) {
    std::vector<SumKnowledge> kept;
    if (!db_)
        return kept;
    Statement query(db_, selectKnowledge);
    if (!query.ok())
        return kept; // no such table yet
    query.bind(1, matchOf(section));
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
    const Layout found = bringToCurrentLayout();
    if (found != Layout::Current) {
        exec("ROLLBACK");
        if (found == Layout::Foreign)
            layout_ = found;
        return Insertion::Failed;
    }
    layout_ = Layout::Current;
    // Knowledge that cannot be kept is rebuilt from the history, so it never stops a game.
    exec(createKnowledgeTable);
    // Read inside the transaction, so another copy's game is counted, and
    // before the record is added, so this game is not counted twice.
    const std::vector<SumKnowledge> rows = update(readKnowledge(section));
    Statement record(db_, insertNew);
    bool ok = record.ok();
    if (ok) {
        record.bind(1, section);
        record.bind(2, key);
        record.bind(3, value);
        record.bind(4, matchingForm(section));
        record.bind(5, matchingForm(key));
        ok = record.step() == SQLITE_DONE;
    }
    if (ok && sqlite3_changes(db_) == 0) {
        exec("ROLLBACK");
        return Insertion::KeyTaken;
    }
    if (ok && writeKnowledge(section, rows) && exec("COMMIT")) {
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
    clear.bind(1, matchingForm(section));
    if (clear.step() != SQLITE_DONE)
        return false;
    for (const SumKnowledge &row : rows) {
        insert.bind(1, section);
        insert.bind(2, matchingForm(section));
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
