#include "drill/retrydrill.h"

#include "common/colour.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "drill/drilltexts.h"

#include <QLabel>
#include <QTimer>

namespace suite::drill {

RetryDrill::RetryDrill(const DrillDescription& description, DrillVariables& variables,
                       Platform& platform, std::function<void()> showMain)
    : DrillEngine(description, variables, platform, std::move(showMain))
{
    Q_ASSERT(d_.retry);
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(3000);
    connect(Timer3, &QTimer::timeout, this, &RetryDrill::Timer3_Timer);
}

void RetryDrill::AwaitAfterMiss() { Enable(Timer3); }

void RetryDrill::AwaitAfterShownAnswer()
{
    // Also cancels the next question that a right answer just scheduled: the shown question
    // is asked again first.
    Enable(Timer3);
    Disable(Timer2);
}

void RetryDrill::Timer3_Timer()
{
    Disable(Timer2);
    Text1->setText(NumberText(ReadNumber(Text2->text())));
    Enable(Timer1);
    Text5->clear();
    Text7->setText(texts::kRetry);
    Disable(Timer3);
    Command2->setEnabled(true);
    for (const QString& name : d_.retry->redLabels) SetTextColor(RowLabel(name), BgrColor(0x0000FF));
    ShowQuestion();
    SetBackColor(Text5, BgrColor(d_.retry->answerBackground));
    v_.score = RoundToInt32(static_cast<double>(v_.score) - 2 * IntPart(v_.pointsPerQuestion));
    Text10->setText(QString::number(v_.score));
}

void RetryDrill::BeforeNewQuestionShown()
{
    SetBackColor(Text5, BgrColor(0xFFFFFF));
    for (const QString& name : d_.retry->redLabels) SetTextColor(RowLabel(name), BgrColor(0xFF0000));
}

}  // namespace suite::drill
