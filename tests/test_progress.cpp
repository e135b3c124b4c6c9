// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "drill/history_key.h"
#include "drill/score.h"
#include "drill/transcript.h"
#include "platform/sqlite_store.h"
#include "progress/fixed_paragraph.h"
#include "progress/frm_progress.h"
#include "progress/history_digest.h"
#include "progress/score_chart.h"
#include "progress/square_delegate.h"
#include "progress/wrong_sum_counts.h"
#include "support/window_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <sqlite3.h>

namespace {

const QString sam = QStringLiteral("History\\Sam");

// A record as the game writes it; each wrong sum is "table x multiplier".
QString record(int correct, int sums, const QStringList &wrong = {}) {
    QString text = scoreLine(correct, sums);
    if (!wrong.isEmpty())
        text += transcriptHeader;
    for (const QString &sum : wrong)
        text += transcriptLine(sum.section('x', 0, 0).toInt(), sum.section('x', 1).toInt(), "0");
    return text;
}

QString described(const std::optional<PlayedGame> &game, const std::vector<WrongSum> &wrongSums) {
    if (!game)
        return QStringLiteral("unreadable");
    QStringList wrong;
    for (const WrongSum &sum : wrongSumsOf(*game, wrongSums))
        wrong << QStringLiteral("%1x%2").arg(sum.table).arg(sum.multiplier);
    return QStringLiteral("%1 %2 %3/%4 %5")
        .arg(game->date.toString(Qt::ISODate), game->time.toString(Qt::ISODate))
        .arg(game->correct)
        .arg(game->sums)
        .arg(wrong.join(','))
        .trimmed();
}

PlayedGame playedAt(const QString &when, int correct = 1, int sums = 1) {
    const QDateTime moment = QDateTime::fromString(when, Qt::ISODate);
    return {moment.date(), moment.time(), correct, sums};
}

// Every game of a history as text, with its wrong sums, and the count of unreadable records.
QStringList described(const PlayerHistory &history) {
    QStringList games;
    for (const PlayedGame &game : history.games)
        games << described(game, history.wrongSums);
    games << QString::number(history.unreadable);
    return games;
}

// Games a day apart scoring `percents`, and the list of them a window shows.
struct ScoredGames {
    std::vector<PlayedGame> games;
    std::vector<const PlayedGame *> shown;
};
ScoredGames scored(const QList<int> &percents) {
    ScoredGames result;
    for (qsizetype day = 0; day < percents.size(); ++day)
        result.games.push_back(
            playedAt(QStringLiteral("2026-11-%1T10:00:00").arg(day + 1, 2, 10, QChar('0')),
                     percents[day], 100));
    for (const PlayedGame &game : result.games)
        result.shown.push_back(&game);
    return result;
}

// Opens the Progress window from the menu and hands it to `look` while it is open.
void openProgress(WindowFixture &fx, const std::function<void(frmProgress &)> &look) {
    fx.modal.whileOpen = [&look](QDialog &dialog) { look(static_cast<frmProgress &>(dialog)); };
    fx.action("mnuProgress")->trigger();
}

template <typename T> T *in(QWidget &window, const char *name) {
    T *found = window.findChild<T *>(name);
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

QString text(QWidget &window, const char *label) {
    return in<QLabel>(window, label)->text();
}

void choosePeriod(QWidget &window, Period period) {
    in<QComboBox>(window, "cboPeriod")->setCurrentIndex(int(period));
}

QString cell(QWidget &window, int table, int column, int role = Qt::DisplayRole) {
    const QAbstractItemModel *model = in<QTableView>(window, "grdWrongSums")->model();
    return model->data(model->index(table - 2, column), role).toString();
}

} // namespace

class TestProgress : public QObject {
    Q_OBJECT

