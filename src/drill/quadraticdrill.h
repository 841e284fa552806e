#pragma once
// The quadratic-equation window: two answer boxes taken in either order, a prompt for the
// second root, and a penalty that stays unrounded.

#include "drill/drillengine.h"

namespace suite::drill {

DrillDescription QuadraticDescription();

class QuadraticDrill : public DrillEngine {
    Q_OBJECT
public:
    using DrillEngine::DrillEngine;

public slots:
    void Command2_Click() override;

protected:
    void TimeOut() override;
    void ApplyLevelVariables(int level) override;
    void StoreCustomPenalty(const QString& reply) override;
    std::optional<double> MissPenalty() const override;

private:
    TextBox* Text6() const { return answerBoxes_.at(1); }
    bool AnswerRowHasFocus() const;
    void KeepTypingInRow(bool typing);
};

}  // namespace suite::drill
