// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Quorvel developers

#pragma once

#include "drill/sum_speech.h"
#include "platform/pacing_timer.h"
#include "platform/services.h"
#include "platform/window_behind_dialog.h"

#include <QMainWindow>
#include <QTimer>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class AnswerBox;
class Knowledge;
class QAction;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QRadioButton;

inline constexpr int tableCount = 14; // the tables of 2 to 15
inline constexpr int sumCountChoices = 10;

// A snapshot of the game variables, for reading from outside the window.
struct GameState {
    QString PlayerName;
    qint16 MaxSums;
    qint16 Correct;
    qint16 Wrong;
    qint16 NumberOfSums;
    bool GameInProgress;
    QString WrongAnswers;
};

// The main window. It owns all game state; its handlers are defined in the
// folder of the subsystem they belong to.
class frmTables : public QMainWindow {
    Q_OBJECT

  public:
    explicit frmTables(Services services, QWidget *parent = nullptr);
    ~frmTables() override;

    GameState gameState() const;

    // Start-up and shut-down (app/startup.cpp).
    void Form_Load();
    void mnuExit_Click();
    // The options as the player left them, written as at shut-down, when
    // start-up found the store sound; a game in progress is not scored. False
    // when they were not written.
    bool saveOptions();
    // A logout or a signal: the game whose score is showing is kept, then the
    // options are saved.
    void saveOnSessionEnd();

    // The history viewer (history/).
    void mnuHistory_Click();

    // Scores over time and the sums that go wrong (progress/).
    void mnuProgress_Click();
    // A long history is read once start-up is over, so that Progress opens quickly.
    void tmrReadAhead_Timer();

    // The Help menu (about/).
    void mnuHelpAbout_Click();
    void mnuHelpContents_Click();

    // The options panel (app/options_panel.cpp).
    void mnuOptions_Click();
    void chkAllTimes_Click();
    void chkClear_Click();
    void optNumSums_Click(int index);

    // The pace (app/speed.cpp).
    void mnuSpeedSlow_Click();
    void mnuSpeedMedium_Click();
    void mnuSpeedFast_Click();

    // The game (drill/).
    void mnuNewGame_Click();
    // A game whose sums favour those the player does not know yet.
    void mnuPractise_Click();
    void mnuCancelGame_Click();
    void tmrSpeed_DueSoon();
    void tmrSpeed_Timer();
    void txtAnswer_KeyPress(int &keyAscii);
    void txtAnswer_GotFocus();

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    void Form_Unload();
    void tellStoreTrouble();
    void selectSumCountButton();
    void openHelpWindow(const QString &tag);
    void SetSpeed();
    // The sum marked last, if any, is spoken with the new one.
    void NextSum(const std::optional<AskedSum> &marked = std::nullopt);
    AskedSum MarkAnswer();
    // What New Game does; a practice game draws from what the player knows.
    void startGame(bool practice);
    void EndGame();
    bool saveFinishedGame();

    void createControls();
    void createMenus();
    void arrangeTabOrder();
    void connectEvents();
    void centreOnScreen();

    Services services_;
    bool optionsSavable_ = false;
    WindowBehindDialog behindPrompt_{*this};

    // Game variables, in declaration order.
    QString PlayerName;
    qint16 MaxSums = 0;
    qint16 Correct = 0;
    qint16 Wrong = 0;
    qint16 NumberOfSums = 0;
    bool GameInProgress = false;
    QString WrongAnswers;
    // The record of a game whose score message is still open.
    std::optional<QString> unsavedRecord_;
    // Every sum of the game as it was marked, for what is kept of the player's sums.
    std::vector<AskedSum> sumsAsked_;
    // What the player knew when a practice game began; none in other games.
    std::unique_ptr<Knowledge> practiceKnowledge_;

    // Controls directly on the window.
    QLabel *lblWelcome = nullptr;
    QGroupBox *fraOptions = nullptr;
    QFrame *fraSum = nullptr;
    PacingTimer tmrSpeed{services_.clock, this};
    QTimer tmrReadAhead{this};

    // Inside fraOptions.
    std::array<QCheckBox *, tableCount> chkTimes{};
    std::array<QRadioButton *, sumCountChoices> optNumSums{};
    QButtonGroup *optNumSumsGroup = nullptr;
    QCheckBox *chkAllTimes = nullptr;
    QCheckBox *chkClear = nullptr;
    QLabel *Label1 = nullptr;
    QFrame *Line1 = nullptr;

    // Inside fraSum.
    QLabel *lblNum1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblNum2 = nullptr;
    QLabel *Label4 = nullptr;
    AnswerBox *txtAnswer = nullptr;
    QLabel *lblCorrect = nullptr;
    QLabel *lblWrong = nullptr;

    // Menus.
    QMenu *mnuGame = nullptr;
    QAction *mnuNewGame = nullptr;
    QAction *mnuCancelGame = nullptr;
    QAction *mnuOptions = nullptr;
    QMenu *mnuSpeed = nullptr;
    QAction *mnuSpeedSlow = nullptr;
    QAction *mnuSpeedMedium = nullptr;
    QAction *mnuSpeedFast = nullptr;
    QAction *mnuHistory = nullptr;
    QAction *mnuProgress = nullptr;
    QAction *mnuPractise = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpAbout = nullptr;
    QAction *mnuHelpContents = nullptr;
};