  private slots:
    void readsRecords_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("game");
        const QString key = "06/12/26 14:03:09";
        const QString header = transcriptHeader;
        QTest::newRow("every sum right") << key << record(10, 10) << "2026-12-06 14:03:09 10/10";
        QTest::newRow("wrong and unanswered sums, in order")
            << key << record(7, 10, {"7x12", "15x15", "7x12"})
            << "2026-12-06 14:03:09 7/10 7x12,15x15,7x12";
        QTest::newRow("whatever was typed or pasted as the answer")
            << key
            << scoreLine(8, 10) + header + "  7  x  12\t\t 84\t \r4\r\n  3  x  4\t\t 12\tabc\r\n"
            << "2026-12-06 14:03:09 8/10 7x12,3x4";
        QTest::newRow("spacing of its own")
            << key << scoreLine(8, 10) + header + "7 x 12\t\t84\t\r\n7    x   8\t\t 56\t1\r\n"
            << "2026-12-06 14:03:09 8/10 7x12,7x8";
        QTest::newRow("two-digit year: the latest not after this one")
            << "31/12/99 23:59:59" << record(1, 1) << "1999-12-31 23:59:59 1/1";
        QTest::newRow("regional separators")
            << "06.12.26 14.03.09" << record(1, 1) << "2026-12-06 14:03:09 1/1";

        const QString bad = "unreadable";
        QTest::newRow("empty record") << key << "" << bad;
        QTest::newRow("not a score") << key << "You scored 8 out of 10\r\n\r\n" << bad;
        QTest::newRow("score without its line breaks") << key << "You have scored 10/10." << bad;
        QTest::newRow("more right than sums") << key << record(11, 10) << bad;
        QTest::newRow("no sums") << key << record(0, 0) << bad;
        QTest::newRow("score too long to count") << key << record(1, 1).insert(16, "999999") << bad;
        QTest::newRow("fewer wrong sums than the score says")
            << key << record(7, 10, {"2x2"}) << bad;
        QTest::newRow("wrong sums in a perfect game") << key << record(10, 10, {"2x2"}) << bad;
        QTest::newRow("wrong sums without the header")
            << key << scoreLine(9, 10) + transcriptLine(2, 2, "5") << bad;
        QTest::newRow("product does not match")
            << key << scoreLine(9, 10) + header + "  7  x  12\t\t 85\t 74\r\n"
            << bad;
        QTest::newRow("a blank between digits")
            << key << scoreLine(9, 10) + header + "1 2  x   1\t\t 12\t 74\r\n"
            << bad;
        QTest::newRow("table of 1") << key << record(9, 10, {"1x5"}) << bad;
        QTest::newRow("table of 16") << key << record(9, 10, {"16x5"}) << bad;
        QTest::newRow("multiplier 0") << key << record(9, 10, {"5x0"}) << bad;
        QTest::newRow("multiplier 16") << key << record(9, 10, {"5x16"}) << bad;
        QTest::newRow("last line cut short") << key << record(9, 10, {"2x2"}).chopped(2) << bad;
        QTest::newRow("key without seconds") << "06/12/26 14:03" << record(1, 1) << bad;
        QTest::newRow("key with a four-digit year") << "06/12/2026 14:03" << record(1, 1) << bad;
        QTest::newRow("no such day") << "30/02/26 14:03:09" << record(1, 1) << bad;
        QTest::newRow("no such hour") << "06/12/26 24:03:09" << record(1, 1) << bad;
        QTest::newRow("blank for a digit") << "06/12/26  4:03:09" << record(1, 1) << bad;
    }
    void readsRecords() {
        QFETCH(QString, key);
        QFETCH(QString, record);
        QFETCH(QString, game);
        std::vector<WrongSum> wrongSums;
        const std::optional<PlayedGame> played =
            readPlayedGame(key.toUtf8(), record.toUtf8(), wrongSums, 2026);
        QCOMPARE(described(played, wrongSums), game);
    }

