#pragma once
// The start-up tips window: Quorrin's greeting and the learner's choice of when to see it.

#include "common/platform.h"
// windowkit.h needs the complete button type for its QPointer member.
#include <QAbstractButton>
#include "common/windowkit.h"

#include <functional>

class QLabel;
class QPushButton;

namespace suite::shell {

class KaishiForm final : public Form {
    Q_OBJECT
public:
    KaishiForm(Platform& platform, std::function<void()> showMain);

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    void Form_Load();
    void Choose(const QString& value);
    void Leave();

    Platform& platform_;
    std::function<void()> showMain_;
    QLabel* Label1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
};

}  // namespace suite::shell
