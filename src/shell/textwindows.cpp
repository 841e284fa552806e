#include "shell/textwindows.h"

#include "common/colour.h"
#include "common/fonts.h"
#include "common/twips.h"
#include "shell/pictures.h"
#include "shell/shelltexts.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace suite::shell {

namespace {

// Only what is true of this suite: its one version, its six programs, where feedback goes.
constexpr char kEditionNotes[] =
    "Quorrin Brenvale 版本 " SUITE_VERSION "\n"
    "\n"
    "这是本套学校数学软件的第一个版本，此前没有更早的版本。\n"
    "\n"
    "本套软件共有六个程序：Brenvale 和五个计算程序。\n"
    "\n"
    "一、Brenvale：心算练习，共九种：加、减、乘、除、乘方、开方、阶乘、排列组合、一元二次方程。"
    "每种练习有两档预设难度，也可以自定数的范围、题量、每题限时和错题加罚的题数；"
    "也可以由程序随机选择一种练习。\n"
    "Brenvale 的“数学工具集锦”有三种工具：方程求解、猜数游戏、函数值表，并可启动下面五个计算程序。\n"
    "\n"
    "二、五个计算程序：\n"
    "    triangle：解三角形；\n"
    "    symmetry：求点关于直线的对称点；\n"
    "    Dorvix：预览等差数列和等比数列；\n"
    "    Tobrask：计算排列数和组合数；\n"
    "    distance：计算点到点、点到直线的距离。\n"
    "\n"
    "意见与建议：请通过本项目的问题跟踪系统（issue tracker）提交。\n";

constexpr char kWriterNote[] =
    "本套学校数学软件由本项目的开发者编写。下面是它的版本记录和反馈方式。";

constexpr const char* kVersionLines[WriterForm::kLabel1Count] = {
    "版本记录",
    "版本 " SUITE_VERSION "：第一个版本，也是目前唯一的版本。",
    "这个版本包含六个程序：",
    "    Brenvale：九种心算练习和随机练习；",
    "        其中的“数学工具集锦”：方程求解、猜数游戏、函数值表；",
    "    triangle：解三角形；",
    "    symmetry：点关于直线的对称点；",
    "    Dorvix：等差数列与等比数列预览；",
    "    Tobrask：排列数与组合数；",
    "    distance：点到点、点到直线的距离。",
    "", "", "", "",
};

constexpr const char* kContactLines[WriterForm::kLabel4Count] = {
    "意见与反馈",
    "发现问题或有建议，请在本项目的问题跟踪系统中提交。",
    "提交时请写明程序名称和版本号（Brenvale " SUITE_VERSION "）。",
    "", "", "", "", "", "",
};

}  // namespace

ZaibanForm::ZaibanForm()
{
    setObjectName(QStringLiteral("zaiban"));
    setWindowTitle(QString::fromUtf8(text::kZaibanCaption));
    setWindowIcon(BrenvaleIcon());
    SetNoMaximize();
    SetClientSizeTwips(4680, 3195);

    Text1 = new QPlainTextEdit(Client());
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setFont(NamedFont(QString::fromUtf8(text::kFaceSongti), 10.5));
    SetTextColor(Text1, BgrColor(0xFF0000));
    Text1->setPlainText(QString::fromUtf8(kEditionNotes));
    // No caption stands beside the notes; the menu item that opens them names them.
    Text1->setAccessibleName(QString::fromUtf8(text::kMenuEditionNotes));
    Text1->setGeometry(TwipsRect(120, 120, 4440, 2955));

    CenterOnScreen();
}

WriterForm::WriterForm()
{
    setObjectName(QStringLiteral("writer"));
    setWindowTitle(QString::fromUtf8(text::kWriterCaption));
    setWindowIcon(BrenvaleIcon());
    SetNoMaximize();
    SetNoMinimize();
    SetClientSizeTwips(14760, 10740);
    const QString songti = QString::fromUtf8(text::kFaceSongti);

    Label2 = new QLabel(QString::fromUtf8(kWriterNote), Client());
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(NamedFont(songti, 12, true));
    Label2->setWordWrap(true);
    Label2->setGeometry(TwipsRect(720, 480, 13320, 600));

    auto makeLine = [&](const QString& name, const char* caption, int left, int top, int width) {
        auto* label = new QLabel(QString::fromUtf8(caption), Client());
        label->setObjectName(name);
        label->setFont(NamedFont(songti, 10.5));
        label->setGeometry(TwipsRect(left, top, width, 420));
        return label;
    };
    for (int i = 0; i < kLabel1Count; ++i)
        Label1[i] = makeLine(QStringLiteral("Label1_%1").arg(i), kVersionLines[i], 720,
                             1440 + i * 480, 7800);
    for (int i = 0; i < kLabel4Count; ++i)
        Label4[i] = makeLine(QStringLiteral("Label4_%1").arg(i), kContactLines[i], 8880,
                             1440 + i * 480, 5400);
    Label1[0]->setFont(NamedFont(songti, 12, true));
    Label4[0]->setFont(NamedFont(songti, 12, true));

    CenterOnScreen();
}

}  // namespace suite::shell
