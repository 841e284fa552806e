#pragma once
// Brenvale's main menu: the nine drill buttons, the random drill, the tools window, the help
// menu and exit.
// It owns every other window of the program, one instance each.

#include "common/platform.h"
// windowkit.h needs the complete button type for its QPointer member.
#include <QAbstractButton>
#include "common/windowkit.h"
#include "drill/drillwindows.h"
#include "shell/ins.h"
#include "shell/kaishi.h"
#include "shell/pictures.h"
#include "shell/textwindows.h"
#include "tools/toolswindows.h"

#include <QRect>
#include <memory>
#include <vector>

class QAbstractButton;
class QAction;
class QLabel;
class QTimer;

namespace suite::shell {

class MainForm final : public Form {
    Q_OBJECT
public:
    explicit MainForm(Platform& platform);
    ~MainForm() override;

    // Runs the load step, then shows the window unless the load step hid it.
    void Start();
    // What the other windows call to bring the main menu back.
    void ShowMain();

    drill::DrillWindows& Drills() { return *drills_; }
    tools::ToolsWindows& Tools() { return tools_; }
    KaishiForm* Kaishi() const { return kaishi_.Existing(); }
    InsForm* Ins() const { return ins_.Existing(); }
    ZaibanForm* Zaiban() const { return zaiban_.Existing(); }
    WriterForm* Writer() const { return writer_.Existing(); }

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void mnuFileStart_Click();
    void mnuFileExit_Click();
    void mnuAboutWord_Click();
    void mnuAboutfre_Click();
    void mnuAboutMe_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // One of the menu's buttons: where it sits, its face, and the badge drawn above its
    // caption (none when the badge has no sign).
    struct MenuButton {
        QAbstractButton* MainForm::*control;
        const char* name;
        const char* caption;
        QRect place;
        double points;
        Badge badge;
    };
    static std::vector<MenuButton> MenuButtons();

    // The window's icon, controls and menus, made on first need: at once when the menu shows
    // first, after the tips window's first paint when that shows first.
    void EnsureBuilt();
    // The buttons get their badges once the pictures are drawn.
    void BuildControls(const std::vector<MenuButton>& buttons);
    void BuildMenus();
    void Form_Load();
    void OpenDrill(drill::DrillKind kind);
    void RandomDrill(bool hideFirst);
    void ExitSteps(bool fromMenu);

    Platform& platform_;
    std::unique_ptr<drill::DrillWindows> drills_;
    tools::ToolsWindows tools_;
    FormSlot<KaishiForm> kaishi_;
    FormSlot<InsForm> ins_;
    FormSlot<ZaibanForm> zaiban_;
    FormSlot<WriterForm> writer_;
    bool built_ = false;
    bool hiddenByLoad_ = false;
    bool exiting_ = false;

    QLabel* Label1;
    QLabel* Label2;
    QAbstractButton* Command1;
    QAbstractButton* Command2;
    QAbstractButton* Command3;
    QAbstractButton* Command4;
    QAbstractButton* Command5;
    QAbstractButton* Command6;
    QAbstractButton* Command7;
    QAbstractButton* Command8;
    QAbstractButton* Command9;
    QAbstractButton* Command10;
    QAbstractButton* Command11;
    QAbstractButton* Command12;
    QAbstractButton* Command13;
    QTimer* Timer1;
    QTimer* Timer2;
    QTimer* Timer3;
    QAction* mnuFileStart;
    QAction* mnuFileExit;
    QAction* mnuAboutWord;
    QAction* mnuAboutfre;
    QAction* mnuAboutMe;
};

}  // namespace suite::shell