    void twoDigitYears_data() {
        QTest::addColumn<QString>("date"); // as a record's key has it
        QTest::addColumn<int>("thisYear");
        QTest::addColumn<int>("year");
        QTest::newRow("this year") << "01/01/26" << 2026 << 2026;
        QTest::newRow("last century") << "01/01/99" << 2026 << 1999;
        QTest::newRow("a clock put back to 1970") << "01/01/70" << 2026 << 1970;
        QTest::newRow("next year is a century back") << "01/01/27" << 2026 << 1927;
        QTest::newRow("read in 1970") << "01/01/70" << 1970 << 1970;
        QTest::newRow("read in 2099") << "01/01/26" << 2099 << 2026;
        QTest::newRow("read in 2100") << "01/01/00" << 2100 << 2100;
        QTest::newRow("a leap day 2100 does not have") << "29/02/00" << 2100 << 2000;
        QTest::newRow("a leap day three centuries back") << "29/02/00" << 2399 << 2000;
    }
    void twoDigitYears() {
        QFETCH(QString, date);
        QFETCH(int, thisYear);
        QFETCH(int, year);
        const std::optional<KeyTime> written =
            readHistoryKey((date + " 00:00:00").toUtf8(), thisYear);
        QVERIFY(written);
        QCOMPARE(written->date.year(), year);
    }

    void periods_data() {
        QTest::addColumn<int>("period");
        QTest::addColumn<QStringList>("played");
        QTest::addColumn<QList<int>>("shown");
        QStringList twelve;
        for (int day = 1; day <= 12; ++day)
            twelve << QStringLiteral("2026-11-%1T10:00:00").arg(day, 2, 10, QChar('0'));
        QTest::newRow("last ten of twelve")
            << int(Period::LastTenGames) << twelve << QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
        QTest::newRow("last ten of three")
            << int(Period::LastTenGames) << twelve.mid(0, 3) << QList<int>{0, 1, 2};
        QTest::newRow("all") << int(Period::AllGames) << twelve.mid(0, 3) << QList<int>{0, 1, 2};
        // Now is 2026-12-06T14:03:09.
        QTest::newRow("last 30 days: from the same time 30 days back, in the order played")
            << int(Period::LastThirtyDays)
            << QStringList{"2026-11-06T14:03:08", "2026-12-01T09:00:00", "2026-11-06T14:03:09",
                           "2025-12-06T14:03:09", "2026-12-06T14:03:09"}
            << QList<int>{1, 2, 4};
        QTest::newRow("last 30 days: not a game dated after now")
            << int(Period::LastThirtyDays)
            << QStringList{"2026-12-06T14:03:10", "2027-01-01T00:00:00", "2026-12-06T14:03:09"}
            << QList<int>{2};
    }
    void periods() {
        QFETCH(int, period);
        QFETCH(QStringList, played);
        QFETCH(QList<int>, shown);
        std::vector<PlayedGame> games;
        for (const QString &when : played)
            games.push_back(playedAt(when));
        QList<int> found;
        for (const PlayedGame *game : gamesIn(games, Period(period), FakeClock().now()))
            found << int(game - games.data());
        QCOMPARE(found, shown);
    }

    void countsWrongSumsAndTheGamesShowingEachTable() {
        std::vector<WrongSum> wrongSums;
        const std::optional<PlayedGame> first =
            readPlayedGame("01/12/26 10:00:00",
                           record(6, 10, {"7x8", "7x8", "7x3", "15x15"}).toUtf8(), wrongSums, 2026);
        const std::optional<PlayedGame> second =
            readPlayedGame("02/12/26 10:00:00", record(9, 10, {"7x8"}).toUtf8(), wrongSums, 2026);
        const WrongSumCounts counts = countWrongSums({&*first, &*second}, wrongSums);
        QCOMPARE(counts.times[5][7], 3);
        QCOMPARE(counts.times[5][2], 1);
        QCOMPARE(counts.times[13][14], 1);
        QCOMPARE(counts.most, 3);
        QCOMPARE(counts.gamesShowingTable[5], 2);  // once per game, however many sums
        QCOMPARE(counts.gamesShowingTable[13], 1); // table of 15
        QCOMPARE(counts.gamesShowingTable[0], 0);
    }

