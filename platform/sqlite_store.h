// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/settings_backend.h"

#include <sys/types.h>

#include <chrono>
#include <future>
#include <memory>

struct sqlite3;

// The settings kept in one SQLite file. A file that is not a sound database
// is moved aside under a dated name, before anything is written to it, and a
// fresh one is started with what can still be read from it; a file that cannot
// be opened at all, or anything but a plain file in its place, leaves the
// store empty and unwritable. Until the check of the file is done, reads see
// the file as it is. Another copy may set the file aside or replace it: the
// store then goes on with the file now in place. A file that holds tables of
// another program is read as far as it can be and never written to.
class SqliteStore : public SettingsBackend {
  public:
    // A lock held by another program is waited for up to lockWaitMs once;
    // calls made while it may still be held do not wait for it again.
    explicit SqliteStore(QString path, int lockWaitMs = 2000);
    ~SqliteStore() override;
    SqliteStore(const SqliteStore &) = delete;
    SqliteStore &operator=(const SqliteStore &) = delete;

    std::optional<QString> read(const QString &section, const QString &key) override;
    SettingPairs readAll(const QString &section) override;
    SettingPairs readPart(const QString &section, qsizetype first, qsizetype limit,
                          qsizetype textLimit = -1) override;
    qsizetype count(const QString &section) override;
    // A long section is read from both ends at once, in runs, the later part
    // backwards through a connection of its own on another thread.
    void visitAll(const QString &section, const Visit &visit, const Visit &rest) override;
    // Where rows end by their ids.
    std::optional<qint64> visitAfter(const QString &section, std::optional<qint64> after,
                                     const Visit &visit, const Visit &rest) override;
    std::optional<Digest> readDigest(const QString &section) override;
    bool keepDigest(const QString &section, const Digest &digest) override;
    bool write(const QString &section, const SettingPairs &pairs) override;
    Insertion insert(const QString &section, const QString &key, const QString &value) override;
    std::vector<SumKnowledge> readKnowledge(const QString &section) override;
    Insertion insertWithKnowledge(const QString &section, const QString &key, const QString &value,
                                  const KnowledgeUpdate &update) override;
    Trouble trouble() override;
    void setWaitForLocks(bool wait) override { waitForLocks_ = wait; }
    bool checking() override;

    // Both wait for the check of the file.
    bool isOpen();
    // Where a damaged file was moved, empty when none was.
    QString setAsidePath();

    // Which file a path names, so that a verdict or a connection stays with its file.
    struct FileId {
        dev_t device = 0;
        ino_t inode = 0;
        bool operator==(const FileId &) const = default;
    };
    // What the file holds, as far as this store can use it.
    enum class Layout {
        Unknown,    // not read yet: locked or damaged
        Empty,      // no table yet
        Current,    // this program's
        Earlier,    // the program's earlier one, brought to this one when first met
        Mismatched, // our table without what the store uses: damaged
        Foreign,    // holds a table not ours
    };

    struct Verdict {
        bool damaged = false;
        FileId file; // the file the check ran on
    };

  private:
    struct Row {
        QString section;
        QString key;
        QString value;
    };
    bool open();
    // What the file holds and whether it can be written, found without writing to it.
    void learnLayout();
    // A write that changes nothing, rolled back: false when the file, its
    // folder (for the journal) or its disk refuses it.
    bool canWrite();
    // Takes on a file found sound, bringing one of the earlier layout to this
    // one; false when it turns out damaged.
    bool adopt();
    // Within a write transaction: makes the table or brings the earlier layout
    // to this one; the layout found or made.
    Layout bringToCurrentLayout();
    QString matchOf(const QString &name) const;
    // Waits for the check's verdict; a damaged file goes aside for a fresh one.
    void settle();
    // Settles, and moves on to the file now in place when another copy replaced ours.
    void prepareWrite();
    // Whether the check has found nothing to set aside, asked without waiting for it.
    bool checkedSound();
    bool replaced() const;
    void close();
    // Within a transaction; false when a row could not be written.
    bool writeKnowledge(const QString &section, const std::vector<SumKnowledge> &rows);
    bool exec(const char *sql);
    bool setDamagedFileAside();
    void salvage(const QString &damaged);
    // The rows changed, or -1 when the batch failed and none was written.
    int writeRows(const std::vector<Row> &rows, const char *sql);
    // Notes whether the store could answer a read that stepped to rc; returns rc.
    int noteRead(int rc);
    // Visits the section's rows from position `first` on, at most `limit`.
    void visitPart(const QString &section, qsizetype first, qsizetype limit, const Visit &visit);
    static int onBusy(void *store, int tries);

    QString path_;
    int lockWaitMs_;
    QString setAsidePath_;
    sqlite3 *db_ = nullptr;
    FileId file_; // the file db_ has open
    struct CheckStart;
    std::shared_ptr<CheckStart> checkStart_;
    std::shared_future<Verdict> verdict_; // none once settled
    bool readFailed_ = false;
    bool unwritable_ = false;
    Layout layout_ = Layout::Unknown;
    bool lockedOut_ = false; // a lock outlasted its wait and may still be held
    bool waitForLocks_ = true;
    std::chrono::steady_clock::time_point lockMet_;
};
