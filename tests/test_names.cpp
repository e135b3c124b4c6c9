// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "platform/shown_text.h"
#include "support/drill_fixture.h"

#include <QAccessible>
#include <QDialog>
#include <QWindow>

namespace {

// What a label puts on screen, or a mark where it would read its text as markup
// or take an ampersand for an access key.
QString shownBy(const QLabel &label) {
    const bool plain = label.textFormat() == Qt::PlainText ||
                       (label.textFormat() == Qt::AutoText && !Qt::mightBeRichText(label.text()));
    return plain && !label.buddy() ? label.text() : QStringLiteral("<read as markup>");
}

// The title the window system is given for this title.
QString shownTitle(QWidget &window) {
    window.winId();
    return window.windowHandle()->title();
}

QString shownTitle(const QString &title) {
    QWidget window;
    setTitleAsGiven(window, title);
    return shownTitle(window);
}

} // namespace

class TestNames : public QObject {
    Q_OBJECT

  private slots:
    void namesShowAsTyped_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        const QString isolate = QString(QChar(0x2068));
        const QString pop = QString(QChar(0x2069));
        auto asTyped = [](const char *row, const QString &name) {
            QTest::newRow(row) << name << name;
        };
        asTyped("heading", "<h1>Sam</h1>");
        asTyped("bold", "<b>Bo</b>");
        asTyped("endless picture", "<img src=/dev/zero>");
        asTyped("picture", "<img src=:/icons/quorvel-32.png>");
        asTyped("entities", "&amp; &lt;");
        asTyped("access key", "Tom & &Jerry");
        asTyped("modified marks", "[*]Sam[*][*]");
        asTyped("placeholders", "%1 %2 PlayerName");
        asTyped("tab", "Sam\tSmith");
        asTyped("long", QString(500, QLatin1Char('W')));
        const QString hebrew = QString::fromUtf8("שרה כהן");
        QTest::newRow("right to left") << hebrew << isolate + hebrew + pop;
        // An override cannot outlive the isolate; a stray pop cannot end it early.
        QTest::newRow("direction marks")
            << QStringLiteral("\u2069\u202Eevil") << isolate + QStringLiteral("\u202Eevil") + pop;
        QTest::newRow("control characters")
            << QStringLiteral("Sam\nSmith\r\x01\x7f") + QChar(0x85)
            << QStringLiteral("Sam\uFFFDSmith\uFFFD\uFFFD\uFFFD\uFFFD");
    }
    void namesShowAsTyped() {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        DrillFixture fx;
        fx.startActive(name);
        fx.action("mnuHistory")->trigger();
        fx.newGame({7});
        for (int sum = 0; sum < 10; ++sum) {
            fx.type(QString::number(fx.product()));
            fx.enter();
        }
        fx.action("mnuHistory")->trigger();
        const FakeStore::Entry record = fx.store.entries.front();
        QString progressTitle;
        fx.modal.whileOpen = [&progressTitle](QDialog &window) {
            window.grab();
            progressTitle = shownTitle(window);
            QCOMPARE(QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Name),
                     progressTitle);
        };
        fx.action("mnuProgress")->trigger();

        QCOMPARE(shownBy(*fx.control<QLabel>("lblWelcome")),
                 "Hi " + shown + ", I hope you're ready to play ...");
        fx.window->grab();
        QCOMPARE(fx.dialogs.messages.size(), std::size_t(3));
        QCOMPARE(fx.dialogs.messages[0].text, "No history for " + shown + "!");
        QVERIFY(fx.dialogs.messages[1].text.startsWith("EXCELLENT, " + shown + "!\r\n"));
        QCOMPARE(shownTitle(fx.dialogs.messages[2].title),
                 shown + "'s History (1/1) - " + record.key);
        QCOMPARE(progressTitle, shown + "'s Progress");
        // Stored as typed.
        fx.window->close();
        QCOMPARE(fx.store.value("Options", "LastPlayer").value_or(QString()), name);
        QCOMPARE(record.section, "History\\" + name);
    }
};

QTEST_MAIN(TestNames)
#include "test_names.moc"