    void eachGameKeepsItsOwnWrongSumsAmongUnreadableRecords() {
        // Enough games that the list of wrong sums moves while it grows, and
        // that they are parsed in batches while the rest is still being read.
        FakeStore store;
        const QDateTime start(QDate(2026, 1, 1), QTime(9, 0));
        auto wrongOf = [](int n) {
            return QStringList(n % 4, QStringLiteral("%1x%2").arg(2 + n % 14).arg(1 + n % 15));
        };
        constexpr int games = 3000;
        for (int n = 0; n < games; ++n) {
            store.put(sam, start.addSecs(n).toString("dd/MM/yy HH:mm:ss"),
                      record(10 - n % 4, 10, wrongOf(n)));
            if (n % 7 == 0)
                store.put(sam, QStringLiteral("edited %1").arg(n), record(10, 10));
        }
        const PlayerHistory history = readPlayerHistory(store, sam, 2026);
        QCOMPARE(history.games.size(), std::size_t(games));
        QCOMPARE(history.unreadable, (games + 6) / 7);
        for (int n = 0; n < games; ++n) {
            QStringList wrong;
            for (const WrongSum &sum : history.wrongSumsOf(history.games[std::size_t(n)]))
                wrong << QStringLiteral("%1x%2").arg(sum.table).arg(sum.multiplier);
            QCOMPARE(wrong, wrongOf(n));
        }
    }

    void digestTellsTheHistoryOrNothing_data() {
        QTest::addColumn<int>("at");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("as made") << -1 << QByteArray();
        QTest::newRow("cut short") << -2 << QByteArray();
        QTest::newRow("a byte more") << -3 << QByteArray("\0", 1);
        QTest::newRow("another format") << 3 << QByteArray("9");
        QTest::newRow("another year") << 4 << QByteArray("\xe9");
        QTest::newRow("more games than bytes") << 12 << QByteArray("\xff\xff");
        QTest::newRow("a wrong sum no grid has") << -2 << QByteArray("\xd2");
    }
    void digestTellsTheHistoryOrNothing() {
        QFETCH(int, at);
        QFETCH(QByteArray, bytes);
        PlayerHistory history;
        history.unreadable = 2;
        for (int n = 0; n < 40; ++n) {
            // Days forwards and, as after a clock put back, backwards.
            const QString key = QStringLiteral("%1/%2/26 %3:00:59")
                                    .arg(1 + (n * 7) % 28, 2, 10, QChar('0'))
                                    .arg(1 + n % 12, 2, 10, QChar('0'))
                                    .arg(n % 24, 2, 10, QChar('0'));
            const QString text =
                record(15 - n % 4, 15, QStringList(n % 4, QStringLiteral("%1x7").arg(2 + n % 14)));
            history.games.push_back(
                *readPlayedGame(key.toUtf8(), text.toUtf8(), history.wrongSums, 2026));
        }
        // As a history read from both ends holds them: the later games' wrong
        // sums are listed from the last game backwards.
        std::reverse(history.games.begin() + 20, history.games.end());
        QByteArray digest = historyDigest(history, 2026);
        if (at == -1) {
            QCOMPARE(described(*historyFromDigest(digest, 2026)), described(history));
            return;
        }
        if (at == -2)
            digest.chop(1);
        digest = at >= 0 ? digest.replace(at, bytes.size(), bytes) : digest + bytes;
        QCOMPARE(historyFromDigest(digest, 2026), std::nullopt);
    }

