// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "about/frm_about.h"
#include "drill/record_text.h"
#include "drill/score.h"
#include "drill/times_sign.h"
#include "history/history_text.h"
#include "platform/captioned_frame.h"
#include "platform/fonts.h"
#include "platform/translations.h"
#include "platform/ui_language.h"
#include "rtf/rtf_reader.h"
#include "support/drill_fixture.h"
#include "support/help_window.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTranslator>

#include <algorithm>
#include <map>
#include <optional>

namespace {

const QStringList shipped = QStringLiteral(QUORVEL_LANGUAGES).split(QLatin1Char(' '));

// How far a control's text runs past the control, in pixels.
int overrun(QWidget *widget) {
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->text().isEmpty())
            return 0;
        return label->wordWrap() ? label->heightForWidth(label->width()) - label->height()
                                 : label->sizeHint().width() - label->width();
    }
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->sizeHint().width() - button->width();
    if (auto *frame = qobject_cast<CaptionedFrame *>(widget))
        return frame->captionRect().right() + 1 - frame->width();
    if (auto *frame = qobject_cast<QGroupBox *>(widget))
        return frame->fontMetrics().horizontalAdvance(frame->title()) - frame->width();
    return 0;
}

struct Overrun {
    QString kind; // window and class: English sets what each kind may need
    int pixels;
};

// Every text control of the main window and of the About face, by name.
std::map<QString, Overrun> overruns(const QString &language) {
    const Translations translations(language);
    WindowFixture fx;
    fx.start(QStringLiteral("Sam Smith"));
    std::map<QString, Overrun> found;
    auto measure = [&found](const QWidget &window) {
        for (QWidget *widget : window.findChildren<QWidget *>()) {
            if (!widget->objectName().isEmpty())
                found[window.objectName() + '/' + widget->objectName()] = {
                    window.objectName() + '/' + widget->metaObject()->className(),
                    std::max(0, overrun(widget))};
        }
    };
    measure(*fx.window);
    openFromHelpMenu(fx, "mnuHelpAbout", measure);
    return found;
}

// Access keys of the visible texts must differ, as must the shortcuts.
void checkUnique(const QString &where, const QStringList &texts,
                 const QList<QKeySequence> &shortcuts = {}) {
    QSet<QString> keys;
    for (const QString &text : texts) {
        const QString key = QKeySequence::mnemonic(text).toString();
        QVERIFY2(key.isEmpty() || !keys.contains(key),
                 qPrintable(where + ": a second " + key + " in " + texts.join(", ")));
        keys.insert(key);
    }
    QSet<QKeySequence> seen;
    for (const QKeySequence &shortcut : shortcuts) {
        QVERIFY2(shortcut.isEmpty() || !seen.contains(shortcut),
                 qPrintable(where + ": " + shortcut.toString() + " twice"));
        seen.insert(shortcut);
    }
}

QStringList buttonTexts(const QWidget &owner) {
    QStringList texts;
    for (const QAbstractButton *button : owner.findChildren<QAbstractButton *>())
        texts << button->text();
    return texts;
}

