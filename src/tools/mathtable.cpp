#include "tools/mathtable.h"

#include "common/colour.h"
#include "common/fonts.h"
#include "common/numbers.h"
#include "common/placement.h"
#include "common/twips.h"
#include "tools/functiontable.h"
#include "tools/tablepictures.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace suite::tools {

namespace {

constexpr int kClientWidth = 6015;
constexpr int kClientHeight = 6450;

const char kPiText[] =
    "3.1415926535897932384626433832795028841971693993751058209749445923078164062862089986280348253421170679";
const char kEText[] = "2.718281828";
constexpr char kAbout[] = "电子数学用表是 Brenvale " SUITE_VERSION
                          " 的“数学工具集锦”中的一件工具：输入一个数，就能看到它的常用函数值。";

QString Prompt() { return QStringLiteral("  请在此输入一个数"); }

QString PromptTip()
{
    return QStringLiteral("喂！老兄，怎么开门啊？ —别急，心里念三声 ") + QStringLiteral("\"芝麻开门！\"") +
           QStringLiteral("就 OK 啦！");
}

}  // namespace

TableSurface::TableSurface(QWidget* parent) : PrintSurface(parent) {}

void TableSurface::SetBackColor(const QColor& color)
{
    backColor_ = color;
    update();
}

void TableSurface::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void TableSurface::paintEvent(QPaintEvent* event)
{
    {
        // The picture sits at the top left at its own size, as a window's picture does.
        QPainter painter(this);
        painter.fillRect(rect(), backColor_);
        painter.drawPixmap(0, 0, picture_);
    }
    PrintSurface::paintEvent(event);
}

