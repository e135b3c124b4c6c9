// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

// Stores that cannot be written: a full disk, a read-only folder, a folder
// where the file should be. The program starts on what it can read, a game
// whose record cannot be saved says so, and the existing file stays as it was.
#include "program_writes.h"
#include "store_files.h"
#include "store_window.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sched.h>
#include <sys/mount.h>

namespace pw = program_writes;

namespace {

const QString player = QStringLiteral("Sam");
constexpr unsigned storedState = 0x0f0f1;
const QString unsaved = QStringLiteral("Your score could not be saved.");
enum Outcome { lostRecord, savedRecord, either };

bool mountTmpfs(const QString &where, const QByteArray &options) {
    return mount("tmpfs", QFile::encodeName(where).constData(), "tmpfs", 0, options.constData()) ==
           0;
}

bool makeReadOnly(const QString &where) {
    return mount(nullptr, QFile::encodeName(where).constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                 nullptr) == 0;
}

// Fills the file system that holds `folder` until only `slack` bytes are left.
void fill(const QString &folder, qint64 slack) {
    QFile filler(folder + QStringLiteral("/filler"));
    filler.open(QIODevice::WriteOnly);
    const QByteArray block(512, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();
    filler.resize(std::max<qint64>(0, filler.size() - slack));
}

} // namespace

class TestUnwritableStore : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QStringList mounts_;

    // A fresh small file system, private to this test.
    QString newMount(const QByteArray &options) {
        const QString where = dir_.filePath(QString::number(mounts_.size()));
        QDir().mkpath(where);
        if (!mountTmpfs(where, options))
            return {};
        mounts_ << where;
        return where;
    }

    static QString storeIn(const QString &home) {
        return home + QStringLiteral("/Quorvel/settings.sqlite");
    }

    static void writeSoundStore(const QString &path) {
        SqliteStore store(path);
        QVERIFY(store.write(QStringLiteral("Options"), pw::options(player, storedState)));
        for (int n = 0; n < 20; ++n)
            QVERIFY(store.write(pw::historySection(player), {pw::record(n)}));
    }

    // Plays a whole game and exits; whether the record was saved is what the
    // player was told, and a record not saved leaves the file as it was.
    void playAndExit(const QString &path, bool &saved) {
        const QByteArray before = readFile(path);
        StoreWindow program(path);
        program.startOnDisk(player);
        QCOMPARE(program.dialogs.prompts.front().defaultAnswer,
                 before.isEmpty() ? QString() : player);
        program.playWholeGame();
        QVERIFY(!program.window->gameState().GameInProgress);
        saved = program.dialogs.messages.back().text != unsaved;
        if (!saved)
            QCOMPARE(readFile(path), before);
        program.window->close();
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        // Mounts made here vanish with the test and are never seen outside it.
        if (unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            QSKIP("full and read-only file systems need a private mount namespace (root)");
    }

    void cleanupTestCase() {
        for (const QString &where : mounts_)
            umount2(QFile::encodeName(where).constData(), MNT_DETACH);
    }

    void fullDisk_data() {
        QTest::addColumn<qint64>("slack");
        QTest::addColumn<int>("outcome");
        QTest::newRow("nothing free") << qint64(0) << int(lostRecord);
        // Room for some of the journal or of the file's growth, but not all.
        for (qint64 slack : {4096, 8192, 12288, 16384})
            QTest::addRow("%lld bytes free", slack) << slack << int(either);
        QTest::newRow("enough free") << qint64(65536) << int(savedRecord);
    }
    void fullDisk() {
        QFETCH(qint64, slack);
        QFETCH(int, outcome);
        const QString home = newMount("size=256k");
        QVERIFY(!home.isEmpty());
        writeSoundStore(storeIn(home));
        fill(home, slack);
        bool saved = false;
        playAndExit(storeIn(home), saved);
        if (outcome != either)
            QCOMPARE(saved, outcome == savedRecord);
        SqliteStore after(storeIn(home));
        QCOMPARE(after.readAll(pw::historySection(player)).size(), size_t(saved ? 21 : 20));
    }

    void readOnlyFolder_data() {
        QTest::addColumn<bool>("withStore");
        QTest::newRow("with a store") << true;
        QTest::newRow("without one") << false;
    }
    void readOnlyFolder() {
        QFETCH(bool, withStore);
        const QString home = newMount("size=1m");
        QVERIFY(!home.isEmpty());
        if (withStore)
            writeSoundStore(storeIn(home));
        QVERIFY(makeReadOnly(home));
        bool saved = true;
        playAndExit(storeIn(home), saved);
        QVERIFY(!saved);
    }

    void folderInTheFilesPlace() {
        const QString path = storeIn(dir_.filePath(QStringLiteral("folder")));
        QVERIFY(QDir().mkpath(path));
        bool saved = true;
        playAndExit(path, saved);
        QVERIFY(!saved);
        QVERIFY(QFileInfo(path).isDir());
    }
};

QTEST_MAIN(TestUnwritableStore)
#include "test_unwritable_store.moc"