    // Read through the digest the store keeps, a long history is the one its
    // records tell, whatever was played or changed since the digest was kept.
    void historyReadThroughItsDigest_data() {
        QTest::addColumn<QByteArray>("sql");
        QTest::addColumn<int>("thisYear");
        QTest::addColumn<qsizetype>("recordsRead");
        const qsizetype all = 2103;
        QTest::newRow("nothing since") << QByteArray() << 2026 << qsizetype(0);
        QTest::newRow("a game played since")
            << QByteArray("INSERT INTO settings (section, key, value, section_match, key_match)"
                          " SELECT section, '08/12/26 10:00:00', value, section_match,"
                          " '08/12/26 10:00:00' FROM settings WHERE id = 5")
            << 2026 << qsizetype(1);
        QTest::newRow("a record edited")
            << QByteArray("UPDATE settings SET value = 'edited' WHERE id = 5") << 2026 << all;
        QTest::newRow("a record taken out")
            << QByteArray("DELETE FROM settings WHERE id = 5") << 2026 << all - 1;
        QTest::newRow("in another year") << QByteArray() << 2027 << all;
        QTest::newRow("digest damaged")
            << QByteArray("UPDATE section_digest SET digest = substr(digest, 1, 30)") << 2026
            << all;
    }
    void historyReadThroughItsDigest() {
        QFETCH(QByteArray, sql);
        QFETCH(int, thisYear);
        QFETCH(qsizetype, recordsRead);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("settings.sqlite"));
        SqliteStore store(path);
        // Enough games for a digest, some unreadable, among another player's.
        SettingPairs games;
        for (int n = 0; n < 2100; ++n) {
            const QString key = QStringLiteral("%1/11/%2 10:%3:%4")
                                    .arg(1 + n % 28, 2, 10, QChar('0'))
                                    .arg(n % 3 == 0 ? 99 : 26)
                                    .arg(n / 60 % 60, 2, 10, QChar('0'))
                                    .arg(n % 60, 2, 10, QChar('0'));
            const QString wrong = QStringLiteral("%1x%2").arg(2 + n % 14).arg(1 + n % 15);
            games.emplace_back(key, record(10 - n % 3, 10, QStringList(n % 3, wrong)));
        }
        games.emplace_back("edited by hand", "You have scored");
        QVERIFY(store.write(sam, {games.begin(), games.begin() + 1000}));
        QVERIFY(store.write("History\\Ann", {{"06/12/26 14:03:09", record(1, 1)}}));
        QVERIFY(store.write(sam, {games.begin() + 1000, games.end()}));
        QVERIFY(store.write(sam, {{"30/02/26 10:00:00", record(1, 1)}, {"x", "y"}}));
        refreshHistoryDigest(store, sam, 2026);
        QVERIFY(store.readDigest(sam));

        sqlite3 *db = nullptr;
        sqlite3_open(QFile::encodeName(path).constData(), &db);
        QCOMPARE(sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
        // What the records tell, read by a store that keeps no digest.
        FakeStore records;
        for (const auto &[key, value] : store.readAll(sam))
            records.put(sam, key, value);
        HistoryRead read;
        const PlayerHistory history = readPlayerHistory(store, sam, thisYear, &read);
        QCOMPARE(described(history), described(readPlayerHistory(records, sam, thisYear)));
        QCOMPARE(read.records, recordsRead);
    }

    // Reading a long history holds the window up: it is done once start-up is
    // over, never while a sum is timed, and tried again while the store checks its file.
    void historyReadAheadWhenNothingWaitsOnIt_data() {
        QTest::addColumn<bool>("inGame");
        QTest::addColumn<bool>("checking");
        QTest::addColumn<QStringList>("sectionsRead");
        QTest::addColumn<bool>("triedAgain");
        QTest::newRow("after the name") << false << false << QStringList{sam} << false;
        QTest::newRow("in a game") << true << false << QStringList{} << false;
        QTest::newRow("store still checking") << false << true << QStringList{} << true;
    }
    void historyReadAheadWhenNothingWaitsOnIt() {
        QFETCH(bool, inGame);
        QFETCH(bool, checking);
        QFETCH(QStringList, sectionsRead);
        QFETCH(bool, triedAgain);
        WindowFixture fx;
        fx.store.stillChecking = checking;
        fx.start("Sam");
        if (inGame) {
            fx.control<QCheckBox>("chkTimes_0")->setChecked(true);
            fx.action("mnuNewGame")->trigger();
        }
        auto *readAhead = fx.control<QTimer>("tmrReadAhead");
        QVERIFY(readAhead->isActive());
        readAhead->stop();
        fx.window->tmrReadAhead_Timer(); // as it would half a second on
        QCOMPARE(QStringList(fx.store.visitLog.begin(), fx.store.visitLog.end()), sectionsRead);
        QCOMPARE(readAhead->isActive(), triedAgain);
    }

