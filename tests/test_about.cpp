// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "about/about_geometry.h"
#include "about/about_texts.h"
#include "about/help_document.h"
#include "platform/app_info.h"
#include "platform/local_file_system.h"
#include "support/help_window.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <stdexcept>

#include <sys/stat.h>

namespace {

const QByteArray helpDocument =
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Times \\b tables\\b0\\par}";

QByteArray longHelpDocument() {
    QByteArray rtf = "{\\rtf1 Top\\par";
    for (int line = 0; line < 200; ++line)
        rtf += " more\\par";
    return rtf + "}";
}

template <typename T = QWidget> T *child(const frmAbout &window, const QString &name) {
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

bool shown(const frmAbout &window, const QString &name) {
    return child(window, name)->isVisibleTo(&window);
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

  private slots:
    void centring_data() {
        QTest::addColumn<float>("ownerStart");
        QTest::addColumn<float>("ownerExtent");
        QTest::addColumn<float>("ownExtent");
        QTest::addColumn<float>("start");
        QTest::newRow("owner larger") << 1200.0f << 6000.0f << 3695.0f << 2352.5f;
        QTest::newRow("negative top is mirrored") << 120.0f << 3000.0f << 4685.0f << 722.5f;
        QTest::newRow("owner left of the origin") << -900.0f << 4000.0f << 4000.0f << 900.0f;
    }
    void centring() {
        QFETCH(float, ownerStart);
        QFETCH(float, ownerExtent);
        QFETCH(float, ownExtent);
        QFETCH(float, start);
        QCOMPARE(centredTwips(ownerStart, ownerExtent, ownExtent), start);
    }

    void version_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.0") << 1 << 0 << "Version 1.0";
        QTest::newRow("no padding") << 1 << 12 << "Version 1.12";
    }
    void version() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(QString, text);
        QCOMPARE(versionText(major, minor), text);
    }

    void aboutFace() {
        WindowFixture fx;
        fx.start();
        openFromHelpMenu(fx, "mnuHelpAbout", [&fx](frmAbout &window) {
            QCOMPARE(window.parentWidget(), fx.window.get());
            QCOMPARE(window.windowTitle(), QString("Help"));
            // The main window's own icon: a new one would fill the pixmap cache at each opening.
            QCOMPARE(window.windowIcon().cacheKey(), fx.window->windowIcon().cacheKey());
            QVERIFY(shown(window, "fraAbout"));
            QVERIFY(!shown(window, "fraContents"));
            QCOMPARE(child(window, "fraAbout")->pos(), QPoint(0, 0));
            QCOMPARE(child<QLabel>(window, "lblTitle")->text(), QString("Quorvel"));
            QCOMPARE(child<QLabel>(window, "lblVersion")->text(), QString("Version 1.0"));
            QCOMPARE(child<QLabel>(window, "lblCopyright")->text().split(QLatin1Char('\n')).size(),
                     5);
            // 5375 x 3695 twips
            QCOMPARE(window.frameGeometry().size(), QSize(358, 246));
            QCOMPARE(window.focusWidget(), child(window, "cmdOK"));
            QVERIFY(child<QPushButton>(window, "cmdOK")->isDefault());
        });
        QCOMPARE(fx.modal.opened, 1);
        QVERIFY(fx.dialogs.messages.empty());
    }

    void closesWith_data() {
        QTest::addColumn<int>("key"); // 0: a click on OK
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("OK") << 0;
    }
    void closesWith() {
        QFETCH(int, key);
        WindowFixture fx;
        fx.start();
        openFromHelpMenu(fx, "mnuHelpAbout", [key](frmAbout &window) {
            if (key)
                QTest::keyClick(window.focusWidget(), Qt::Key(key));
            else
                child<QPushButton>(window, "cmdOK")->click();
            QVERIFY(window.isHidden());
        });
    }

    void contentsFace() {
        WindowFixture fx;
        fx.start();
        fx.files.files[helpDocumentPath(fx.files)] = helpDocument;
        openFromHelpMenu(fx, "mnuHelpContents", [](frmAbout &window) {
            QVERIFY(shown(window, "fraContents"));
            QVERIFY(!shown(window, "fraAbout"));
            auto *box = child<QTextBrowser>(window, "rtbContents");
            QCOMPARE(box->toPlainText(), QString("Times tables"));
            QVERIFY(box->isReadOnly());
            QCOMPARE(child(window, "fraContents")->geometry(), QRect(0, 0, 537, 305));
            // 8135 x 4685 twips
            QCOMPARE(window.frameGeometry().size(), QSize(542, 312));
            QCOMPARE(window.focusWidget(), box);
        });
        QVERIFY(fx.dialogs.messages.empty());
    }

    // Read as the window is shown, so that it is there when the window appears, activated or not.
    void contentsAreThereWhenShown() {
        WindowFixture fx;
        fx.start();
        fx.files.files[helpDocumentPath(fx.files)] = helpDocument;
        QString text;
        fx.modal.whileOpen = [&text](QDialog &window) {
            window.show();
            text =
                child<QTextBrowser>(static_cast<frmAbout &>(window), "rtbContents")->toPlainText();
        };
        fx.action("mnuHelpContents")->trigger();
        QCOMPARE(text, QString("Times tables"));
    }

    void helpDocumentBesideTheProgramFirst_data() {
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("shown");
        const QString beside = programFolder(), installed = dataFolder();
        QTest::newRow("both") << QStringList{beside, installed} << beside;
        QTest::newRow("installed only") << QStringList{installed} << installed;
    }
    void helpDocumentBesideTheProgramFirst() {
        QFETCH(QStringList, folders);
        QFETCH(QString, shown);
        WindowFixture fx;
        fx.start();
        for (const QString &folder : folders)
            fx.files.files[folder + "/Quorvel.rtf"] = "{\\rtf1 " + folder.toUtf8() + "}";
        openFromHelpMenu(fx, "mnuHelpContents", [&shown](frmAbout &window) {
            QCOMPARE(child<QTextBrowser>(window, "rtbContents")->toPlainText(), shown);
        });
    }

    void contentsOpenAtTheTop() {
        WindowFixture fx;
        fx.start();
        fx.files.files[helpDocumentPath(fx.files)] = longHelpDocument();
        openFromHelpMenu(fx, "mnuHelpContents", [](frmAbout &window) {
            auto *box = child<QTextBrowser>(window, "rtbContents");
            QVERIFY(box->verticalScrollBar()->maximum() > 0);
            QCOMPARE(box->verticalScrollBar()->value(), 0);
        });
    }

    // The pictures are screenshots, some wider than the window; its text wraps by itself.
    void everyHelpDocumentReadsWithinTheWindow_data() {
        QTest::addColumn<QString>("file");
        const QDir data(QFINDTESTDATA("../data"));
        for (const QString &file : data.entryList({"Quorvel*.rtf"}))
            QTest::addRow("%s", qPrintable(file)) << data.filePath(file);
    }
    void everyHelpDocumentReadsWithinTheWindow() {
        QFETCH(QString, file);
        QFile rtf(file);
        QVERIFY(rtf.open(QIODevice::ReadOnly));
        const QString language = QFileInfo(file).completeBaseName().section('.', 1);
        QGuiApplication::setLayoutDirection(QLocale(language).textDirection());
        WindowFixture fx;
        fx.start();
        fx.files.files[helpDocumentPath(fx.files)] = rtf.readAll();
        openFromHelpMenu(fx, "mnuHelpContents", [](frmAbout &window) {
            auto *box = child<QTextBrowser>(window, "rtbContents");
            // The scroll bars come once the document is laid out.
            QCoreApplication::processEvents();
            QVERIFY(box->verticalScrollBar()->isVisible());
            QVERIFY(box->document()->size().width() <= box->viewport()->width());
            QCOMPARE(box->horizontalScrollBar()->maximum(), 0);
        });
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    }

    void placedOverTheMainWindow_data() {
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<QPoint>("mainWindowAt");
        QTest::newRow("About, centred") << "mnuHelpAbout" << QPoint(300, 200);
        QTest::newRow("Contents, top mirrored") << "mnuHelpContents" << QPoint(300, 8);
        QTest::newRow("Contents, left mirrored") << "mnuHelpContents" << QPoint(-200, 300);
    }
    void placedOverTheMainWindow() {
        QFETCH(QString, menuItem);
        QFETCH(QPoint, mainWindowAt);
        WindowFixture fx;
        fx.start();
        fx.files.files[helpDocumentPath(fx.files)] = helpDocument;
        fx.window->move(mainWindowAt);
        const QRect main = fx.window->frameGeometry();
        openFromHelpMenu(fx, menuItem, [&main](frmAbout &window) {
            const QRect own = window.frameGeometry();
            auto centred = [](int start, int ownerExtent, int ownExtent) {
                return qRound(std::abs(start + (ownerExtent - ownExtent) / 2.0));
            };
            QCOMPARE(own.top(), centred(main.top(), main.height(), own.height()));
            QCOMPARE(own.left(), centred(main.left(), main.width(), own.width()));
        });
    }

    void unloadableHelpDocument_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << false << QByteArray();
        QTest::newRow("not rich text") << true << QByteArray("Times tables, plain and simple.");
    }
    void unloadableHelpDocument() {
        QFETCH(bool, present);
        QFETCH(QByteArray, content);
        WindowFixture fx;
        fx.start();
        if (present)
            fx.files.files[helpDocumentPath(fx.files)] = content;
        openFromHelpMenu(fx, "mnuHelpContents", [](frmAbout &window) {
            QVERIFY(!shown(window, "fraContents"));
            QVERIFY(!shown(window, "fraAbout"));
            QCOMPARE(window.size(), QSize(571, 437)); // 8565 x 6555 twips, as designed
            window.Form_Activate(); // coming back to the window does not try again
        });
        QCOMPARE(fx.dialogs.messages.size(), std::size_t(1));
        QCOMPARE(fx.dialogs.messages[0].text, QString("Error loading Help screen!"));
        QCOMPARE(fx.dialogs.messages[0].buttons, MsgButtons::Ok);
        QCOMPARE(fx.dialogs.messages[0].icon, MsgIcon::None);
        QCOMPARE(fx.dialogs.messages[0].title, QString("Quorvel"));
    }

    // Each must come back at once: a pipe or a device is never waited on nor read.
    void oddHelpFiles_data() {
        QTest::addColumn<QString>("path");  // in a scratch folder, unless absolute
        QTest::addColumn<QString>("shown"); // empty: refused
        QTest::newRow("pipe") << "pipe"
                              << "";
        QTest::newRow("endless zeros") << "/dev/zero"
                                       << "";
        QTest::newRow("endless random bytes") << "/dev/urandom"
                                              << "";
        QTest::newRow("folder") << "folder"
                                << "";
        QTest::newRow("dangling link") << "dangling"
                                       << "";
        QTest::newRow("link to the document") << "link"
                                              << "Times tables";
        QTest::newRow("over 64 MiB, shows what fits") << "huge"
                                                      << "Start";
    }
    void oddHelpFiles() {
        QFETCH(QString, path);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        const QString document = dir.filePath("Quorvel.rtf");
        QFile file(document);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(helpDocument) > 0);
        file.close();
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600) == 0);
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        QVERIFY(QFile::link(dir.filePath("gone"), dir.filePath("dangling")));
        QVERIFY(QFile::link(document, dir.filePath("link")));
        // Sparse, so cheap to make; the reader stops at the end of the first group.
        QFile huge(dir.filePath("huge"));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.write("{\\rtf1 Start\\par}") > 0);
        QVERIFY(huge.resize(65 * 1024 * 1024));
        huge.close();

        LocalFileSystem files;
        QTextDocument read;
        try {
            loadHelpDocument(files, QDir(dir.path()).absoluteFilePath(path), read);
            QCOMPARE(read.toPlainText().trimmed(), shown);
        } catch (const std::runtime_error &) {
            QVERIFY2(shown.isEmpty(), "refused");
        }
    }

    void helpDocumentReadAtEachOpening() {
        WindowFixture fx;
        fx.start();
        const QStringList versions{"first", "second"};
        for (const QString &version : versions) {
            fx.files.files[helpDocumentPath(fx.files)] = "{\\rtf1 " + version.toLatin1() + "}";
            openFromHelpMenu(fx, "mnuHelpContents", [&version](frmAbout &window) {
                QCOMPARE(child<QTextBrowser>(window, "rtbContents")->toPlainText(), version);
            });
        }
        QCOMPARE(fx.files.reads, 2);
    }

    void helpDocumentInTheLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("translated"); // empty: no such file
        QTest::addColumn<QString>("shown");
        QTest::newRow("translated")
            << "de_AT.UTF-8" << QByteArray("{\\rtf1 Einmaleins}") << "Einmaleins";
        QTest::newRow("no translation") << "de_DE.UTF-8" << QByteArray() << "Times tables";
        QTest::newRow("unreadable translation")
            << "de_DE.UTF-8" << QByteArray("Einmaleins") << "Times tables";
        const QByteArray deep(1100, '{');
        QTest::newRow("translation nested beyond the reader's depth")
            << "de_DE.UTF-8"
            << "{\\rtf1 " + deep + "Einmaleins" + QByteArray(1100, '}') + "}"
            << "Times tables";
        // Some 6 million pixels tall, where Qt's layout would end but one much taller never would.
        QTest::newRow("translation too tall to lay out: spacing")
            << "de_DE.UTF-8"
            << "{\\rtf1 " + QByteArray("\\pard\\sb31680\\sa31680 x\\par ").repeated(2500) + "}"
            << "Times tables";
        QByteArray tinyPng;
        QBuffer png(&tinyPng);
        png.open(QIODevice::WriteOnly);
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::white);
        picture.save(&png, "PNG");
        const QByteArray tallPicture =
            "{\\pict\\pngblip\\picscaley1000\\pichgoal31680 " + tinyPng.toHex() + "}\\par ";
        QTest::newRow("translation too tall to lay out: pictures")
            << "de_DE.UTF-8"
            << "{\\rtf1 " + tallPicture.repeated(300) + "}"
            << "Times tables";
        QTest::newRow("English asked")
            << "C" << QByteArray("{\\rtf1 Einmaleins}") << "Times tables";
    }
    void helpDocumentInTheLanguage() {
        QFETCH(QString, locale);
        QFETCH(QByteArray, translated);
        QFETCH(QString, shown);
        const QByteArray before = qgetenv("LC_ALL");
        qputenv("LC_ALL", locale.toLatin1());
        WindowFixture fx;
        fx.start();
        fx.files.files[helpDocumentPath(fx.files)] = helpDocument;
        if (!translated.isEmpty())
            fx.files.files[helpDocumentPath(fx.files, "de")] = translated;
        openFromHelpMenu(fx, "mnuHelpContents", [&shown](frmAbout &window) {
            QCOMPARE(child<QTextBrowser>(window, "rtbContents")->toPlainText(), shown);
        });
        qputenv("LC_ALL", before);
        QVERIFY(fx.dialogs.messages.empty());
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
