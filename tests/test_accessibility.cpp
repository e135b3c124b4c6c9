// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "about/help_document.h"
#include "platform/announcer.h"
#include "platform/line_edit_accessibility.h"
#include "platform/qt_dialogs.h"
#include "platform/qt_modal_runner.h"
#include "support/drill_fixture.h"
#include "support/help_window.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTextBrowser>
#include <QTimer>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <functional>
#include <set>

namespace {

// What a screen reader is told, in order.
struct Told {
    QAccessible::Event type;
    QObject *object;
    // An object of the screen reader's alone, which a control announces through.
    QAccessibleInterface *label;
};
std::vector<Told> told;

void record(QAccessibleEvent *event) {
    // Only read what the event is about: asking for the interface of an
    // object that is being destroyed would resurrect it in Qt's cache.
    told.push_back(
        {event->type(), event->object(), event->object() ? nullptr : event->accessibleInterface()});
}

// The roles a player meets and a screen reader has to put a name to.
const std::set<QAccessible::Role> namedRoles = {
    QAccessible::Window,       QAccessible::Dialog,   QAccessible::AlertMessage,
    QAccessible::PopupMenu,    QAccessible::MenuItem, QAccessible::StaticText,
    QAccessible::EditableText, QAccessible::Button,   QAccessible::CheckBox,
    QAccessible::RadioButton};

// Every object on screen under `face` that a screen reader could not name, or
// whose role it cannot tell.
QStringList unnamed(QAccessibleInterface *face) {
    QStringList found;
    if (face->state().invisible)
        return found;
    const QString what = face->object() ? face->object()->objectName() : QString();
    if (face->role() == QAccessible::NoRole)
        found << what + " has no role";
    else if (namedRoles.count(face->role()) && face->text(QAccessible::Name).trimmed().isEmpty())
        found << QStringLiteral("%1 (role %2) has no name").arg(what).arg(face->role());
    for (int i = 0; i < face->childCount(); ++i)
        found << unnamed(face->child(i));
    return found;
}

// The unnamed objects of the modal window that `open` puts up, which is then closed.
QStringList unnamedInModal(const std::function<void()> &open) {
    QStringList found{QStringLiteral("no modal window came up")};
    QTimer::singleShot(0, [&found] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        found = unnamed(QAccessible::queryAccessibleInterface(modal));
        modal->close();
    });
    open();
    return found;
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QAccessible::installUpdateHandler(record);
        // What a screen reader's arrival does on a desktop.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        installLineEditAccessibility();
    }
    void init() { told.clear(); }

    void mainWindowControlsAreNamed() {
        WindowFixture fx;
        fx.start().show();
        // Both panels and every menu, as a player meets them in turn.
        fx.control("fraOptions")->show();
        fx.control("fraSum")->show();
        QStringList found = unnamed(QAccessible::queryAccessibleInterface(fx.window.get()));
        for (QMenu *menu : fx.window->findChildren<QMenu *>()) {
            menu->popup({});
            found << unnamed(QAccessible::queryAccessibleInterface(menu));
            menu->hide();
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join("; ")));
    }

    void answerBoxIsNamed() {
        WindowFixture fx;
        fx.make();
        QAccessibleInterface *box =
            QAccessible::queryAccessibleInterface(fx.control<QLineEdit>("txtAnswer"));
        QCOMPARE(box->role(), QAccessible::EditableText);
        QCOMPARE(box->text(QAccessible::Name), QString("Your answer"));
    }

    void editBoxIsReadWholeAndABlankIsNoSelection_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("selections");
        QTest::newRow("a name selected") << "Mia" << 3 << 1;
        QTest::newRow("the answer box's blank") << " " << 1 << 0;
        QTest::newRow("nothing selected") << "42" << 0 << 0;
    }
    void editBoxIsReadWholeAndABlankIsNoSelection() {
        QFETCH(QString, text);
        QFETCH(int, selected);
        QFETCH(int, selections);
        QLineEdit box(text);
        box.setSelection(0, selected);
        QAccessibleTextInterface *read =
            QAccessible::queryAccessibleInterface(&box)->textInterface();
        QCOMPARE(read->selectionCount(), selections);
        int start = -1, end = -1;
        read->attributes(int(text.size()) - 1, &start, &end);
        QCOMPARE(read->text(start, end), text);
    }

    void dialogsAreNamed_data() {
        QTest::addColumn<std::function<void()>>("open");
        static QtModalRunner modal;
        static QtDialogs dialogs(modal);
        QTest::newRow("message") << std::function<void()>([] {
            dialogs.messageBox("Game cancelled by request!", MsgButtons::Ok, MsgIcon::None, {});
        });
        QTest::newRow("question") << std::function<void()>([] {
            dialogs.messageBox("View Next?", MsgButtons::YesNo, MsgIcon::Information, "Ann");
        });
        QTest::newRow("name prompt") << std::function<void()>(
            [] { dialogs.inputBox("What is your name?", "Quorvel", "Sam"); });
    }
    void dialogsAreNamed() {
        QFETCH(std::function<void()>, open);
        const QStringList found = unnamedInModal(open);
        QVERIFY2(found.isEmpty(), qPrintable(found.join("; ")));
    }

    void helpWindowIsNamed_data() {
        QTest::addColumn<QString>("menuItem");
        QTest::newRow("About") << "mnuHelpAbout";
        QTest::newRow("Contents") << "mnuHelpContents";
    }
    void helpWindowIsNamed() {
        QFETCH(QString, menuItem);
        WindowFixture fx;
        fx.start().show();
        fx.files.files[helpDocumentPath(fx.files)] = "{\\rtf1 Times tables}";
        QStringList found{QStringLiteral("the help window did not open")};
        openFromHelpMenu(fx, menuItem, [&found](frmAbout &window) {
            found = unnamed(QAccessible::queryAccessibleInterface(&window));
        });
        QVERIFY2(found.isEmpty(), qPrintable(found.join("; ")));
    }

    // A screen reader reads the line the caret moves to.
    void helpDocumentHasACaretTheArrowKeysMove() {
        WindowFixture fx;
        fx.start().show();
        fx.files.files[helpDocumentPath(fx.files)] = "{\\rtf1 First line\\par Second line\\par}";
        QString line;
        openFromHelpMenu(fx, "mnuHelpContents", [&line](frmAbout &window) {
            auto *document = window.findChild<QTextBrowser *>("rtbContents");
            QTest::keyClick(document, Qt::Key_Down);
            QTextCursor caret = document->textCursor();
            caret.select(QTextCursor::LineUnderCursor);
            line = caret.selectedText();
        });
        QCOMPARE(line, "Second line");
    }

    void progressWindowIsNamedAndItsGridHasHeaders() {
        WindowFixture fx;
        fx.start().show();
        fx.store.put("History\\Sam", "01/12/26 10:00:00",
                     "You have scored 9/10.\r\n\r\n  Sums\t\tCorrect\tYours\r\n"
                     "  7  x   8\t\t 56\t 54\r\n");
        QStringList found{QStringLiteral("the Progress window did not open")};
        QStringList cell;
        fx.modal.whileOpen = [&](QDialog &window) {
            window.show();
            found = unnamed(QAccessible::queryAccessibleInterface(&window));
            QAccessibleTableInterface *grid =
                QAccessible::queryAccessibleInterface(window.findChild<QWidget *>("grdWrongSums"))
                    ->tableInterface();
            QAccessibleInterface *sevenTimesEight = grid->cellAt(5, 7);
            QAccessibleTableCellInterface *headers = sevenTimesEight->tableCellInterface();
            cell << headers->rowHeaderCells().value(0)->text(QAccessible::Name)
                 << headers->columnHeaderCells().value(0)->text(QAccessible::Name)
                 << sevenTimesEight->text(QAccessible::Name);
            QAccessibleInterface *chart =
                QAccessible::queryAccessibleInterface(window.findChild<QWidget *>("picScores"));
            QCOMPARE(chart->role(), QAccessible::Chart);
            QCOMPARE(chart->text(QAccessible::Description),
                     QString("1 game, on 01/12/26: 90%. Game 1 of 1: 01/12/26 10:00, 9/10 right "
                             "(90%)"));
        };
        fx.action("mnuProgress")->trigger();
        QVERIFY2(found.isEmpty(), qPrintable(found.join("; ")));
        QCOMPARE(cell, QStringList({"x 7", "8", "7 x 8 = 56: wrong once"}));
    }

    void messageBoxIsAnAlert() {
        QtModalRunner modal;
        QtDialogs dialogs(modal);
        QAccessible::Role role = QAccessible::NoRole;
        QTimer::singleShot(0, [&role] {
            QWidget *modal = QApplication::activeModalWidget();
            role = QAccessible::queryAccessibleInterface(modal)->role();
            modal->close();
        });
        dialogs.messageBox("No history for Ann!", MsgButtons::Ok, MsgIcon::Exclamation, {});
        QCOMPARE(role, QAccessible::AlertMessage);
    }

    void greetingSumsAndOutcomesAreAnnounced() {
        DrillFixture fx;
        fx.startActive();
        // The same sum twice running must be heard twice.
        fx.scriptSum(1, 1, 8);
        fx.scriptSum(1, 1, 8);
        fx.scriptSum(1, 1, 3);
        fx.scriptSum(1, 1, 3);
        fx.newGame({7});
        fx.tick();
        fx.type("0");
        fx.enter();
        fx.type("21");
        fx.enter();
        QCOMPARE(fx.announcer.spoken,
                 QStringList({"Hi Sam, I hope you're ready to play ...", "Sum 1 of 10: 7 times 8",
                              "Time's up, 7 times 8 is 56. Sum 2 of 10: 7 times 8",
                              "Wrong, 7 times 8 is 56. Sum 3 of 10: 7 times 3",
                              "Right! Sum 4 of 10: 7 times 3"}));
        QCOMPARE(fx.announcer.controls.value(1), "txtAnswer");
    }

    // What a screen reader hears: a focus move to a label it has not met,
    // under the control the news is about; the keyboard focus stays put.
    void announcementIsAFocusMoveToANewLabel() {
        DrillFixture fx;
        fx.startActive();
        fx.newGame({7});
        told.clear();
        QLineEdit *box = fx.answerBox();
        ScreenReaderAnnouncer announcer;
        announcer.announce(*box, "Right!");
        announcer.announce(*box, "Right!");
        std::vector<QAccessibleInterface *> labels;
        for (const Told &event : told)
            if (event.type == QAccessible::Focus && event.label)
                labels.push_back(event.label);
        QCOMPARE(labels.size(), 2u);
        QVERIFY(labels[0] != labels[1]);
        for (QAccessibleInterface *label : labels) {
            QCOMPARE(label->text(QAccessible::Name), "Right!");
            QCOMPARE(label->role(), QAccessible::StaticText);
            QCOMPARE(label->parent()->object(), box);
        }
        QVERIFY(box->hasFocus());
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
