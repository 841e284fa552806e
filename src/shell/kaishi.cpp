#include "shell/kaishi.h"

#include "common/colour.h"
#include "common/fonts.h"
#include "common/twips.h"
#include "shell/fittext.h"
#include "shell/shelltexts.h"
#include "shell/tipspreference.h"

#include <QLabel>
#include <QPushButton>

namespace suite::shell {

namespace {
constexpr char kNotSavedMessage[] =
    "未能把您的选择保存到文件 Wendrake.SWC（工作目录可能无法写入），这次的选择在下次启动时不会生效。";
}

KaishiForm::KaishiForm(Platform& platform, std::function<void()> showMain)
    : platform_(platform), showMain_(std::move(showMain))
{
    setObjectName(QStringLiteral("kaishi"));
    setWindowTitle(QString::fromUtf8(text::kTipsCaption));
    SetNoControlBox();
    SetClientSizeTwips(6795, 6165);
    SetBackColor(Client(), SystemColor(SystemColour::WindowBackground));
    Client()->setAutoFillBackground(true);

    Label1 = new QLabel(Client());
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(QString::fromUtf8(text::kTipsParagraph1) + QStringLiteral("\r\n") +
                    QString::fromUtf8(text::kTipsParagraph2));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetTextColor(Label1, Qt::black);
    Label1->setGeometry(TwipsRect(390, 240, 6015, 4815));
    // At 18 pt the greeting is taller than its box in the faces we have.
    FitWrappedText(Label1, QString::fromUtf8(text::kFaceLishu), 18, 12);

    auto makeButton = [this](const char* name, const char* caption, int left, int width) {
        auto* button = new QPushButton(QString::fromUtf8(caption), Client());
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(TwipsRect(left, 5400, width, 375));
        SetBackColor(button, SystemColor(SystemColour::ActiveTitleBar));
        button->setAutoDefault(false);
        Tabs().Add(button);
        return button;
    };
    Command1 = makeButton("Command1", text::kChoiceNever, 360, 2295);
    Command2 = makeButton("Command2", text::kChoiceNextStart, 2880, 1575);
    Command3 = makeButton("Command3", text::kChoiceEveryStart, 4680, 1575);
    Command4 = makeButton("Command4", text::kStartPractising, 1080, 4575);
    Command4->setVisible(false);

    connect(Command1, &QPushButton::clicked, this, &KaishiForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &KaishiForm::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &KaishiForm::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &KaishiForm::Command4_Click);

    CenterOnScreen();
    Form_Load();
}

void KaishiForm::Form_Load()
{
    // A file that went missing since start-up reads like "0": the three choices stay.
    if (ReadTipsMode() == QString::fromLatin1(text::kTipsEveryStart)) {
        Command1->setVisible(false);
        Command2->setVisible(false);
        Command3->setVisible(false);
        Command4->setVisible(true);
    }
}

void KaishiForm::Command1_Click() { Choose(QString::fromLatin1(text::kTipsNever)); }
void KaishiForm::Command2_Click() { Choose(QString::fromLatin1(text::kTipsNextStart)); }
void KaishiForm::Command3_Click() { Choose(QString::fromLatin1(text::kTipsEveryStart)); }
void KaishiForm::Command4_Click() { Leave(); }

void KaishiForm::Choose(const QString& value)
{
    // The learner still gets to practise; they only learn that the choice will not last.
    if (!WriteTipsMode(value))
        platform_.dialogs.MessageBox(this, QString::fromUtf8(kNotSavedMessage), MsgButtons::Ok,
                                     MsgIcon::Exclamation);
    Leave();
}

void KaishiForm::Leave()
{
    auto showMain = showMain_;
    close();
    showMain();
}

}  // namespace suite::shell
