#include "frmmain.h"

#include "calculators/shell/controls.h"
#include "common/colour.h"
#include "common/fonts.h"
#include "common/numbers.h"
#include "common/twips.h"
#include "placement.h"
#include "sequences.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>

namespace suite::dorvix {

namespace {
QList<QRect> ScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) areas.push_back(screen->availableGeometry());
    return areas;
}
}  // namespace

frmMain::frmMain(Platform& platform, QWidget* parent)
    : CalculatorShell(platform, kAppTitle, false, parent)
{
    Client()->setFont(NamedFont(QStringLiteral("宋体"), 10.5));
    const int h = 330;

    PlaceRow(*this, 240, 180, h, {{QStringLiteral("首项"), 1200}, {QStringLiteral("Text1"), 1500, &Text1}});
    PlaceRow(*this, 240, 600, h, {{QStringLiteral("项数"), 1200}, {QStringLiteral("Text2"), 1500, &Text2}});
    PlaceRow(*this, 240, 1020, h, {{QStringLiteral("公差或公比"), 1200}, {QStringLiteral("Text3"), 1500, &Text3}});

    // The two sequence blocks differ only in their boxes.
    struct Block {
        const char* button;
        QString caption;
        TextBox** boxes[4];
        int firstBox;
        int top;
    };
    const Block blocks[] = {
        {"Command1", QStringLiteral("等差数列"), {&Text4, &Text5, &Text6, &Text7}, 4, 1560},
        {"Command2", QStringLiteral("等比数列"), {&Text8, &Text9, &Text10, &Text11}, 8, 2580},
    };
    QPushButton** buttons[] = {&Command1, &Command2};
    for (int b = 0; b < 2; ++b) {
        const Block& k = blocks[b];
        const auto name = [&k](int i) { return QStringLiteral("Text%1").arg(k.firstBox + i); };
        *buttons[b] = PlaceButton(*this, QString::fromLatin1(k.button), k.caption, 240,
                                  k.top + 180, 1400, 450);
        // "第", "项：" beside the boxes make sense only read together; a screen reader
        // gets the sequence and the quantity instead.
        const QString of = k.caption + QLatin1Char(' ');
        PlaceRow(*this, 1860, k.top, h,
                 {{QStringLiteral("第"), 300}, {name(0), 900, k.boxes[0], of + QStringLiteral("第n项的n")},
                  {QStringLiteral("项："), 780}, {name(1), 2220, k.boxes[1], of + QStringLiteral("第n项")}});
        PlaceRow(*this, 1860, k.top + 450, h,
                 {{QStringLiteral("前"), 300}, {name(2), 900, k.boxes[2], of + QStringLiteral("前n项和的n")},
                  {QStringLiteral("项和："), 780}, {name(3), 2220, k.boxes[3], of + QStringLiteral("前n项和")}});
        for (TextBox** box : k.boxes) SetBackColor(*box, BgrColor(0xC0C0C0));
    }

    Text12 = new QPlainTextEdit(Client());
    Text12->setObjectName(QStringLiteral("Text12"));
    Text12->setAccessibleName(QStringLiteral("预览"));
    // Tab moves on to "清除预览", as from every other box; the preview holds no tabs.
    Text12->setTabChangesFocus(true);
    Text12->setGeometry(TwipsRect(240, 3660, 5820, 1380));
    SetBackColor(Text12, BgrColor(0xFFFFFF));
    Tabs().Add(Text12);
    Command3 = PlaceButton(*this, QStringLiteral("Command3"), QStringLiteral("清除预览"), 4560,
                           5130, 1500, 420);

    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmMain::Command3_Click);

    Form_Load();
}

void frmMain::Form_Load()
{
    applied_ = OnScreen(ReadPlacement(Plat().settings, Plat().appTitle), ScreenAreas());
    move(TwipsToPixels(applied_.left), TwipsToPixels(applied_.top));
    resize(TwipsToPixels(applied_.width), TwipsToPixels(applied_.height));
}

void frmMain::Form_Unload()
{
    // The program has no other window to close first.
    if (isMinimized()) return;
    SavePlacement(Plat().settings, Plat().appTitle,
                  FromPixels(QRect(pos(), size()), applied_));
}

void frmMain::Command1_Click()
{
    ShowSequence(Arithmetic, {Text4, Text5, Text6, Text7});
}

void frmMain::Command2_Click()
{
    ShowSequence(Geometric, {Text8, Text9, Text10, Text11});
}

void frmMain::ShowSequence(SequenceTexts (*sequence)(double, double, double),
                   const std::array<TextBox*, 4>& boxes)
{
    // Every press reads the three inputs again.
    const SequenceTexts r =
        sequence(ReadNumber(Text1->text()), ReadNumber(Text2->text()), ReadNumber(Text3->text()));
    boxes[0]->setText(r.n);
    boxes[1]->setText(r.term);
    boxes[2]->setText(r.n);
    boxes[3]->setText(r.sum);
    AppendPreview(r.preview);
}

void frmMain::Command3_Click()
{
    Text12->clear();
}

void frmMain::AppendPreview(const QString& terms)
{
    // Straight after whatever the box holds, on the same line.
    QTextCursor end(Text12->document());
    end.movePosition(QTextCursor::End);
    end.insertText(terms);
}

}  // namespace suite::dorvix
