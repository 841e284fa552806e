// Brenvale's windows without a maximise button keep their design size; the others may grow.
#include "drill/drillwindows.h"
#include "shellfixture.h"

#include <QApplication>
#include <QPushButton>

namespace suite::shell::testing {
namespace {

class WindowSizes : public ShellTest {
protected:
    static Form* Window(const char* name)
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible()) return qobject_cast<Form*>(w);
        ADD_FAILURE() << "no window " << name;
        return nullptr;
    }
    static void ExpectSize(const char* name, bool fixed)
    {
        SCOPED_TRACE(name);
        QCoreApplication::sendPostedEvents();  // the layout pass that follows the show
        Form* window = Window(name);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->HasFixedBorder(), fixed);
        if (fixed) {
            EXPECT_EQ(window->minimumSize(), window->size());
            EXPECT_EQ(window->maximumSize(), window->size());
            EXPECT_EQ(window->size(), window->sizeHint());  // the client area with its menu and status bars
        } else {
            EXPECT_EQ(window->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        }
    }
};

TEST_F(WindowSizes, OnlyTheWindowsThatMayBeMaximisedCanChangeSize)
{
    Start(kNextStart);
    ExpectSize("kaishi", true);
    Control(Main().Kaishi(), "Command4")->click();
    ExpectSize("Main", true);
    Main().mnuAboutfre_Click();
    ExpectSize("zaiban", true);
    Main().mnuAboutMe_Click();
    ExpectSize("writer", true);
    Main().Tools().ShowTools();
    ExpectSize("mathtools", false);
    Main().Tools().Mathtools()->Command(2)->click();
    ExpectSize("mathtable", false);
    const char* drills[] = {"kjia", "kjian", "kcheng", "kchu", "kchengfang", "kkaifang", "kjieche", "kplzh",
                            "kjiefangcheng"};
    for (int kind = 0; kind < 9; ++kind) {
        Main().Drills().Show(static_cast<drill::DrillKind>(kind));
        ExpectSize(drills[kind], true);
    }
    Main().Command3_Click();
    ExpectSize("ins", true);
}

}  // namespace
}  // namespace suite::shell::testing