    // Measured once a width, an explanation still measures as a label does,
    // in its font of the moment.
    void fixedParagraphMeasuresAsALabel() {
        const QString text =
            QStringLiteral("Each square counts how often that sum went wrong in the "
                           "games shown: the darker, the more often.");
        FixedParagraph paragraph(text, nullptr);
        QLabel label(text);
        label.setWordWrap(true);
        for (const double scale : {1.0, 2.0}) {
            QFont font = label.font();
            font.setPointSizeF(font.pointSizeF() * scale);
            paragraph.setFont(font);
            label.setFont(font);
            for (const int width : {150, 300, 150})
                QCOMPARE(paragraph.heightForWidth(width), label.heightForWidth(width));
        }
    }

    void summary_data() {
        QTest::addColumn<QList<int>>("percents");
        QTest::addColumn<QList<int>>("firstLastBestAverage");
        QTest::addColumn<double>("rise");
        QTest::newRow("one game has no trend")
            << QList<int>{70} << QList<int>{70, 70, 70, 70} << -1.0;
        QTest::newRow("rising") << QList<int>{50, 60, 70} << QList<int>{50, 70, 70, 60} << 20.0;
        QTest::newRow("falling, best in the middle")
            << QList<int>{80, 90, 40, 45} << QList<int>{80, 45, 90, 64} << -46.5;
        QTest::newRow("up and down evenly")
            << QList<int>{0, 100, 0, 100, 0} << QList<int>{0, 0, 100, 40} << 0.0;
    }
    void summary() {
        QFETCH(QList<int>, percents);
        QFETCH(QList<int>, firstLastBestAverage);
        QFETCH(double, rise);
        const std::optional<ScoreSummary> found = summarise(scored(percents).shown);
        QVERIFY(found);
        QCOMPARE((QList<int>{found->first, found->last, found->best, found->average}),
                 firstLastBestAverage);
        QCOMPARE(found->trend ? found->trend->rise() : -1.0, rise);
    }

    void menuItemFollowsViewHistoryWithKeysOfItsOwn() {
        WindowFixture fx;
        fx.make();
        const QList<QAction *> items = fx.control<QMenu>("mnuGame")->actions();
        QAction *progress = fx.action("mnuProgress");
        QCOMPARE(items.indexOf(progress), items.indexOf(fx.action("mnuHistory")) + 1);
        QCOMPARE(progress->shortcut(), QKeySequence("Ctrl+P"));
        QSet<QChar> accessKeys;
        QSet<QKeySequence> shortcuts;
        for (QAction *action : fx.window->findChildren<QAction *>()) {
            if (action->isSeparator())
                continue;
            const QChar key(int(QKeySequence::mnemonic(action->text())[0].key()));
            const bool inGame = items.contains(action);
            QVERIFY2(!inGame || !accessKeys.contains(key), qPrintable(action->text()));
            if (inGame)
                accessKeys << key;
            QVERIFY2(action->shortcut().isEmpty() || !shortcuts.contains(action->shortcut()),
                     qPrintable(action->text()));
            shortcuts << action->shortcut();
        }
    }

