#pragma once
// A fixture that opens the drill windows on the platform fakes and drives them through
// their handlers, with helpers to script the draws and read the controls.

#include "common/colour.h"
#include "common/numbers.h"
#include "drill/drillengine.h"
#include "drill/drillkinds.h"
#include "drill/drilltexts.h"
#include "drill/drillvariables.h"
#include "drill/drillwindows.h"
#include "drill/retrydrill.h"
#include "testkit/controls.h"
#include "testkit/fakes.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace suite::drill::testing {

using namespace suite::drill::texts;

inline const char* KindName(DrillKind kind)
{
    static const char* names[] = {"kjia",       "kjian",    "kcheng", "kchu",         "kchengfang",
                                  "kkaifang",   "kjieche",  "kplzh",  "kjiefangcheng"};
    return names[static_cast<int>(kind)];
}

// Script values: k of 1..n for the draws from 1, k of 0..range for the draws from 0, and the
// counting window's choice of permutations or combinations.
inline float One(int k, int n) { return float((k - 0.5) / n); }
inline float Zero(int k, int range) { return float((k + 0.5) / (range + 1)); }
inline constexpr float kPermutation = 0.25f, kCombination = 0.75f;

inline QColor Bgr(std::uint32_t bgr) { return BgrColor(bgr); }
constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0x0000FF, kYellow = 0x00FFFF,
                        kGreen = 0x00FF00, kBlue = 0xFF0000;

class DrillFixture : public ::testing::Test {
protected:
    suite::testing::FakePlatform fake;
    int mainShown = 0;
    DrillWindows windows{fake.platform, [this] { ++mainShown; }};
    DrillEngine* w = nullptr;

    DrillEngine* Open(DrillKind kind)
    {
        windows.Show(kind);
        w = windows.Window(kind);
        return w;
    }
    // Lets a closed window go; afterwards Window() of its kind is null.
    static void Flush() { suite::testing::FlushClosedWindows(); }

    template <class T = QLineEdit>
    T* Get(const char* name) const
    {
        return suite::testing::FindControl<T>(w, name);
    }
    QString Text(const char* name) const { return Get<QLineEdit>(name)->text(); }
    QString Caption(const char* name) const { return Get<QLabel>(name)->text(); }
    void Type(const char* name, const QString& text) { Get<QLineEdit>(name)->setText(text); }
    QTimer* Timer(const char* name) const { return Get<QTimer>(name); }
    QAction* Menu(const char* name) const { return Get<QAction>(name); }
    bool StartEnabled() const { return Get<QPushButton>("Command1")->isEnabled(); }
    DrillVariables& V() { return w->Variables(); }
    // The retry tick of the squares and square-roots windows.
    void Timer3Tick()
    {
        auto* retry = qobject_cast<RetryDrill*>(w);
        ASSERT_NE(retry, nullptr);
        retry->Timer3_Timer();
    }

    // Scripts the next question's draws: for windows that draw from 1 (value k of n) ...
    void QueueDraw(int k, int n) { fake.random.QueueDraw(k, n); }
    // ... and for the windows that draw from 0 (value k of 0..range).
    void QueueDrawFromZero(int k, int range) { fake.random.values.push_back(float((k + 0.5) / (range + 1))); }

    // Level and Start; the first question comes from the draws queued before.
    void StartLevel(int level)
    {
        if (level == 1) {
            w->Option1_Click();
        } else {
            w->Option2_Click();
        }
        w->Command1_Click();
    }
    // Custom settings through the four prompts, then Start.
    void StartCustom(const char* range, const char* count, const char* seconds, const char* penalty)
    {
        for (const char* reply : {range, count, seconds, penalty}) fake.dialogs.Reply(reply);
        w->Option3_Click();
        w->Command1_Click();
    }
    // Types the right answer (both roots in the quadratic window) and presses Next.
    void AnswerRight()
    {
        const std::vector<double> answers = w->Description().answers(V());
        Type("Text5", QString::number(answers[0], 'f', 0));
        if (answers.size() > 1) Type("Text6", QString::number(answers[1], 'f', 0));
        w->Command2_Click();
    }
    void AnswerWrong()
    {
        const std::vector<double> answers = w->Description().answers(V());
        Type("Text5", QString::number(answers[0] + 1000, 'f', 0));
        if (answers.size() > 1) Type("Text6", QString::number(answers[1] + 1000, 'f', 0));
        w->Command2_Click();
    }
};

}  // namespace suite::drill::testing
