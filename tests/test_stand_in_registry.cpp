// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/stand_in_registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QByteArray pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

void addProgram(const QTemporaryDir &dir, const QString &name) {
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

struct Read {
    long result;
    quint32 type;
    QByteArray data;
};

Read readValue(StandInRegistry &registry, const QByteArray &keyName, const QByteArray &valueName,
               quint32 room = 1024) {
    RegistryHandle key = 0;
    const long opened = registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, KEY_READ, key);
    if (opened != ERROR_SUCCESS)
        return {opened, 0, {}};
    QByteArray buffer(room, '\0');
    quint32 type = 0;
    quint32 size = room;
    const long read = registry.RegQueryValueExA(key, valueName, type, buffer.data(), size);
    registry.RegCloseKey(key);
    return {read, type, read == ERROR_SUCCESS ? buffer.left(size) : QByteArray()};
}

} // namespace

class TestStandInRegistry : public QObject {
    Q_OBJECT

    // The only folder on PATH, made afresh for each test.
    std::unique_ptr<QTemporaryDir> path_;

  private slots:
    void init() {
        path_ = std::make_unique<QTemporaryDir>();
        QVERIFY(path_->isValid());
        qputenv("PATH", QFile::encodeName(path_->path()));
    }

    void noToolNoKey() {
        StandInRegistry registry;
        QCOMPARE(readValue(registry, pathKey, "PATH").result, ERROR_FILE_NOT_FOUND);
    }

    void firstToolInOrderOfPreference() {
        addProgram(*path_, "lshw-gtk");
        addProgram(*path_, "kinfocenter");
        StandInRegistry registry;
        const Read read = readValue(registry, pathKey.toLower(), "path");
        QCOMPARE(read.result, ERROR_SUCCESS);
        QCOMPARE(read.type, REG_SZ);
        QCOMPARE(read.data, QFile::encodeName(path_->filePath("kinfocenter")) + '\0');

        addProgram(*path_, "hardinfo");
        QCOMPARE(readValue(registry, pathKey, "PATH").data,
                 QFile::encodeName(path_->filePath("hardinfo")) + '\0');
    }

    // A tool of the same name waits in the current folder and in bin/ below it.
    void relativePathEntriesPassedOver_data() {
        QTest::addColumn<QString>("path"); // %1: the folder of the real tool
        QTest::addColumn<bool>("found");
        QTest::newRow("dot first") << ".:%1" << true;
        QTest::newRow("empty entry first") << ":%1" << true;
        QTest::newRow("relative folder first") << "bin:%1" << true;
        QTest::newRow("dot slash") << "./:%1" << true;
        QTest::newRow("only relative entries") << ".:bin::./bin" << false;
        QTest::newRow("empty") << "" << false;
    }
    void relativePathEntriesPassedOver() {
        QFETCH(QString, path);
        QFETCH(bool, found);
        addProgram(*path_, "hardinfo2");
        QTemporaryDir current;
        QVERIFY(QDir(current.path()).mkdir("bin"));
        addProgram(current, "hardinfo2");
        addProgram(current, "bin/hardinfo2");
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(current.path()));
        qputenv("PATH", QFile::encodeName(path.arg(path_->path())));
        StandInRegistry registry;
        const Read read = readValue(registry, pathKey, "PATH");
        QDir::setCurrent(before);
        QCOMPARE(read.result, found ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND);
        if (found)
            QCOMPARE(read.data, QFile::encodeName(path_->filePath("hardinfo2")) + '\0');
    }

    void refusals_data() {
        QTest::addColumn<QByteArray>("keyName");
        QTest::addColumn<quint32>("access");
        QTest::addColumn<long>("result");
        QTest::newRow("write rights") << pathKey << quint32(0x0002003F) << ERROR_ACCESS_DENIED;
        QTest::newRow("folder location is absent")
            << QByteArray("SOFTWARE\\Microsoft\\Shared Tools Location") << KEY_QUERY_VALUE
            << ERROR_FILE_NOT_FOUND;
    }
    void refusals() {
        QFETCH(QByteArray, keyName);
        QFETCH(quint32, access);
        QFETCH(long, result);
        addProgram(*path_, "hardinfo2");
        StandInRegistry registry;
        RegistryHandle key = 0;
        QCOMPARE(registry.RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, access, key), result);
    }

    void valueLargerThanTheRoom() {
        addProgram(*path_, "hardinfo2");
        StandInRegistry registry;
        QCOMPARE(readValue(registry, pathKey, "PATH", 4).result, ERROR_MORE_DATA);
    }
};

QTEST_MAIN(TestStandInRegistry)
#include "test_stand_in_registry.moc"
