#include "tools/mathtools.h"

#include "common/colour.h"
#include "common/placement.h"
#include "common/twips.h"
#include "tools/starttool.h"

#include <QLabel>
#include <QPushButton>

namespace suite::tools {

namespace {

constexpr char kCaption[] = "数学工具集锦";
constexpr char kAuthorsWord[] =
    "    作者的话：以下工具是一些实用的求解数学问题的小程序，在该版本中整理出来献给大家，希望能对大家学习有所帮助。";
constexpr char kWelcome[] = "欢迎指教！";

constexpr std::uint32_t kWindowColour = 0x800000;
constexpr std::uint32_t kButtonColour = 0xC0FFC0;

struct ButtonDesign {
    int number;
    const char* caption;
    int row;     // 1 is the top row
    int column;  // 0 left, 1 right
    void (MathtoolsForm::*handler)();
    // Launcher buttons only.
    const char* path = nullptr;
    ProgramKind kind = ProgramKind::Window;
    Notice notice = Notice::None;
};

// In tab order.
const ButtonDesign kButtons[] = {
    {4, "返回主菜单", 9, 1, &MathtoolsForm::Command4_Click},
    {3, "猜数游戏", 1, 1, &MathtoolsForm::Command3_Click},
    {1, "Saltreve", 2, 0, &MathtoolsForm::Command1_Click},
    {2, "电子数学用表", 3, 0, &MathtoolsForm::Command2_Click},
    {11, "Tobrask", 4, 0, &MathtoolsForm::Command11_Click,
     "partmathtools\\Tobrask.exe", ProgramKind::Window, Notice::After},
    {15, "Vossel", 5, 0, &MathtoolsForm::Command15_Click,
     "partmathtools\\Vossel.exe", ProgramKind::Window, Notice::Before},
    {13, "Dorvix", 6, 0, &MathtoolsForm::Command13_Click,
     "partmathtools\\Dorvix.exe", ProgramKind::Window, Notice::Before},
    {18, "Ostrelle", 7, 0, &MathtoolsForm::Command18_Click,
     "partmathtools\\symmetry.exe", ProgramKind::Window, Notice::Before},
    {12, "Kelvrim", 8, 0, &MathtoolsForm::Command12_Click,
     "partmathtools\\triangle.exe", ProgramKind::Window, Notice::Before},
    {9, "Skelder（控制台窗口运行）", 5, 1, &MathtoolsForm::Command9_Click,
     "partmathtools\\Skelder.exe", ProgramKind::Console, Notice::None},
    {5, "Windows计算器", 1, 0, &MathtoolsForm::Command5_Click,
     "calc.exe", ProgramKind::SystemCalculator, Notice::None},
    {7, "Gandrel（控制台窗口运行）", 6, 1, &MathtoolsForm::Command7_Click,
     "partmathtools\\Gandrel.exe", ProgramKind::Console, Notice::None},
    {8, "Pimmoth（控制台窗口运行）", 7, 1, &MathtoolsForm::Command8_Click,
     "partmathtools\\Pimmoth.exe", ProgramKind::Console, Notice::None},
    {16, "Ferrolt", 4, 1, &MathtoolsForm::Command16_Click,
     "partmathtools\\Ferrolt.exe", ProgramKind::Window, Notice::Before},
    {17, "Pannigar", 2, 1, &MathtoolsForm::Command17_Click,
     "partmathtools\\distance.exe", ProgramKind::Window, Notice::Before},
    {6, "Tarnley（控制台窗口运行）", 8, 1, &MathtoolsForm::Command6_Click,
     "partmathtools\\Tarnley.exe", ProgramKind::Console, Notice::None},
    {10, "Lunquet", 3, 1, &MathtoolsForm::Command10_Click,
     "partmathtools\\Lunquet.exe", ProgramKind::Window, Notice::Before},
    {14, "Hesprin", 9, 0, &MathtoolsForm::Command14_Click,
     "partmathtools\\Hesprin.exe", ProgramKind::Window, Notice::Before},
};

const ButtonDesign& Design(int number)
{
    for (const ButtonDesign& design : kButtons)
        if (design.number == number) return design;
    Q_UNREACHABLE();
}

QString Utf8(const char* text) { return QString::fromUtf8(text); }

QLabel* WhiteLabel(QWidget* client, const char* name, const char* text, int top)
{
    QLabel* label = PlaceLabel(client, Utf8(text), 600, top, 6975, 615);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColor(label, Qt::white);
    return label;
}

}  // namespace

MathtoolsForm::MathtoolsForm(Platform& platform, MathtoolsHooks hooks, QWidget* parent)
    : Form(parent), platform_(platform), hooks_(std::move(hooks))
{
    setObjectName(QStringLiteral("mathtools"));
    setWindowTitle(Utf8(kCaption));
    SetClientSizeTwips(7995, 9000);
    SetBackColor(Client(), BgrColor(kWindowColour));

    Label1 = WhiteLabel(Client(), "Label1", kAuthorsWord, 240);
    Label2 = WhiteLabel(Client(), "Label2", kWelcome, 8400);

    for (const ButtonDesign& design : kButtons) {
        QPushButton* button =
            PlaceButton(*this, QStringLiteral("Command%1").arg(design.number), Utf8(design.caption),
                        design.column == 0 ? 480 : 4440, 960 + (design.row - 1) * 840, 3015, 495);
        SetBackColor(button, design.kind == ProgramKind::Console
                                 ? SystemColor(SystemColour::InactiveTitleBar)
                                 : BgrColor(kButtonColour));
        connect(button, &QPushButton::clicked, this, design.handler);
        buttons_.at(design.number) = button;
    }
    SetDefaultButton(Command(4));
    CenterOnScreen();
}

void MathtoolsForm::Launch(int number)
{
    const ButtonDesign& design = Design(number);
    StartTool(platform_, this, QString::fromLatin1(design.path), design.kind, design.notice);
}

void MathtoolsForm::LeaveFor(const std::function<void()>& show)
{
    if (!show) return;  // that window is not there yet
    const auto keep = show;
    close();
    keep();
}

void MathtoolsForm::Command1_Click() { LeaveFor(hooks_.showEquation); }
void MathtoolsForm::Command2_Click()
{
    // The table opens over this window, which stays loaded and usable under it.
    if (hooks_.showMathtable) hooks_.showMathtable();
}
void MathtoolsForm::Command3_Click() { LeaveFor(hooks_.showNumberguess); }
void MathtoolsForm::Command4_Click() { LeaveFor(hooks_.showMain); }

void MathtoolsForm::Command5_Click() { Launch(5); }
void MathtoolsForm::Command6_Click() { Launch(6); }
void MathtoolsForm::Command7_Click() { Launch(7); }
void MathtoolsForm::Command8_Click() { Launch(8); }
void MathtoolsForm::Command9_Click() { Launch(9); }
void MathtoolsForm::Command10_Click() { Launch(10); }
void MathtoolsForm::Command11_Click() { Launch(11); }
void MathtoolsForm::Command12_Click() { Launch(12); }
void MathtoolsForm::Command13_Click() { Launch(13); }
void MathtoolsForm::Command14_Click() { Launch(14); }
void MathtoolsForm::Command15_Click() { Launch(15); }
void MathtoolsForm::Command16_Click() { Launch(16); }
void MathtoolsForm::Command17_Click() { Launch(17); }
void MathtoolsForm::Command18_Click() { Launch(18); }

}  // namespace suite::tools
