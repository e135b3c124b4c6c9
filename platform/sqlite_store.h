// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/settings_backend.h"

#include <future>

struct sqlite3;

// The settings kept in one SQLite file. A file that is not a sound database
// is moved aside under a dated name, before anything is written to it, and a
// fresh one is started with what can still be read from it; a file that cannot
// be opened at all leaves the store empty and unwritable. Until the check of
// the file is done, reads see the file as it is.
class SqliteStore : public SettingsBackend {
  public:
    explicit SqliteStore(QString path, int busyTimeoutMs = 5000);
    ~SqliteStore() override;
    SqliteStore(const SqliteStore &) = delete;
    SqliteStore &operator=(const SqliteStore &) = delete;

    std::optional<QString> read(const QString &section, const QString &key) override;
    SettingPairs readAll(const QString &section) override;
    SettingPairs readPart(const QString &section, qsizetype first, qsizetype limit,
                          qsizetype textLimit = -1) override;
    qsizetype count(const QString &section) override;
    void
    visitAll(const QString &section,
             const std::function<void(QByteArrayView key, QByteArrayView value)> &visit) override;
    bool write(const QString &section, const SettingPairs &pairs) override;

    // Both wait for the check of the file.
    bool isOpen();
    // Where a damaged file was moved, empty when none was.
    QString setAsidePath();

  private:
    struct Row {
        QString section;
        QString key;
        QString value;
    };
    bool open();
    // Makes the table where needed; false when the file turns out damaged.
    bool makeTable();
    // Waits for the check's verdict; a damaged file goes aside for a fresh one.
    void settle();
    void close();
    bool exec(const char *sql);
    bool setDamagedFileAside();
    void salvage(const QString &damaged);
    bool writeRows(const std::vector<Row> &rows);
    void visitPart(const QString &section, qsizetype first, qsizetype limit,
                   const std::function<void(QByteArrayView key, QByteArrayView value)> &visit);

    QString path_;
    int busyTimeoutMs_;
    QString setAsidePath_;
    sqlite3 *db_ = nullptr;
    std::future<bool> verdict_; // is the file damaged?
};
