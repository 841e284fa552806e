#include "form1.h"

#include "common/colour.h"
#include "common/fonts.h"
#include "common/numbers.h"
#include "common/rounding.h"
#include "common/twips.h"
#include "counting.h"
#include "texts.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace tobrask {
namespace {

QFont WindowFont() { return suite::NamedFont(QStringLiteral("宋体"), 12); }

template <class W>
W* Place(W* widget, const QString& name, int left, int top, int width, int height)
{
    widget->setObjectName(name);
    widget->setFont(WindowFont());
    widget->setGeometry(suite::TwipsRect(left, top, width, height));
    return widget;
}

}  // namespace

Form1::Form1(const suite::Platform& platform, QWidget* parent)
    : suite::Form(parent), platform_(platform)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kCaption);
    QWidget* client = Client();

    auto* label1_0 = Place(new QLabel(kM, client), QStringLiteral("Label1_0"), 240, 300, 480, 360);
    Text1_ = Place(new suite::TextBox(client), QStringLiteral("Text1"), 720, 240, 1920, 420);
    label1_0->setBuddy(Text1_);
    auto* label1_1 = Place(new QLabel(kN, client), QStringLiteral("Label1_1"), 240, 840, 480, 360);
    Text2_ = Place(new suite::TextBox(client), QStringLiteral("Text2"), 720, 780, 1920, 420);
    label1_1->setBuddy(Text2_);

    Text3_ = Place(new suite::TextBox(client), QStringLiteral("Text3"), 240, 1440, 4560, 480);
    Text3_->setAccessibleName(kResultName);
    Text3_->setText(kClearedResult);
    suite::SetTextColor(Text3_, suite::BgrColor(0x00FF00));
    suite::SetBackColor(Text3_, suite::BgrColor(0x000000));

    Option1_ = Place(new QRadioButton(kPermutation, client), QStringLiteral("Option1"), 3000, 180,
                     1800, 360);
    Option2_ = Place(new QRadioButton(kCombination, client), QStringLiteral("Option2"), 3000, 600,
                     1800, 360);
    Option3_ = Place(new QRadioButton(kClear, client), QStringLiteral("Option3"), 3000, 1020,
                     1800, 360);
    // The three are the only option buttons on the client area, so auto-exclusive makes them
    // one group, none selected at first, and radio buttons to a screen reader. OK reads the
    // selection, so it counts however the learner made it.

    Command1_ = Place(new QPushButton(kOk, client), QStringLiteral("Command1"), 1800, 2160, 1215, 480);
    connect(Command1_, &QPushButton::clicked, this, &Form1::Command1_Click);
    SetDefaultButton(Command1_);

    for (QWidget* control : std::initializer_list<QWidget*>{Text1_, Text2_, Text3_, Option1_,
                                                            Option2_, Option3_, Command1_}) {
        Tabs().Add(control);
    }
    SetClientSizeTwips(5040, 2880);
    CenterOnScreen();
    Text1_->setFocus();
}

void Form1::Command1_Click()
{
    using suite::IsWhole;
    using suite::ReadNumber;
    if (ReadNumber(Text2_->text()) != 0) {
        if (Option1_->isChecked()) {
            const double m = ReadNumber(Text1_->text());
            const double n = ReadNumber(Text2_->text());
            if (n < m || !IsWhole(n) || !IsWhole(m) || m == 0) return MindTheRange();
            ShowResult(FallingProduct(n, m));
        } else if (Option2_->isChecked()) {
            const double m = ReadNumber(Text1_->text());
            const double n = ReadNumber(Text2_->text());
            if (n < m || !IsWhole(m) || !IsWhole(n)) return MindTheRange();
            const double permutations = FallingProduct(n, m);
            ShowResult(permutations / Factorial(ReadNumber(Text1_->text())));
        } else if (Option3_->isChecked()) {
            Text1_->clear();
            Text2_->clear();
            Text3_->setText(kClearedResult);
        }
    }
    // Clearing acts once: the next press computes combinations.
    if (Option3_->isChecked()) Option2_->setChecked(true);
}

void Form1::MindTheRange()
{
    platform_.dialogs.MessageBox(this, kMindTheRange, suite::MsgButtons::Ok, suite::MsgIcon::Exclamation);
}

void Form1::ShowResult(double value)
{
    // Past 170! the products overflow (a combination may divide two overflowed products);
    // say so and keep the last good result rather than show an infinity or NaN.
    if (!std::isfinite(value)) {
        platform_.dialogs.MessageBox(this, kOutOfRange, suite::MsgButtons::Ok, suite::MsgIcon::Exclamation);
        return;
    }
    Text3_->setText(suite::NumberText(value));
}

}  // namespace tobrask
