#pragma once
// The engine every drill window runs on: it builds the window from a description, runs the
// question cycle (countdown, judgement, score, penalty questions, show-answer, pause) and the
// level and custom settings. The handlers keep the names the windows' events have; they are
// public so the main menu and the tests can drive them as the learner's actions would.

#include "common/platform.h"
#include "common/windowkit.h"
#include "drill/drilldescription.h"
#include "drill/drillvariables.h"

#include <QPushButton>
#include <QHash>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace suite::drill {

class SpokenLine;

class DrillEngine : public Form {
    Q_OBJECT
public:
    DrillEngine(const DrillDescription& description, DrillVariables& variables, Platform& platform,
                std::function<void()> showMain);

    const DrillDescription& Description() const { return d_; }
    DrillVariables& Variables() { return v_; }

public slots:
    void Form_Load();
    void Command1_Click();
    virtual void Command2_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void mnuFileKey_Click();
    void mnuFilePause_Click();
    void mnuFileContinue_Click();
    void mnuFileExit_Click();
    void mnus_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Text2_Change();
    void Text8_Change();

protected:
    // Where a kind departs from the common cycle.
    // Which timer runs after a miss or a time-out, and after a shown answer.
    virtual void AwaitAfterMiss();
    virtual void AwaitAfterShownAnswer();
    virtual void TimeOut();
    // Just before a new question's answer box turns black again.
    virtual void BeforeNewQuestionShown() {}
    virtual void ApplyLevelVariables(int level);
    virtual void StoreCustomPenalty(const QString& reply);
    // Questions a miss adds to the run; nothing adds none and leaves the count box alone.
    virtual std::optional<double> MissPenalty() const;

    // Steps the kinds reuse.
    void PoseQuestion();
    void ShowQuestion();
    void RevealAnswer();
    void PenaltyUpdate(double increment);
    void CreditRightAnswer();
    void ChargeMiss();
    void FinishJudgement(const QString& keptSeconds, bool right);
    void Refuse(const QString& message);
    static void Enable(QTimer* timer);
    static void Disable(QTimer* timer);
    void SetOptionsEnabled(bool on);
    QLabel* RowLabel(const QString& name) const;

    void Form_Unload() override;

    const DrillDescription& d_;
    DrillVariables& v_;
    Platform& platform_;
    std::function<void()> showMain_;

    TextBox* Text1;
    TextBox* Text2;
    TextBox* Text3;
    TextBox* Text4;
    TextBox* Text5;  // first answer box; answerBoxes_ holds all of them
    TextBox* Text7;
    TextBox* Text8;
    TextBox* Text9;
    TextBox* Text10;
    QPushButton* Command1;
    QPushButton* Command2;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QLabel* Label5;
    std::vector<QLabel*> Label1;
    QTimer* Timer1;
    QTimer* Timer2;
    QAction* mnuFilePause;
    QAction* mnuFileContinue;
    QAction* mnuFileKey;
    QAction* mnus;
    QAction* mnuFileExit;
    std::vector<TextBox*> answerBoxes_;
    std::vector<QWidget*> rowControls_;
    QHash<QString, QLabel*> rowLabels_;
    SpokenLine* questionRow_ = nullptr;

private:
    void BuildControls();
    void BuildMenu();
    void ChooseLevel(int level);
    void AskCustomSettings();
    void StoreCustomRange(const QString& reply);
    void WriteCustomNumber(TextBox* box, const QString& reply, const QString& what);
    void EndRun();
    // A spoken part's reading with the row's captions put in.
    QString SpokenText(const QString& reading) const;

    bool penaltyUpdating_ = false;
};

}  // namespace suite::drill