MathtableForm::MathtableForm(Platform& platform, std::function<void()> showTools, QWidget* parent)
    : Form(parent), platform_(platform), showTools_(std::move(showTools))
{
    setObjectName(QStringLiteral("mathtable"));
    setWindowTitle(QStringLiteral("电子数学用表"));
    setWindowIcon(TableIcon());
    // Not a fixed size: the window maximises to show long values whole.
    resize(TwipsSize(kClientWidth, kClientHeight));

    surface_ = new TableSurface(Client());
    surface_->setObjectName(QStringLiteral("surface"));
    const QPixmap welcome = WelcomePicture(TwipsSize(kClientWidth, kClientHeight));
    surface_->SetBackColor(welcome.toImage().pixelColor(0, welcome.height() - 1));
    surface_->SetPicture(welcome);
    surface_->SetForeColor(BgrColor(0x404040));
    surface_->SetPrintFont(NamedFont(QStringLiteral("Arial Narrow"), 14.25, true));
    surface_->setAccessibleName(QStringLiteral("函数值表"));
    auto* fill = new QGridLayout(Client());
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(surface_);

    Label1 = PlaceLabel(Client(), QStringLiteral("  你好，欢迎使用本程序！") + QString(229, QLatin1Char(' ')),
                        0, 240, kClientWidth, 420);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(NamedFont(QStringLiteral("Arial Narrow"), 14.25, true));
    SetTextColor(Label1, BgrColor(0x404040));

    Label2 = PlaceLabel(Client(), Prompt(), 120, 5460, 2535, 375);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(NamedFont(QStringLiteral("Arial Narrow"), 12, true));
    SetTextColor(Label2, BgrColor(0xFF0000));
    Label2->setToolTip(PromptTip());

    Text1 = new TextBox(Client());
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(TwipsRect(120, 5460, 2535, 375));
    Text1->setText(QStringLiteral("9"));
    Text1->setVisible(false);
    Text1->setAccessibleName(Prompt().trimmed());
    Label2->setBuddy(Text1);
    Tabs().Add(Text1);

    auto button = [this](const char* name, const QString& caption, int left, int top, int width) {
        QPushButton* b = PlaceButton(*this, QString::fromLatin1(name), caption, left, top, width, 375);
        b->setAutoDefault(false);
        b->setVisible(false);
        return b;
    };
    Command1 = button("Command1", QStringLiteral("π"), 2775, 5460, 735);
    Command2 = button("Command2", QStringLiteral("e"), 3570, 5460, 735);
    Command3 = button("Command3", QStringLiteral("Me"), 4365, 5460, 735);
    Command4 = button("Command4", QStringLiteral("Bye"), 5160, 5460, 735);
    Command5 = button("Command5", QStringLiteral("还原为常规窗体"), 120, 5940, 2535);
    // The short captions say to a screen reader what the buttons do, as the window says it
    // to a sighted learner by what follows a press.
    Command1->setAccessibleName(QStringLiteral("π：填入圆周率"));
    Command2->setAccessibleName(QStringLiteral("e：填入自然常数"));
    Command3->setAccessibleName(QStringLiteral("Me：关于本程序"));
    Command4->setAccessibleName(QStringLiteral("Bye：返回数学工具集锦"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    connect(Timer1, &QTimer::timeout, this, &MathtableForm::Timer1_Timer);
    connect(Text1, &QLineEdit::textChanged, this, &MathtableForm::Text1_Change);
    connect(Command1, &QPushButton::clicked, this, &MathtableForm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &MathtableForm::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &MathtableForm::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &MathtableForm::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &MathtableForm::Command5_Click);

    CenterOnScreen();
    Timer1->start();
}

void MathtableForm::Timer1_Timer()
{
    // The hidden box holds the count, so the table does not react to it.
    const double n = ReadNumber(Text1->text()) - 1;
    Text1->setText(NumberText(n));
    if (n <= 0) {
        Label2->setVisible(false);
        Text1->setVisible(true);
        Text1->setText(QString());
        Timer1->stop();
        Text1->setFocus();
    }
}

void MathtableForm::Text1_Change()
{
    if (!Text1->isVisibleTo(this)) return;
    for (QPushButton* b : {Command1, Command2, Command3, Command4}) b->setVisible(true);
    surface_->SetBackColor(Qt::black);
    surface_->SetPicture(windowIcon().pixmap(20));
    Label1->setVisible(false);

    surface_->Cls();
    for (const TableLine& line : FunctionTableLines(ReadNumber(Text1->text()))) {
        if (line.bgr) surface_->SetForeColor(BgrColor(*line.bgr));
        surface_->Print(line.text);
    }
    FitLongestLine();
}

void MathtableForm::FitLongestLine()
{
    // A line past the right edge widens the window to it, so that no value ends out of
    // view; the lines stay where they are, and a window that is already wide enough
    // (maximised, or widened by the learner) keeps its size.
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    const int missing = surface_->LongestLineWidth() - surface_->width();
    if (missing <= 0) return;
    // Kept on the screen: a right edge that would leave it moves the window left.
    const int over = screen() ? frameGeometry().right() + missing - screen()->availableGeometry().right() : 0;
    if (over > 0) move(std::max(screen()->availableGeometry().left(), x() - over), y());
    resize(width() + missing, height());
}

void MathtableForm::Command1_Click()
{
    Maximize();
    Text1->setText(QString::fromLatin1(kPiText));
    Command5->setVisible(true);
}

void MathtableForm::Command2_Click()
{
    Maximize();
    Text1->setText(QString::fromLatin1(kEText));
    Command5->setVisible(true);
}

void MathtableForm::Command3_Click()
{
    platform_.dialogs.MessageBox(this, QString::fromUtf8(kAbout), MsgButtons::Ok, MsgIcon::None);
}

void MathtableForm::Command4_Click()
{
    auto showTools = showTools_;
    close();
    showTools();
}

void MathtableForm::Command5_Click()
{
    Command5->setVisible(false);
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowFullScreen));
    Text1->setText(QString());
}

void MathtableForm::Maximize() { setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized); }

}  // namespace suite::tools