// Plays a game of ten sums, views its record and exits; returns the store.
std::vector<FakeStore::Entry> playAndExit(const QString &language, FakeDialogs *shown = nullptr) {
    const Translations translations(language);
    QLocale::setDefault(QLocale(language.isEmpty() ? QStringLiteral("en_US") : language));
    DrillFixture fx;
    fx.startActive();
    fx.newGame({7, 12});
    for (int sum = 1; sum <= 10; ++sum) {
        fx.type(QString::number(sum % 3 ? fx.product() : fx.product() + 1));
        fx.enter();
    }
    fx.action("mnuHistory")->trigger();
    fx.window->close();
    QLocale::setDefault(QLocale::c());
    if (shown)
        *shown = fx.dialogs;
    return fx.store.entries;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    static void languages() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString();
        for (const QString &language : shipped)
            QTest::newRow(qPrintable(language)) << language;
    }

  private slots:
    // Texts are measured in the faces the program draws them with.
    void initTestCase() { installFontSubstitutes(); }

    void languageChoice_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcMessages");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("nothing set") << ""
                                     << ""
                                     << ""
                                     << ""
                                     << "";
        QTest::newRow("LANG") << ""
                              << ""
                              << ""
                              << "de_DE.UTF-8"
                              << "de";
        QTest::newRow("country falls back") << ""
                                            << ""
                                            << ""
                                            << "de_AT.UTF-8"
                                            << "de";
        QTest::newRow("modifier") << ""
                                  << ""
                                  << ""
                                  << "nl_BE@euro"
                                  << "nl";
        QTest::newRow("bare language") << ""
                                       << ""
                                       << ""
                                       << "es"
                                       << "es";
        QTest::newRow("not shipped") << ""
                                     << ""
                                     << ""
                                     << "ja_JP.UTF-8"
                                     << "";
        QTest::newRow("country of its own") << ""
                                            << ""
                                            << ""
                                            << "pt_BR.UTF-8"
                                            << "pt_BR";
        QTest::newRow("another country's script") << ""
                                                  << ""
                                                  << ""
                                                  << "zh_TW.UTF-8"
                                                  << "";
        QTest::newRow("no character set") << ""
                                          << ""
                                          << ""
                                          << "he_IL"
                                          << "he";
        QTest::newRow("LC_MESSAGES over LANG") << ""
                                               << ""
                                               << "fr_FR"
                                               << "de_DE"
                                               << "fr";
        QTest::newRow("LC_ALL over both") << ""
                                          << "es_ES"
                                          << "fr_FR"
                                          << "de_DE"
                                          << "es";
        QTest::newRow("LANGUAGE over the locale") << "nl:de"
                                                  << ""
                                                  << ""
                                                  << "de_DE"
                                                  << "nl";
        QTest::newRow("LANGUAGE list skips the unshipped") << "pt_PT:pt::fr_CA"
                                                           << ""
                                                           << ""
                                                           << "pt_PT.UTF-8"
                                                           << "fr";
        QTest::newRow("English first in LANGUAGE") << "en_GB:de"
                                                   << ""
                                                   << ""
                                                   << "de_DE"
                                                   << "";
        QTest::newRow("LANGUAGE with an English locale") << "de"
                                                         << ""
                                                         << ""
                                                         << "en_US"
                                                         << "de";
        QTest::newRow("C locale ignores LANGUAGE") << "de"
                                                   << ""
                                                   << ""
                                                   << "C.UTF-8"
                                                   << "";
        QTest::newRow("LC_ALL=C over LANG") << ""
                                            << "C"
                                            << ""
                                            << "de_DE"
                                            << "";
        QTest::newRow("POSIX") << "fr"
                               << ""
                               << ""
                               << "POSIX"
                               << "";
    }
    void languageChoice() {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcMessages);
        QFETCH(QString, lang);
        QFETCH(QString, chosen);
        const std::map<QString, QString> environment = {
            {"LANGUAGE", language}, {"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}};
        const auto lookUp = [&environment](const char *name) {
            const auto found = environment.find(QString::fromLatin1(name));
            return found == environment.end() ? QString() : found->second;
        };
        const auto isShipped = [](const QString &candidate) { return shipped.contains(candidate); };
        QCOMPARE(chooseLanguage(wantedLanguages(lookUp), isShipped), chosen);
    }

    void datesFollowTheWindowsLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lcAll");
        QTest::addColumn<QString>("lcTime");
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("locale");
        QTest::newRow("untranslated") << ""
                                      << ""
                                      << ""
                                      << "de_DE.UTF-8"
                                      << "C";
        QTest::newRow("the user's region") << "de"
                                           << ""
                                           << ""
                                           << "de_CH.UTF-8"
                                           << "de_CH";
        QTest::newRow("LC_TIME over LANG") << "fr"
                                           << ""
                                           << "fr_CA.UTF-8"
                                           << "fr_FR"
                                           << "fr_CA";
        QTest::newRow("LC_ALL over LC_TIME") << "es"
                                             << "es_MX"
                                             << "es_ES"
                                             << ""
                                             << "es_MX";
        QTest::newRow("another language's region") << "nl"
                                                   << ""
                                                   << ""
                                                   << "en_US.UTF-8"
                                                   << "nl_NL";
        QTest::newRow("first set decides") << "de"
                                           << ""
                                           << "en_GB"
                                           << "de_AT"
                                           << "de_DE";
        QTest::newRow("C locale") << "de"
                                  << "C.UTF-8"
                                  << ""
                                  << ""
                                  << "de_DE";
        QTest::newRow("bare language") << "fr"
                                       << ""
                                       << ""
                                       << "fr"
                                       << "fr_FR";
    }
    void datesFollowTheWindowsLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, lcAll);
        QFETCH(QString, lcTime);
        QFETCH(QString, lang);
        QFETCH(QString, locale);
        const std::map<QString, QString> environment = {
            {"LC_ALL", lcAll}, {"LC_TIME", lcTime}, {"LANG", lang}};
        const auto lookUp = [&environment](const char *name) {
            const auto found = environment.find(QString::fromLatin1(name));
            return found == environment.end() ? QString() : found->second;
        };
        QCOMPARE(shownLocale(language, lookUp).name(), locale);
    }

    void everyShippedLanguageIsBuiltIn() {
        for (const QString &language : shipped)
            QVERIFY2(isShipped(language), qPrintable(language));
        QVERIFY(!isShipped("en"));
        QVERIFY(!isShipped("pt"));
        QVERIFY(!isShipped("zh"));
        QVERIFY(!isShipped(""));
    }

    void accessKeysAndShortcutsStayUnique_data() { languages(); }
    void accessKeysAndShortcutsStayUnique() {
        QFETCH(QString, language);
        const Translations translations(language);
        WindowFixture fx;
        fx.start();
        // The menu bar and the options panel's boxes share Alt.
        QStringList windowTexts = buttonTexts(*fx.window);
        QList<QKeySequence> shortcuts;
        for (QAction *action : fx.window->menuBar()->actions())
            windowTexts << action->text();
        checkUnique("main window", windowTexts);
        for (QMenu *menu : fx.window->findChildren<QMenu *>()) {
            QStringList texts;
            for (QAction *action : menu->actions()) {
                texts << action->text();
                shortcuts << action->shortcuts();
            }
            checkUnique(menu->objectName(), texts);
        }
        checkUnique("main window", {}, shortcuts);
        openFromHelpMenu(fx, "mnuHelpAbout",
                         [](frmAbout &window) { checkUnique("About", buttonTexts(window)); });

        QMessageBox question;
        question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        checkUnique("Yes/No message", buttonTexts(question));
        QInputDialog prompt;
        checkUnique("name prompt", buttonTexts(prompt));
        if (!language.isEmpty()) {
            // Qt's own translation reached the standard buttons too.
            QVERIFY(question.button(QMessageBox::Yes)->text() != QStringLiteral("&Yes"));
        }
    }

    void textsFitTheirControls_data() {
        QTest::addColumn<QString>("language");
        for (const QString &language : shipped)
            QTest::newRow(qPrintable(language)) << language;
    }
    // Controls keep their designed sizes, so a translated text may not need
    // more room than the tightest English text of its kind already does.
    void textsFitTheirControls() {
        QFETCH(QString, language);
        std::map<QString, int> allowed;
        for (const auto &[name, english] : overruns(QString()))
            allowed[english.kind] = std::max(allowed[english.kind], english.pixels);
        QStringList tooLong;
        for (const auto &[name, translated] : overruns(language)) {
            if (translated.pixels > allowed[translated.kind])
                tooLong << QStringLiteral("%1 by %2 px")
                               .arg(name)
                               .arg(translated.pixels - allowed[translated.kind]);
        }
        QVERIFY2(tooLong.isEmpty(), qPrintable("too long: " + tooLong.join(", ")));
    }

    void recordsAreReadInTheLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("shown");
        const QString sums = "  7  x  12\t\t 84\t 74\r\n";
        const QString header = "  Sums\t\tCorrect\tYours\r\n";
        QTest::newRow("English unchanged") << ""
                                           << "You have scored 9/10.\r\n\r\n" + header + sums
                                           << "You have scored 9/10.\r\n\r\n" + header + sums;
        QTest::newRow("score and header translated")
            << "de"
            << "You have scored 9/10.\r\n\r\n" + header + sums
            << "Dein Ergebnis: 9/10.\r\n\r\n  Aufgaben\t\tRichtig\tDeine Antwort\r\n  7  ·  12\t\t "
               "84\t "
               "74\r\n";
        // The heading line runs from the left like the sum lines, so each heading stands over its
        // column.
        QTest::newRow("right-to-left header")
            << "he"
            << "You have scored 9/10.\r\n\r\n" + header + sums
            << QString::fromUtf8(
                   "הציון שלך: 9/10.\r\n\r\n\u200e  תרגילים\t\tנכון\tשלך\r\n  7  ×  12\t\t "
                   "84\t 74\r\n");
        QTest::newRow("score line alone") << "de"
                                          << "You have scored 10/10.\r\n\r\n"
                                          << "Dein Ergebnis: 10/10.\r\n\r\n";
        QTest::newRow("header only after a score line") << "de" << header + sums << header + sums;
        QTest::newRow("score not at the start") << "de"
                                                << "x You have scored 1/2.\r\n\r\n"
                                                << "x You have scored 1/2.\r\n\r\n";
        QTest::newRow("no number") << "de"
                                   << "You have scored /10.\r\n\r\n"
                                   << "You have scored /10.\r\n\r\n";
    }
    void recordsAreReadInTheLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, record);
        QFETCH(QString, shown);
        const Translations translations(language);
        QCOMPARE(recordForReading(record), shown);
    }

    // Names are filled into translated texts; a name that looks like a
    // placeholder must come out as typed.
    void namesAreShownAsTyped_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        for (const QString &language : {QString(), QStringLiteral("de"), QStringLiteral("he")}) {
            const QByteArray row = language.isEmpty() ? "en" : language.toLatin1();
            QTest::newRow(row + " placeholders") << language << "Ann %1 %2 %4";
            QTest::newRow(row + " PlayerName") << language << "PlayerName";
            QTest::newRow(row + " ampersand") << language << "Tom & Jerry";
        }
        QTest::newRow("he Latin name ending in a stop") << "he"
                                                        << "J. R.";
        QTest::newRow("he Hebrew name") << "he"
                                        << "\u05d3\u05e0\u05d4";
        QTest::newRow("zh long name") << "zh_CN"
                                      << "Maximilian Alexander";
    }
    void namesAreShownAsTyped() {
        QFETCH(QString, language);
        QFETCH(QString, name);
        const Translations translations(language);
        WindowFixture fx;
        fx.start(name);
        QVERIFY(fx.control<QLabel>("lblWelcome")->text().contains(name));
        QCOMPARE(fx.control<QLabel>("lblWelcome")->text().count(name), 1);
        QVERIFY(ratingLine(10, 10, name).contains(name));
        QVERIFY(noHistoryText(name).contains(name));
        const QString title = historyTitle(name, 2, 5, "14/07/01 10:23:45", 2026);
        QVERIFY(title.contains(name));
        QVERIFY(title.contains("2/5"));
        QVERIFY(title.contains("14/07/01 10:23:45"));
        // Among right-to-left words a name keeps its own order, whatever its letters.
        if (QGuiApplication::isRightToLeft())
            QVERIFY(fx.control<QLabel>("lblWelcome")->text().contains("\u2068" + name + "\u2069"));
    }

    // A right-to-left language turns the windows round, as Qt does for laid-out
    // windows, but the sum reads left to right, its answer last.
    void layoutFollowsTheLanguage_data() { languages(); }
    void layoutFollowsTheLanguage() {
        QFETCH(QString, language);
        QTranslator own;
        if (!language.isEmpty())
            QVERIFY(own.load(":/i18n/quorvel_" + language + ".qm"));
        const bool rightToLeft = language == QLatin1String("he");
        QCOMPARE(own.translate("QGuiApplication", "QT_LAYOUT_DIRECTION",
                               "Translate this string to the string 'LTR' in left-to-right "
                               "languages or to 'RTL' in right-to-left languages (such as Hebrew "
                               "and Arabic) to get proper widget layout."),
                 language.isEmpty() ? QString()
                 : rightToLeft      ? "RTL"
                                    : "LTR");

        const Translations translations(language);
        QCOMPARE(QGuiApplication::isRightToLeft(), rightToLeft);
        WindowFixture fx;
        fx.start();
        auto x = [&fx](const char *name) { return fx.control<QWidget>(name)->x(); };
        QCOMPARE(x("chkTimes_0") > x("chkTimes_7"), rightToLeft);
        QCOMPARE(x("lblCorrect") > fx.control<QWidget>("fraSum")->width() / 2, rightToLeft);
        QVERIFY(x("lblNum1") < x("Label2") && x("Label2") < x("lblNum2") &&
                x("lblNum2") < x("Label4") && x("Label4") < x("txtAnswer"));
    }

    // Each translated help document reads, and names the prompt and menu
    // items as the translated windows do.
    void helpDocumentMatchesTheWindows_data() {
        QTest::addColumn<QString>("language");
        for (const QString &language : shipped)
            QTest::newRow(qPrintable(language)) << language;
    }
    void helpDocumentMatchesTheWindows() {
        QFETCH(QString, language);
        QFile file(QFINDTESTDATA("../data/Quorvel." + language + ".rtf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTextDocument document;
        QVERIFY(readRtf(file.readAll(), document));
        const Translations translations(language);
        const QString text = document.toRawText();
        for (const char *shown :
             {"What is your name?", "&Options...", "&View History", "&Progress", "&Cancel Game"}) {
            // Chinese puts an access key after its caption: "(&O)".
            const QString translated = QCoreApplication::translate("frmTables", shown)
                                           .remove(QRegularExpression(QStringLiteral("\\(&.\\)")))
                                           .remove(QLatin1Char('&'));
            QVERIFY2(text.contains(translated), qPrintable(translated));
        }
    }

    // What a game stores is the same in every language; only what is shown differs.
    void storedDataIsTheSameInEveryLanguage_data() {
        QTest::addColumn<QString>("language");
        for (const QString &language : shipped)
            QTest::newRow(qPrintable(language)) << language;
    }
    void storedDataIsTheSameInEveryLanguage() {
        QFETCH(QString, language);
        FakeDialogs englishShown;
        FakeDialogs translatedShown;
        const std::vector<FakeStore::Entry> english = playAndExit(QString(), &englishShown);
        const std::vector<FakeStore::Entry> translated = playAndExit(language, &translatedShown);
        QCOMPARE(translated.size(), english.size());
        for (std::size_t i = 0; i < english.size(); ++i) {
            QCOMPARE(translated[i].section, english[i].section);
            QCOMPARE(translated[i].key, english[i].key);
            QCOMPARE(translated[i].value, english[i].value);
        }
        // The score and the one record viewed: translated, the sums with the school's sign.
        const auto record = std::find_if(english.begin(), english.end(), [](const auto &entry) {
            return entry.section.startsWith("History");
        });
        QVERIFY(record != english.end());
        const Translations translations(language);
        const QString sums = record->value.section("Yours\r\n", 1)
                                 .replace(QStringLiteral("  x "),
                                          QStringLiteral("  ") + timesSign() + QLatin1Char(' '));
        QVERIFY(!sums.isEmpty());
        QCOMPARE(translatedShown.messages.size(), size_t(2));
        for (std::size_t i = 0; i < 2; ++i) {
            QVERIFY(translatedShown.messages[i].text != englishShown.messages[i].text);
            QVERIFY(translatedShown.messages[i].text.contains(sums));
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
