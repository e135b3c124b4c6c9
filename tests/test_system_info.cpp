// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "about/registry_value.h"
#include "support/help_window.h"

namespace {

const QByteArray pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr int absent = -1;

// A value under one of the two locations, or absent.
struct Location {
    int type;
    QByteArray data;
};

} // namespace

Q_DECLARE_METATYPE(Location)

class TestSystemInfo : public QObject {
    Q_OBJECT

  private slots:
    void keptBytes_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("terminating zero dropped")
            << QByteArray("/bin/x\0", 7) << QByteArray("/bin/x");
        QTest::newRow("no terminating zero") << QByteArray("/bin/x") << QByteArray("/bin/x");
        QTest::newRow("only one of two zeros dropped")
            << QByteArray("/bin/x\0\0", 8) << QByteArray("/bin/x\0", 7);
    }
    void keptBytes() {
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, kept);
        QByteArray buffer(registryBufferSize, '\0');
        buffer.replace(0, stored.size(), stored);
        QCOMPARE(keptValueBytes(buffer, quint32(stored.size())), kept);
    }

    void valueText_data() {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QByteArray>("kept");
        QTest::addColumn<QString>("text"); // null: not turned into text
        QTest::newRow("REG_SZ") << REG_SZ << QByteArray("/usr/bin/x") << "/usr/bin/x";
        QTest::newRow("REG_DWORD") << REG_DWORD << QByteArray("\x78\x56\x34\x12") << "&h12345678";
        QTest::newRow("REG_EXPAND_SZ") << REG_EXPAND_SZ << QByteArray("/usr/bin/x") << QString();
    }
    void valueText() {
        QFETCH(quint32, type);
        QFETCH(QByteArray, kept);
        QFETCH(QString, text);
        QCOMPARE(registryValueText(type, kept).value_or(QString()), text);
    }

    void launcher_data() {
        QTest::addColumn<Location>("first");
        QTest::addColumn<Location>("second");
        QTest::addColumn<QStringList>("files");     // ordinary files that exist
        QTest::addColumn<QStringList>("installed"); // programs that start
        QTest::addColumn<QStringList>("started");   // every start tried
        QTest::addColumn<bool>("unavailable");
        QTest::addColumn<int>("keysAskedFor");

        const Location none{absent, {}};
        const QString tool = "/usr/bin/hardinfo";
        const Location toolPath{REG_SZ, tool.toLatin1() + '\0'};
        const Location folder{REG_SZ, QByteArray("/opt/sysinfo\0", 13)};
        const QString folderTool = "/opt/sysinfo/MSINFO32.EXE";

        // Every key is opened for reading only; asking for more is refused.
        QTest::newRow("first location, zero dropped")
            << toolPath << folder << QStringList{} << QStringList{tool} << QStringList{tool}
            << false << 1;
        QTest::newRow("first location without zero")
            << Location{REG_SZ, tool.toLatin1()} << none << QStringList{} << QStringList{tool}
            << QStringList{tool} << false << 1;
        QTest::newRow("second location, tool in the folder")
            << none << folder << QStringList{folderTool} << QStringList{folderTool}
            << QStringList{folderTool} << false << 2;
        QTest::newRow("second location, no tool in the folder")
            << none << folder << QStringList{} << QStringList{folderTool} << QStringList{} << true
            << 2;
        QTest::newRow("both missing")
            << none << none << QStringList{} << QStringList{} << QStringList{} << true << 2;
        QTest::newRow("first location names no program, second not tried")
            << toolPath << folder << QStringList{folderTool} << QStringList{folderTool}
            << QStringList{tool} << true << 1;
        QTest::newRow("first location of another type, second not tried")
            << Location{REG_EXPAND_SZ, tool.toLatin1() + '\0'} << folder << QStringList{folderTool}
            << QStringList{folderTool} << QStringList{""} << true << 1;
        QTest::newRow("first location as a number")
            << Location{REG_DWORD, QByteArray("\x01\x02\x03\x04")} << none << QStringList{}
            << QStringList{} << QStringList{"&h04030201"} << true << 1;
        QTest::newRow("value longer than the buffer counts as missing")
            << Location{REG_SZ, QByteArray(1025, 'a')} << none << QStringList{} << QStringList{}
            << QStringList{} << true << 2;
        QTest::newRow("value of size 0")
            << Location{REG_SZ, QByteArray()} << folder << QStringList{folderTool}
            << QStringList{folderTool} << QStringList{} << true << 1;
    }
    void launcher() {
        QFETCH(Location, first);
        QFETCH(Location, second);
        QFETCH(QStringList, files);
        QFETCH(QStringList, installed);
        QFETCH(QStringList, started);
        QFETCH(bool, unavailable);
        QFETCH(int, keysAskedFor);

        WindowFixture fx;
        fx.start();
        if (first.type != absent)
            fx.registry.put(pathKey, "PATH", quint32(first.type), first.data);
        if (second.type != absent)
            fx.registry.put(folderKey, "MSINFO", quint32(second.type), second.data);
        for (const QString &file : files)
            fx.files.files[file] = {};
        fx.processes.installed = installed;

        openFromHelpMenu(fx, "mnuHelpAbout", [](frmAbout &window) {
            window.StartSysInfo();
            QVERIFY(window.isVisible());
        });

        QCOMPARE(fx.processes.tried, started);
        QCOMPARE(fx.registry.openedKeys.size(), keysAskedFor);
        QCOMPARE(fx.registry.openHandles, 0);
        QCOMPARE(fx.dialogs.messages.size(), std::size_t(unavailable ? 1 : 0));
        if (unavailable) {
            const FakeDialogs::Message &message = fx.dialogs.messages[0];
            QCOMPARE(message.text, QString("System Information Is Unavailable At This Time"));
            QCOMPARE(message.buttons, MsgButtons::Ok);
            QCOMPARE(message.icon, MsgIcon::None);
            QCOMPARE(message.title, QString("Quorvel"));
        }
    }

    void everyClickLooksAgain() {
        WindowFixture fx;
        fx.start();
        openFromHelpMenu(fx, "mnuHelpAbout", [&fx](frmAbout &window) {
            window.StartSysInfo();
            fx.registry.put(pathKey, "PATH", REG_SZ, "/usr/bin/hardinfo");
            fx.processes.installed = QStringList{"/usr/bin/hardinfo"};
            window.StartSysInfo();
        });
        QCOMPARE(fx.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(fx.processes.tried, QStringList{"/usr/bin/hardinfo"});
    }
};

QTEST_MAIN(TestSystemInfo)
#include "test_system_info.moc"
