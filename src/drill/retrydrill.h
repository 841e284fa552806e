#pragma once
// The squares and square-roots windows: a missed, timed-out or shown question comes back
// three seconds later on Timer3 instead of the next one, and each return costs points.

#include "drill/drillengine.h"

namespace suite::drill {

class RetryDrill : public DrillEngine {
    Q_OBJECT
public:
    RetryDrill(const DrillDescription& description, DrillVariables& variables, Platform& platform,
               std::function<void()> showMain);

public slots:
    void Timer3_Timer();

protected:
    void AwaitAfterMiss() override;
    void AwaitAfterShownAnswer() override;
    void BeforeNewQuestionShown() override;

    QTimer* Timer3;
};

}  // namespace suite::drill
