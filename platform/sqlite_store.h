#pragma once

#include "platform/settings_backend.h"

struct sqlite3;

// The settings kept in one SQLite file. A file that is not a sound database
// is moved aside under a dated name and a fresh one is started with what can
// still be read from it; a file that cannot be opened at all leaves the store
// empty and unwritable.
class SqliteStore : public SettingsBackend {
  public:
    explicit SqliteStore(QString path, int busyTimeoutMs = 5000);
    ~SqliteStore() override;
    SqliteStore(const SqliteStore &) = delete;
    SqliteStore &operator=(const SqliteStore &) = delete;

    std::optional<QString> read(const QString &section, const QString &key) override;
    SettingPairs readAll(const QString &section) override;
    bool write(const QString &section, const SettingPairs &pairs) override;

    bool isOpen() const { return db_ != nullptr; }
    // Where a damaged file was moved, empty when none was.
    QString setAsidePath() const { return setAsidePath_; }

  private:
    struct Row {
        QString section;
        QString key;
        QString value;
    };
    enum class OpenResult { Ready, Damaged, Unavailable };
    OpenResult open();
    void close();
    bool exec(const char *sql);
    void setDamagedFileAside();
    void salvage(const QString &damaged);
    bool writeRows(const std::vector<Row> &rows);

    QString path_;
    int busyTimeoutMs_;
    QString setAsidePath_;
    sqlite3 *db_ = nullptr;
};
