#include "drill/quadraticdrill.h"

#include "common/colour.h"
#include "common/numbers.h"
#include "common/random.h"
#include "drill/drilltexts.h"

#include <cmath>

namespace suite::drill {

using namespace texts;

DrillDescription QuadraticDescription()
{
    DrillDescription d;
    d.name = QStringLiteral("kjiefangcheng");
    d.designCaption = kQuadraticCaption;
    d.title = kQuadraticTitle;
    d.intro = kQuadraticIntro;
    d.messageDesignText = kGoodLuckDesign;
    d.levels = {LevelPreset{kQuadraticLevel1, 10, 10, 30, 0}, LevelPreset{kQuadraticLevel2, 10, 5, 60, 10}};
    d.rangePrompt = kQuadraticRange;
    d.seconds = {3, 180, 300};
    d.bands = {120, 60, 5};
    d.hurryMessage = kHurryQuadratic;
    d.option3HiddenAtDesign = true;
    d.lowerPartShift = 720;
    d.quadratic = true;
    const Qt::Alignment raised = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment lowered = Qt::AlignLeft | Qt::AlignBottom;
    d.row = {
        RowLabel("Label2_0", "X", {360, 2160, 330, 495}),
        RowLabel("Label3_0", "2", {690, 2040, 270, 375}, 11, 0xFF0000, raised),
        RowLabel("Label2_1", "-", {960, 2160, 330, 495}),
        RowLabel("Label3_3", "", {1290, 2160, 1080, 495}),
        RowLabel("Label2_2", "X", {2370, 2160, 330, 495}),
        RowLabel("Label2_3", "+", {2700, 2160, 330, 495}),
        RowLabel("Label4", "", {3030, 2160, 1500, 495}),
        RowLabel("Label2_4", "=0", {4530, 2160, 600, 495}),
        InPart(RowLabel("Label2_6", "X", {360, 2880, 330, 495}), 1),
        InPart(RowLabel("Label3_2", "1", {690, 3060, 270, 375}, 11, 0xFF0000, lowered), 1),
        InPart(RowLabel("Label2_8", "=", {960, 2880, 330, 495}), 1),
        RowAnswerBox("Text5", {1320, 2880, 1500, 495}, QStringLiteral("X1")),
        InPart(RowLabel("Label2_5", "X", {3240, 2880, 330, 495}), 2),
        InPart(RowLabel("Label3_1", "2", {3570, 3060, 270, 375}, 11, 0xFF0000, lowered), 2),
        InPart(RowLabel("Label2_7", "=", {3840, 2880, 330, 495}), 2),
        RowAnswerBox("Text6", {4200, 2880, 1500, 495}, QStringLiteral("X2")),
    };
    // The equation, then the caption of each answer box.
    d.spoken = ReadAs(QStringLiteral("X² {Label2_1} {Label3_3}X {Label2_3} {Label4} = 0"));
    d.spoken.push_back({QStringLiteral("answerCaption1"), QStringLiteral("X1 =")});
    d.spoken.push_back({QStringLiteral("answerCaption2"), QStringLiteral("X2 =")});
    d.clearedAtEnd = {QStringLiteral("Label3_3"), QStringLiteral("Label4")};
    d.draw = [](DrillVariables& v, RandomSource& random) {
        v.draw1 = DrawNumber(random, v.rangeMax);
        v.draw2 = DrawNumber(random, v.rangeMax);
        v.draw3 = DrawNumber(random, v.rangeMax);
        v.draw4 = DrawNumber(random, v.rangeMax);
        // A root keeps at least rootLowerBound away from 0.
        auto root = [&v](double difference) {
            return difference < 0 ? difference - v.rootLowerBound : difference + v.rootLowerBound;
        };
        v.root1 = root(double(v.draw1) - v.draw4);
        v.root2 = root(double(v.draw3) - v.draw2);
        v.coefB = -(v.root1 + v.root2);
        v.coefC = v.root1 * v.root2;
    };
    d.captions = [](const DrillVariables& v) {
        auto sign = [](double c) { return c > 0 ? QStringLiteral("+") : QStringLiteral("-"); };
        return Captions{{"Label2_1", sign(v.coefB)}, {"Label3_3", NumberText(std::fabs(v.coefB))},
                        {"Label2_3", sign(v.coefC)}, {"Label4", NumberText(std::fabs(v.coefC))}};
    };
    d.answers = [](const DrillVariables& v) { return std::vector<double>{v.root1, v.root2}; };
    return d;
}

void QuadraticDrill::Command2_Click()
{
    if (Text6()->text().isEmpty()) {
        // Disabling the first box passes its focus on to the second.
        Text5->setEnabled(false);
        Tabs().SetTabStop(Text6(), true);
        Text5->setEnabled(true);
        SetTextColor(Text7, BgrColor(0xFFFFFF));
        Text7->setText(kSecondRoot);
        return;
    }
    const bool typing = AnswerRowHasFocus();
    Text5->setEnabled(true);
    Text6()->setEnabled(false);
    Tabs().SetTabStop(Text6(), false);
    Tabs().SetTabStop(Text5, true);
    Command2->setEnabled(false);
    const QString keptSeconds = Text2->text();
    v_.userAnswer = ReadNumber(Text5->text());
    v_.userAnswer2 = ReadNumber(Text6()->text());
    const bool right = (v_.root1 == v_.userAnswer && v_.root2 == v_.userAnswer2) ||
                       (v_.root2 == v_.userAnswer && v_.root1 == v_.userAnswer2);
    if (right) {
        SetTextColor(Text7, BgrColor(0x00FFFF));
        CreditRightAnswer();
    } else {
        ChargeMiss();
    }
    FinishJudgement(keptSeconds, right);
    Text6()->setEnabled(true);
    Tabs().SetTabStop(Text6(), true);
    KeepTypingInRow(typing);
}

void QuadraticDrill::TimeOut()
{
    const bool typing = AnswerRowHasFocus();
    DrillEngine::TimeOut();
    Text6()->setEnabled(false);
    Tabs().SetTabStop(Text5, true);
    Text6()->setEnabled(true);
    KeepTypingInRow(typing);
}

bool QuadraticDrill::AnswerRowHasFocus() const
{
    const QWidget* focused = focusWidget();
    return focused == Text5 || focused == Text6();
}

void QuadraticDrill::KeepTypingInRow(bool typing)
{
    // Disabling the second box passed its focus along the tab chain to the question number;
    // the learner's keys belong in the answer row.
    if (typing) Text5->setFocus();
}

void QuadraticDrill::ApplyLevelVariables(int level)
{
    DrillEngine::ApplyLevelVariables(level);
    v_.rootLowerBound = d_.levels[level].rootLowerBound;
    v_.difficultyLevel = level + 1;
    v_.quadraticPenalty = 0;
}

void QuadraticDrill::StoreCustomPenalty(const QString& reply)
{
    const double penalty = ReadNumber(reply);
    if (!std::isfinite(penalty)) {
        Refuse(QStringLiteral("罚题数太大，没有改变。"));
        return;
    }
    v_.quadraticPenalty = penalty;
}

std::optional<double> QuadraticDrill::MissPenalty() const { return v_.quadraticPenalty; }

}  // namespace suite::drill
