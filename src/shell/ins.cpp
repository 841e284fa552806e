#include "shell/ins.h"

#include "common/colour.h"
#include "common/fonts.h"
#include "common/twips.h"
#include "shell/fittext.h"
#include "shell/pictures.h"
#include "shell/shelltexts.h"
#include "shell/wrapbutton.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTimer>

namespace suite::shell {

namespace {
constexpr char kCreditVersion[] = "Brenvale 版本 " SUITE_VERSION;
constexpr char kCreditFeedback[] = "意见与建议：请提交到本项目的问题跟踪系统";

QString StartCaption()
{
    // The run of blanks pushes the last phrase onto the button's last line.
    return QString(4, QLatin1Char(' ')) + QString::fromUtf8(text::kInsStartSaying) +
           QString(43, QLatin1Char(' ')) + QString::fromUtf8(text::kInsStartGo);
}
}  // namespace

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void ClickLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    // A label draws no focus mark of its own; the keyboard learner must see where they are.
    QStylePainter painter(this);
    QStyleOptionFocusRect mark;
    mark.initFrom(this);
    mark.state |= QStyle::State_KeyboardFocusChange;
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, mark);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

InsForm::InsForm(std::function<void()> makeMainVisible)
    : makeMainVisible_(std::move(makeMainVisible))
{
    setObjectName(QStringLiteral("ins"));
    setWindowTitle(QString::fromUtf8(text::kInsCaption));
    setWindowIcon(BrenvaleIcon());
    SetNoControlBox();
    SetClientSizeTwips(4200, 4560);
    SetBackColor(Client(), SystemColor(SystemColour::WindowBackground));
    Client()->setAutoFillBackground(true);
    const QString songti = QString::fromUtf8(text::kFaceSongti);

    Label1 = new QLabel(QString::fromUtf8(text::kInsWelcome), Client());
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(NamedFont(QString::fromUtf8(text::kFaceXinwei), 15, true));
    SetTextColor(Label1, BgrColor(0x0000FF));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(TwipsRect(240, 60, 3735, 360));

    Label2 = new QLabel(QString::fromUtf8(text::kInsText), Client());
    Label2->setObjectName(QStringLiteral("Label2"));
    SetTextColor(Label2, Qt::black);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setGeometry(TwipsRect(532, 480, 3135, 2535));
    FitWrappedText(Label2, songti, 9, 7.5);

    auto* line = new QFrame(Client());
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(TwipsRect(240, 3030, 3735, 30));

    auto creditLabel = [&](const char* name, const char* caption, int top) {
        auto* label = new QLabel(QString::fromUtf8(caption), Client());
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(NamedFont(songti, 9));
        SetTextColor(label, Qt::black);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(TwipsRect(240, top, 3735, 240));
        return label;
    };
    Label3 = creditLabel("Label3", kCreditVersion, 3090);
    Label4 = creditLabel("Label4", kCreditFeedback, 3330);

    Label5 = new ClickLabel(QString::fromUtf8(text::kInsHint), Client());
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setFont(NamedFont(songti, 9));
    SetTextColor(Label5, BgrColor(0x808080));
    Label5->setAlignment(Qt::AlignCenter);
    Label5->setGeometry(TwipsRect(240, 3945, 3735, 240));

    Command1 = new WrapButton(StartCaption(), Client());
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(NamedFont(songti, 9));
    Command1->setAutoDefault(false);
    Command1->setGeometry(TwipsRect(240, 3585, 3735, 975));
    Command1->setVisible(false);
    Tabs().Add(Label5);
    Tabs().Add(Command1);
    SetDefaultButton(Command1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(30000);

    connect(Timer1, &QTimer::timeout, this, &InsForm::Timer1_Timer);
    connect(Label5, &ClickLabel::clicked, this, &InsForm::Label5_Click);
    connect(Command1, &QPushButton::clicked, this, &InsForm::Command1_Click);

    CenterOnScreen();
    Form_Load();
}

void InsForm::Form_Load() { Timer1->start(); }

void InsForm::Timer1_Timer()
{
    Timer1->stop();
    Command1->setVisible(true);
    // The button now covers the hint line; a keyboard learner there is taken to it.
    if (!focusWidget() || focusWidget() == Label5) Command1->setFocus();
}

void InsForm::Label5_Click() { Timer1_Timer(); }

void InsForm::Command1_Click()
{
    Command1->setVisible(false);
    hide();
    makeMainVisible_();
}

}  // namespace suite::shell
