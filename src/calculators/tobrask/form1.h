#pragma once
// The permutation and combination calculator's only window: m and n typed, an operation
// picked, "OK" pressed.

#include "common/platform.h"
#include "common/windowkit.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace tobrask {

class Form1 : public suite::Form {
    Q_OBJECT
public:
    explicit Form1(const suite::Platform& platform, QWidget* parent = nullptr);

public slots:
    void Command1_Click();

private:
    void MindTheRange();
    void ShowResult(double value);

    suite::Platform platform_;
    suite::TextBox* Text1_ = nullptr;
    suite::TextBox* Text2_ = nullptr;
    suite::TextBox* Text3_ = nullptr;
    QRadioButton* Option1_ = nullptr;
    QRadioButton* Option2_ = nullptr;
    QRadioButton* Option3_ = nullptr;
    QPushButton* Command1_ = nullptr;
};

}  // namespace tobrask
