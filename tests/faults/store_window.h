// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "platform/sqlite_store.h"
#include "support/drill_fixture.h"

#include <QElapsedTimer>

#include <vector>

// A real store on disk that remembers whether any write to it failed, since
// the program does not say when its shut-down batch could not be saved, and
// how long each write took.
class WatchedStore : public SettingsBackend {
  public:
    explicit WatchedStore(const QString &path) : store_(path) {}

    std::optional<QString> read(const QString &section, const QString &key) override {
        return store_.read(section, key);
    }
    SettingPairs readAll(const QString &section) override { return store_.readAll(section); }
    SettingPairs readPart(const QString &section, qsizetype first, qsizetype limit,
                          qsizetype textLimit = -1) override {
        return store_.readPart(section, first, limit, textLimit);
    }
    qsizetype count(const QString &section) override { return store_.count(section); }
    void visitAll(const QString &section, const Visit &visit, const Visit &rest) override {
        store_.visitAll(section, visit, rest);
    }
    std::optional<qint64> visitAfter(const QString &section, std::optional<qint64> after,
                                     const Visit &visit, const Visit &rest) override {
        return store_.visitAfter(section, after, visit, rest);
    }
    std::optional<Digest> readDigest(const QString &section) override {
        return store_.readDigest(section);
    }
    // Only ever kept to save time, so no failure of the program's.
    bool keepDigest(const QString &section, const Digest &digest) override {
        return store_.keepDigest(section, digest);
    }
    bool write(const QString &section, const SettingPairs &pairs) override {
        QElapsedTimer took;
        took.start();
        const bool ok = store_.write(section, pairs);
        writeMs.push_back(double(took.nsecsElapsed()) / 1e6);
        writeFailed = writeFailed || !ok;
        return ok;
    }

    Insertion insert(const QString &section, const QString &key, const QString &value) override {
        const Insertion result = store_.insert(section, key, value);
        writeFailed = writeFailed || result == Insertion::Failed;
        return result;
    }
    std::vector<SumKnowledge> readKnowledge(const QString &section) override {
        return store_.readKnowledge(section);
    }
    Insertion insertWithKnowledge(const QString &section, const QString &key, const QString &value,
                                  const KnowledgeUpdate &update) override {
        const Insertion result = store_.insertWithKnowledge(section, key, value, update);
        writeFailed = writeFailed || result == Insertion::Failed;
        return result;
    }
    Trouble trouble() override { return store_.trouble(); }
    void setWaitForLocks(bool wait) override { store_.setWaitForLocks(wait); }

    SqliteStore &store() { return store_; }
    bool writeFailed = false;
    std::vector<double> writeMs;

  private:
    SqliteStore store_;
};

// The main window with the test fakes for everything but its store, and
// for its dialogs unless real ones are given.
struct StoreWindow : DrillFixture {
    explicit StoreWindow(const QString &storePath, Dialogs *realDialogs = nullptr)
        : disk(storePath), shown(realDialogs ? *realDialogs : dialogs) {}

    WatchedStore disk;
    Dialogs &shown;

    // Makes the window and runs start-up; the fake dialogs type this name.
    frmTables &startOnDisk(const QString &name) {
        window = std::make_unique<frmTables>(
            Services{shown, disk, clock, random, modal, registry, files, processes, announcer});
        dialogs.inputAnswers.push_back(name);
        window->Form_Load();
        return *window;
    }

    // Plays a game on the table of 2 to its end, letting every sum's time run out.
    void playWholeGame() {
        newGame({2});
        for (int sum = 0; sum < 100 && window->gameState().GameInProgress; ++sum)
            tick();
    }
};