    void showsScoresWrongSumsAndUnreadableRecords() {
        WindowFixture fx;
        fx.start("Sam");
        fx.store.put(sam, "01/12/26 10:00:00", record(5, 10, {"7x8", "7x8", "7x3", "2x2", "9x9"}));
        fx.store.put(sam, "02/12/26 10:00:00", "edited by hand");
        fx.store.put(sam, "03/12/26 10:00:00", record(9, 10, {"7x8"}));
        fx.store.put(sam, "not a date", record(10, 10));
        fx.store.put(sam, "04/12/26 10:00:00", record(10, 10));
        fx.store.put("History\\Ann", "05/12/26 10:00:00", record(0, 10));
        fx.clock.current = QDateTime(QDate(2027, 1, 3), QTime(10, 0, 1));
        bool opened = false;
        openProgress(fx, [&opened](frmProgress &window) {
            opened = true;
            QCOMPARE(window.windowTitle(), QString("Sam's Progress"));
            QCOMPARE(text(window, "lblUnreadable"), QString("2 records could not be read."));
            QCOMPARE(text(window, "lblSummary"),
                     QString("3 games, 01/12/26 to 04/12/26. First 50%, last 100%, best 100%, "
                             "average 80%. Trend: up about 50 points."));
            QCOMPARE(text(window, "lblGame"),
                     QString("Game 3 of 3: 04/12/26 10:00, 10/10 right (100%)"));
            QCOMPARE(cell(window, 7, 7), QString("3"));
            QCOMPARE(cell(window, 7, 7, Qt::AccessibleTextRole),
                     QString("7 x 8 = 56: wrong 3 times"));
            QCOMPARE(cell(window, 7, 0), QString());
            // A row read out names only what went wrong, and the square the player is on.
            QCOMPARE(cell(window, 7, 0, Qt::AccessibleTextRole), QString(" "));
            QTableView *grid = in<QTableView>(window, "grdWrongSums");
            grid->setCurrentIndex(grid->model()->index(7 - 2, 0));
            QCOMPARE(cell(window, 7, 0, Qt::AccessibleTextRole), QString("7 x 1 = 7: never wrong"));
            QCOMPARE(cell(window, 7, multipliersShown), QString("2"));
            auto lightness = [&window](int table, int column) {
                return QColor(cell(window, table, column, Qt::BackgroundRole)).lightness();
            };
            QVERIFY(cell(window, 7, 0, Qt::BackgroundRole).isEmpty()); // none: the view's own
            QVERIFY(lightness(7, 7) < lightness(7, 2));                // 3 times darker than once

            choosePeriod(window, Period::LastThirtyDays);
            QCOMPARE(text(window, "lblSummary"), QString("No games in the last 30 days."));
            QCOMPARE(cell(window, 7, 7), QString());
            QVERIFY(in<QLabel>(window, "lblGame")->isHidden());
        });
        QVERIFY(opened);
    }

    void aPlayerWithoutGamesOrStoreGetsAnEmptyWindow_data() {
        QTest::addColumn<bool>("storeFails");
        QTest::newRow("no games") << false;
        QTest::newRow("store cannot be read") << true;
    }
    void aPlayerWithoutGamesOrStoreGetsAnEmptyWindow() {
        QFETCH(bool, storeFails);
        WindowFixture fx;
        fx.start("Sam");
        fx.store.put("History\\Ann", "05/12/26 10:00:00", record(0, 10));
        fx.store.failReads = storeFails;
        QString summary;
        openProgress(fx, [&summary](frmProgress &window) {
            summary = text(window, "lblSummary");
            QVERIFY(in<QLabel>(window, "lblUnreadable")->isHidden());
            auto *chart = in<ScoreChart>(window, "picScores");
            QTest::keyClick(chart, Qt::Key_Home);
            QTest::keyClick(chart, Qt::Key_Right);
            QCOMPARE(chart->current(), -1);
        });
        QCOMPARE(summary, QString("No games to show."));
        QVERIFY(fx.dialogs.messages.empty());
    }

