#pragma once
// The number-guessing game: the learner sets a range and a level, the window draws a secret
// number and counts down the time allowed to find it, narrowing the shown bounds after each
// guess. Opened from the tools window, which it shows again on leaving.

#include "common/platform.h"
#include "common/windowkit.h"

#include <cstdint>
#include <functional>

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace suite::tools {

// What the game remembers for the whole program run; the window's widgets come and go
// around it, and nothing resets it.
struct NumberguessVars {
    double lowBound = 0;
    double highBound = 0;
    double rangeWidth = 0;
    double secretNumber = 0;
    double lastGuess = 0;
    double guessCount = 0;
    int difficultyLevel = 0;  // 1, 2 or 3; 0 until a level button is pressed
    double timeFactor = 0;
    std::int16_t timeBonus = 0;
    double timeLimit = 0;
    double idealGuesses = 0;
    double missDistance = 0;
};

class NumberguessForm : public Form {
    Q_OBJECT
public:
    NumberguessForm(Platform& platform, NumberguessVars& vars, std::function<void()> showTools,
                    QWidget* parent = nullptr);

    NumberguessVars& Variables() { return v_; }

public slots:
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Text8_Change();
    void Text9_Change();
    void Command1_Click();
    void Command2_Click();
    void Timer1_Timer();
    void mnuFileNew_Click();
    void mnuFileExit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildMenu();
    void ChooseLevel(int level, std::uint32_t colour, const QString& greeting);
    // Refuses a start: the message goes to the message area and the game does not begin.
    bool RefusedRange();
    void CountGuess();
    void Win();
    void TimeUp();
    // The caption before the guess box, and what a screen reader calls the box with it.
    void SetGuessCaption(const QString& caption, const QString& spoken);
    // "剩余" while the clock runs, "用时" after a win.
    void SetCountdownCaption(const QString& caption);
    void SetLevelButtonsEnabled(bool on);
    void SetMessage(const QString& text);
    // A message box of this window; a close asked for while it is open waits for it.
    void Message(const QString& text);

    Platform& platform_;
    NumberguessVars& v_;
    std::function<void()> showTools_;
    int openMessages_ = 0;
    bool closeWaiting_ = false;

    TextBox* Text1;
    TextBox* Text2;
    TextBox* Text3;
    TextBox* Text4;
    TextBox* Text5;
    TextBox* Text6;
    TextBox* Text8;
    TextBox* Text9;
    QPlainTextEdit* Text7;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* Label1_0;
    QLabel* Label1_1;
    QLabel* Label2_2;
    QTimer* Timer1;
    QAction* mnuFileNew;
    QAction* mnuFileExit;
};

}  // namespace suite::tools
