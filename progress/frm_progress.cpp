// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#include "progress/frm_progress.h"

#include "platform/announcer.h"
#include "platform/shown_text.h"
#include "progress/fixed_paragraph.h"
#include "progress/knowledge_model.h"
#include "progress/listened_grid.h"
#include "progress/progress_texts.h"
#include "progress/score_chart.h"
#include "progress/square_delegate.h"
#include "progress/wrong_sums_model.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTableView>

namespace {

QLabel *heading(const QString &text, QWidget *parent) {
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel *paragraph(const QString &name, QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// What is said of the player's own games can be copied. Selectable text is
// laid out again at every width tried, so the fixed explanations are not.
QLabel *selectableParagraph(const QString &name, QWidget *parent) {
    QLabel *label = paragraph(name, parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// A grid of squares, one a sum, read out as the player moves over it, with
// every row and column in view at once, so nothing has to be scrolled to.
QTableView *squareGrid(const QString &name, QAbstractTableModel &model, const QString &heading,
                       const QString &explanation, QWidget *parent) {
    auto *view = new QTableView(parent);
    view->setObjectName(name);
    view->setAccessibleName(heading);
    view->setAccessibleDescription(explanation);
    view->setItemDelegate(new SquareDelegate(view));
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves a grid, as it does every other control, instead of walking its squares.
    view->setTabKeyNavigation(false);
    // Numbers need no shaping, which was most of drawing hundreds of squares;
    // a script that needs it is still shaped.
    QFont font = view->font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    view->setFont(font);
    const QFontMetrics metrics = view->fontMetrics();
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setMinimumSectionSize(0);
    view->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    view->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Last, so the headers measure their sections once the font is set.
    new ListenedGrid(model, *view);
    return view;
}

// Room for three digits, or for the largest count when it has more; the
// games column for its heading or its count of games.
void fitColumns(QTableView &view, int most, qsizetype games) {
    const QFontMetrics metrics = view.fontMetrics();
    const int digits = std::max(metrics.horizontalAdvance(QStringLiteral("999")),
                                metrics.horizontalAdvance(QString::number(most)));
    const int heading = std::max(metrics.horizontalAdvance(gamesHeading()),
                                 metrics.horizontalAdvance(QString::number(games)));
    // A new default size resizes every column, this one too.
    view.horizontalHeader()->setDefaultSectionSize(digits + 12);
    view.horizontalHeader()->resizeSection(view.model()->columnCount() - 1, heading + 16);
}

// The whole page where the screen has room for it, else as much as fits,
// with scroll bars for the rest.
void fitToScreen(QScrollArea &scroll) {
    const QWidget &page = *scroll.widget();
    QSize size = page.sizeHint();
    // The hint takes wrapped lines at a width of their own choosing.
    if (page.hasHeightForWidth())
        size.setHeight(page.heightForWidth(size.width()));
    if (const QScreen *screen = scroll.screen()) {
        const QSize room = screen->availableGeometry().size() * 0.85;
        if (size.height() > room.height())
            size.rwidth() += scroll.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        size = size.boundedTo(room);
    }
    scroll.setMinimumSize(size);
}

} // namespace

frmProgress::frmProgress(PlayerHistory history, Knowledge knowledge, const QString &playerName,
                         const QDateTime &now, Announcer &announcer, QWidget *parent)
    : QDialog(parent), announcer_(announcer), history_(std::move(history)), now_(now) {
    setObjectName(QStringLiteral("frmProgress"));
    setTitleAsGiven(*this, progressTitle(playerName));
    createControls(std::move(knowledge));
    {
        const QSignalBlocker once(cboPeriod);
        cboPeriod->setCurrentIndex(int(std::size(periods)) - 1);
    }
    cboPeriod_Click();
    fitToScreen(*findChild<QScrollArea *>());
}

void frmProgress::createControls(Knowledge knowledge) {
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);

    auto *periodRow = new QHBoxLayout;
    auto *periodCaption = new QLabel(periodLabel(), this);
    cboPeriod = new QComboBox(this);
    cboPeriod->setObjectName(QStringLiteral("cboPeriod"));
    for (Period period : periods)
        cboPeriod->addItem(periodName(period));
    periodCaption->setBuddy(cboPeriod);
    lblUnreadable = selectableParagraph(QStringLiteral("lblUnreadable"), this);
    lblUnreadable->setWordWrap(false);
    lblUnreadable->setText(unreadableText(history_.unreadable));
    lblUnreadable->setVisible(history_.unreadable > 0);
    periodRow->addWidget(periodCaption);
    periodRow->addWidget(cboPeriod);
    periodRow->addStretch();
    periodRow->addWidget(lblUnreadable);
    layout->addLayout(periodRow);

    layout->addWidget(heading(scoresHeading(), this));
    picScores = new ScoreChart(this);
    picScores->setObjectName(QStringLiteral("picScores"));
    picScores->setAccessibleName(chartName());
    layout->addWidget(picScores, 1);
    lblSummary = selectableParagraph(QStringLiteral("lblSummary"), this);
    lblGame = selectableParagraph(QStringLiteral("lblGame"), this);
    layout->addWidget(lblSummary);
    layout->addWidget(lblGame);

    layout->addWidget(heading(wrongSumsHeading(), this));
    wrongSums_ = new WrongSumsModel(this);
    grdWrongSums = squareGrid(QStringLiteral("grdWrongSums"), *wrongSums_, wrongSumsHeading(),
                              wrongSumsExplanation(), this);
    layout->addWidget(grdWrongSums, 0, Qt::AlignLeft);
    auto *explanation = new FixedParagraph(wrongSumsExplanation(), this);
    explanation->setObjectName(QStringLiteral("lblExplanation"));
    layout->addWidget(explanation);

    layout->addWidget(heading(knowledgeHeading(), this));
    grdKnowledge =
        squareGrid(QStringLiteral("grdKnowledge"), *new KnowledgeModel(std::move(knowledge), this),
                   knowledgeHeading(), knowledgeExplanation(), this);
    // Room for "99/99" in every square.
    grdKnowledge->horizontalHeader()->setDefaultSectionSize(
        grdKnowledge->fontMetrics().horizontalAdvance(QStringLiteral("99/99")) + 12);
    layout->addWidget(grdKnowledge, 0, Qt::AlignLeft);
    auto *knowledgeNote = new FixedParagraph(knowledgeExplanation(), this);
    knowledgeNote->setObjectName(QStringLiteral("lblKnowledge"));
    layout->addWidget(knowledgeNote);

    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *close = buttons->addButton(closeCaption(), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setDefault(true);
    QPushButton *practise =
        buttons->addButton(practiseButtonCaption(), QDialogButtonBox::AcceptRole);
    practise->setObjectName(QStringLiteral("cmdPractise"));
    auto *window = new QVBoxLayout(this);
    window->addWidget(scroll);
    window->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        practiseChosen_ = true;
        accept();
    });
    // Keys and the wheel change the period as well as clicks do.
    connect(cboPeriod, &QComboBox::currentIndexChanged, this, &frmProgress::cboPeriod_Click);
    // The chart keeps the focus while the keys pick a game, so the game is
    // told, not just described.
    connect(picScores, &ScoreChart::currentChanged, this, [this](int game) {
        showGame(game);
        announcer_.announce(*picScores, lblGame->text());
    });
}

void frmProgress::cboPeriod_Click() {
    const Period period = periods[cboPeriod->currentIndex()];
    shown_ = gamesIn(history_.games, period, now_);
    const std::optional<ScoreSummary> summary = summarise(shown_);
    lblSummary->setText(summary ? summaryText(shown_, *summary) : noGamesText(period));
    // The chart reads the games shown where they are: at 100,000 games its own
    // copies of scores and dates were a megabyte.
    picScores->setScores(shown_, summary ? summary->trend : std::nullopt, noGamesText(period));
    const WrongSumCounts counts = countWrongSums(shown_, history_.wrongSums);
    wrongSums_->setCounts(counts);
    fitColumns(*grdWrongSums, counts.most, qsizetype(shown_.size()));
    showGame(picScores->current());
}

void frmProgress::showGame(int game) {
    const QString text =
        game < 0 ? QString() : gameText(game + 1, int(shown_.size()), *shown_[std::size_t(game)]);
    lblGame->setText(text);
    lblGame->setVisible(!text.isEmpty());
    picScores->setAccessibleDescription(lblSummary->text() + QLatin1Char(' ') + text);
}