    // Where a click lands and where the arrow keys lead, with time running from the right in a
    // right-to-left language.
    void chartRunsTheWayTheLanguageReads_data() {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<int>("atLeftEdge");
        QTest::addColumn<int>("atRightEdge");
        QTest::addColumn<int>("leftOfTheFirst");
        QTest::newRow("left to right") << Qt::LeftToRight << 0 << 2 << 0;
        QTest::newRow("right to left") << Qt::RightToLeft << 2 << 0 << 1;
    }
    void chartRunsTheWayTheLanguageReads() {
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(int, atLeftEdge);
        QFETCH(int, atRightEdge);
        QFETCH(int, leftOfTheFirst);
        ScoreChart chart;
        chart.setLayoutDirection(direction);
        chart.resize(chart.sizeHint());
        const ScoredGames games = scored({10, 50, 90});
        chart.setScores(games.shown, std::nullopt, {});
        QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(1, 100));
        QCOMPARE(chart.current(), atLeftEdge);
        QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(chart.width() - 2, 100));
        QCOMPARE(chart.current(), atRightEdge);
        QTest::keyClick(&chart, Qt::Key_Home);
        QTest::keyClick(&chart, Qt::Key_Left);
        QCOMPARE(chart.current(), leftOfTheFirst);
    }

    void chartKeysPickOutEachGame_data() {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("game");
        QTest::newRow("starts at the last") << QList<int>{} << 25;
        QTest::newRow("left") << QList<int>{Qt::Key_Left} << 24;
        QTest::newRow("home, then left stays") << QList<int>{Qt::Key_Home, Qt::Key_Left} << 1;
        QTest::newRow("page up twice") << QList<int>{Qt::Key_PageUp, Qt::Key_PageUp} << 5;
        QTest::newRow("right stays at the end") << QList<int>{Qt::Key_Right} << 25;
        QTest::newRow("home, page down") << QList<int>{Qt::Key_Home, Qt::Key_PageDown} << 11;
    }
    void chartKeysPickOutEachGame() {
        QFETCH(QList<int>, keys);
        QFETCH(int, game);
        WindowFixture fx;
        fx.start("Sam");
        for (int n = 1; n <= 25; ++n)
            fx.store.put(sam, QStringLiteral("%1/11/26 10:00:00").arg(n, 2, 10, QChar('0')),
                         record(n % 11, 10, QStringList(10 - n % 11, "2x2")));
        QString shown;
        openProgress(fx, [&](frmProgress &window) {
            auto *chart = in<ScoreChart>(window, "picScores");
            for (int key : keys)
                QTest::keyClick(chart, Qt::Key(key));
            shown = text(window, "lblGame");
            QVERIFY(chart->accessibleDescription().endsWith(shown));
        });
        // A game the keys moved to is told to a screen reader.
        if (game != 25)
            QCOMPARE(fx.announcer.spoken.last(), shown);
        QVERIFY2(
            shown.startsWith(
                QStringLiteral("Game %1 of 25: %2/11/26").arg(game).arg(game, 2, 10, QChar('0'))),
            qPrintable(shown));
    }

    // The grids' squares look exactly as the toolkit's own drawing makes them, texts that do not
    // fit included.
    void squaresLookAsTheToolkitDrawsThem_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("fits") << "12/15" << Qt::LeftToRight << true;
        QTest::newRow("cut short") << "1234567890/1234567890" << Qt::LeftToRight << true;
        QTest::newRow("words wrapped") << "nine out of ten, every day" << Qt::LeftToRight << true;
        QTest::newRow("right to left") << "12/15" << Qt::RightToLeft << true;
        QTest::newRow("Hebrew") << "\u05E9\u05D1\u05E2" << Qt::RightToLeft << true;
        QTest::newRow("disabled") << "12/15" << Qt::LeftToRight << false;
    }
    void squaresLookAsTheToolkitDrawsThem() {
        QFETCH(QString, text);
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(bool, enabled);
        QStandardItemModel model(3, 3);
        const Qt::Alignment alignments[] = {Qt::AlignCenter, Qt::AlignLeft | Qt::AlignTop,
                                            Qt::AlignRight | Qt::AlignBottom};
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                auto *item = new QStandardItem(text);
                item->setTextAlignment(alignments[column]);
                if (row == 1)
                    item->setBackground(QColor(245, 170, 165));
                if (column == 2)
                    item->setForeground(Qt::white);
                model.setItem(row, column, item);
            }
        }
        QTableView view;
        view.setModel(&model);
        view.setLayoutDirection(direction);
        view.setEnabled(enabled);
        view.resize(300, 200);
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        view.setCurrentIndex(model.index(1, 1));
        const QImage byToolkit = view.grab().toImage();
        view.setItemDelegate(new SquareDelegate(&view));
        QCOMPARE(view.grab().toImage(), byToolkit);
    }
};

QTEST_MAIN(TestProgress)
#include "test_progress.moc"
