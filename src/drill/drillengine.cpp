#include "drill/drillengine.h"

#include "common/colour.h"
#include "common/fonts.h"
#include "common/numbers.h"
#include "common/optionbutton.h"
#include "common/random.h"
#include "common/rounding.h"
#include "common/twips.h"
#include "drill/drilltexts.h"
#include "drill/spokenline.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

#include <cmath>

namespace suite::drill {

using namespace texts;

namespace {


const QString kFace = QStringLiteral("宋体");

// A straight stroke between two points of the client area, drawn in its bounding box.
class LineControl : public QWidget {
public:
    LineControl(QWidget* parent, QLine twips, QColor colour, int width)
        : QWidget(parent), colour_(colour), width_(width)
    {
        const QPoint a(TwipsToPixels(twips.x1()), TwipsToPixels(twips.y1()));
        const QPoint b(TwipsToPixels(twips.x2()), TwipsToPixels(twips.y2()));
        const QRect box = QRect(a, b).normalized().adjusted(-width, -width, width, width);
        setGeometry(box);
        from_ = a - box.topLeft();
        to_ = b - box.topLeft();
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(from_, to_);
    }

private:
    QColor colour_;
    int width_;
    QPoint from_;
    QPoint to_;
};

void Paint(QWidget* w, std::uint32_t text, std::uint32_t back) { SetColors(w, BgrColor(text), BgrColor(back)); }

}  // namespace

DrillEngine::DrillEngine(const DrillDescription& description, DrillVariables& variables,
                         Platform& platform, std::function<void()> showMain)
    : d_(description), v_(variables), platform_(platform), showMain_(std::move(showMain))
{
    setObjectName(d_.name);
    setWindowTitle(d_.designCaption);
    SetNoControlBox();
    BuildControls();
    BuildMenu();
    AddDateTimeStatusBar()->setObjectName(QStringLiteral("sbStatusBar"));
    SetClientSizeTwips(6600, 4860 + d_.lowerPartShift);
    CenterOnScreen();
}

void DrillEngine::BuildControls()
{
    QWidget* c = Client();
    const int shift = d_.lowerPartShift;
    auto label = [c](const QString& name, const QString& text, QRect twips) {
        auto* l = new QLabel(text, c);
        l->setObjectName(name);
        l->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        l->setFont(NamedFont(kFace, 10.5));
        return l;
    };
    auto box = [c](const QString& name, QRect twips) {
        auto* t = new TextBox(c);
        t->setObjectName(name);
        t->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
        t->setFont(NamedFont(kFace, 12));
        t->setAlignment(Qt::AlignCenter);
        return t;
    };

    // Static captions, Label1(0) to Label1(13).
    const std::vector<std::pair<QString, QRect>> captions = {
        {kRemaining, {2400, 2880 + shift, 600, 300}},
        {kSeconds, {3660, 2880 + shift, 300, 300}},
        {kPerQuestion, {2400, 720, 960, 300}},
        {kSeconds, {4020, 720, 300, 300}},
        {kQuestionNoPrefix, {360, 2880 + shift, 300, 300}},
        {kQuestionsSuffix, {1320, 2880 + shift, 300, 300}},
        {kQuestionsPrefix, {360, 720, 720, 300}},
        {kQuestionsSuffix, {1740, 720, 300, 300}},
        {kChooseLevel, {360, 1260, 1440, 300}},
        {d_.levels[0].caption, {2100, 1260, 1200, 300}},
        {kCustom, {5520, 1260, 720, 300}},
        {d_.levels[1].caption, {3660, 1260, 1500, 300}},
        {kScoreCaption, {4320, 2880 + shift, 720, 300}},
        {kChoose, {360, 300, 1440, 300}},
    };
    for (std::size_t i = 0; i < captions.size(); ++i) {
        if (i == 13 && !d_.hasChooseCaption) break;
        Label1.push_back(label(QStringLiteral("Label1_%1").arg(i), captions[i].first, captions[i].second));
    }
    Label1[10]->hide();
    Label1[12]->hide();

    Text8 = box(QStringLiteral("Text8"), {1080, 690, 600, 360});
    Text2 = box(QStringLiteral("Text2"), {3360, 690, 600, 360});
    for (TextBox* t : {Text8, Text2}) {
        t->SetTypedLimit(3);
        Paint(t, kBlack, kWhite);
    }

    auto option = [c](const QString& name, int x) {
        auto* o = new QRadioButton(c);
        o->setObjectName(name);
        o->setGeometry(TwipsRect(x, 1230, 300, 360));
        return o;
    };
    Option1 = option(QStringLiteral("Option1"), 1800);
    Option2 = option(QStringLiteral("Option2"), 3360);
    Option3 = option(QStringLiteral("Option3"), 5220);
    if (d_.option3HiddenAtDesign)
        Option3->hide();
    else
        Option3->setEnabled(false);

    auto* line1 = new LineControl(c, QLine(360, 1740, 6240, 1740), BgrColor(0x808080), 1);
    line1->setObjectName(QStringLiteral("Line1"));

    Label5 = label(QStringLiteral("Label5"), d_.intro, {360, 1920, 5880, 960});
    // The intro stays on one line: the longest titles take a smaller size rather than break
    // a word across lines.
    for (double points = 14; points >= 10; points -= 0.75) {
        Label5->setFont(NamedFont(kFace, points));
        if (Label5->fontMetrics().horizontalAdvance(d_.intro) <= Label5->width()) break;
    }
    Label5->setWordWrap(true);
    if (d_.introColour) SetTextColor(Label5, BgrColor(*d_.introColour));

    // Each spoken part is made where its first piece stands, so that a screen reader meets
    // the parts and the answer boxes in the row's own order.
    std::vector<SpokenLine*> parts(d_.spoken.size(), nullptr);
    for (const RowControl& r : d_.row) {
        QWidget* w = nullptr;
        if (r.kind == RowControl::Kind::Line) {
            w = new LineControl(c, r.lineTwips, BgrColor(0xFF0000), 3);
        } else if (r.kind == RowControl::Kind::AnswerBox) {
            auto* t = box(r.name, r.twips);
            t->setFont(NamedFont(kFace, r.points));
            Paint(t, kBlack, 0);
            SetBackColor(t, SystemColor(SystemColour::ButtonFace));
            t->setAccessibleName(r.spokenName);
            t->setEnabled(false);
            answerBoxes_.push_back(t);
            w = t;
        } else {
            auto* l = label(r.name, r.text, r.twips);
            l->setFont(NamedFont(kFace, r.points));
            l->setAlignment(r.align);
            if (r.colour) SetTextColor(l, BgrColor(*r.colour));
            rowLabels_.insert(r.name, l);
            w = l;
        }
        w->setObjectName(r.name);
        w->hide();
        rowControls_.push_back(w);
        if (r.kind == RowControl::Kind::AnswerBox) continue;
        SpokenLine*& part = parts.at(static_cast<std::size_t>(r.part));
        if (!part) {
            part = new SpokenLine(c);
            part->setObjectName(d_.spoken[static_cast<std::size_t>(r.part)].name);
            part->hide();
            rowControls_.push_back(part);
        }
        part->Hold(w);
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        Q_ASSERT_X(parts[i], "DrillEngine::BuildControls", qPrintable(d_.spoken[i].name));
        parts[i]->FitToPieces();
        parts[i]->Say(SpokenText(d_.spoken[i].reading));
    }
    questionRow_ = parts.front();
    Text5 = answerBoxes_.front();

    Text9 = box(QStringLiteral("Text9"), {660, 2850 + shift, 600, 360});
    Text1 = box(QStringLiteral("Text1"), {3000, 2850 + shift, 600, 360});
    for (TextBox* t : {Text9, Text1}) Paint(t, kWhite, kBlack);
    Text10 = box(QStringLiteral("Text10"), {5040, 2850 + shift, 720, 360});
    Text10->setText(QStringLiteral("0"));
    Text10->setEnabled(false);
    Text10->hide();
    Text7 = box(QStringLiteral("Text7"), {360, 3480 + shift, 5880, 420});
    Paint(Text7, kYellow, kBlack);
    Text7->setText(d_.messageDesignText);
    Text3 = box(QStringLiteral("Text3"), {0, 0, 600, 360});
    Text4 = box(QStringLiteral("Text4"), {0, 0, 600, 360});
    Text3->hide();
    Text4->hide();

    auto button = [c](const QString& name, const QString& caption, int x, int y) {
        auto* b = new QPushButton(caption, c);
        b->setObjectName(name);
        b->setGeometry(TwipsRect(x, y, 1500, 495));
        b->setFont(NamedFont(kFace, 12, true));
        return b;
    };
    Command1 = button(QStringLiteral("Command1"), kStart, 1200, 4140 + shift);
    Command2 = button(QStringLiteral("Command2"), kNext, 3900, 4140 + shift);
    Command2->setEnabled(false);
    SetDefaultButton(Command2);

    // What a screen reader says for each control: the caption before it, or its role.
    Label1[9]->setBuddy(Option1);
    Label1[11]->setBuddy(Option2);
    Label1[10]->setBuddy(Option3);
    Label1[6]->setBuddy(Text8);
    Label1[2]->setBuddy(Text2);
    Label1[4]->setBuddy(Text9);
    Label1[0]->setBuddy(Text1);
    Label1[12]->setBuddy(Text10);
    // The caption before these boxes alone ("第", "剩余", "共练习") does not say what they hold.
    Text9->setAccessibleName(kQuestionNoName);
    Text1->setAccessibleName(kSecondsLeftName);
    Text8->setAccessibleName(kQuestionsName);
    Text7->setAccessibleName(kMessageLineName);

    auto& tabs = Tabs();
    for (QWidget* w : {static_cast<QWidget*>(Option1), static_cast<QWidget*>(Option2),
                       static_cast<QWidget*>(Option3), static_cast<QWidget*>(Text8),
                       static_cast<QWidget*>(Text2)})
        tabs.Add(w);
    for (TextBox* t : answerBoxes_) tabs.Add(t, false);
    tabs.Add(Command2, false);
    tabs.Add(Command1);
    for (TextBox* t : {Text9, Text1, Text7}) tabs.Add(t);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(3000);

    connect(Command1, &QPushButton::clicked, this, &DrillEngine::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &DrillEngine::Command2_Click);
    OnOptionChosen(Option1, this, [this] { Option1_Click(); });
    OnOptionChosen(Option2, this, [this] { Option2_Click(); });
    OnOptionChosen(Option3, this, [this] { Option3_Click(); });
    connect(Text2, &QLineEdit::textChanged, this, &DrillEngine::Text2_Change);
    connect(Text8, &QLineEdit::textChanged, this, &DrillEngine::Text8_Change);
    connect(Timer1, &QTimer::timeout, this, &DrillEngine::Timer1_Timer);
    connect(Timer2, &QTimer::timeout, this, &DrillEngine::Timer2_Timer);
}

void DrillEngine::BuildMenu()
{
    QMenu* menu = menuBar()->addMenu(kMenuControl);
    auto item = [menu](const QString& name, const QString& caption, const QKeySequence& key) {
        return AddMenuItem(menu, name, caption, key);
    };
    mnuFilePause = item(QStringLiteral("mnuFilePause"), kMenuPause, QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFileContinue = item(QStringLiteral("mnuFileContinue"), kMenuContinue, QKeySequence(Qt::CTRL | Qt::Key_C));
    menu->addSeparator();
    mnuFileKey = item(QStringLiteral("mnuFileKey"), kMenuKey, QKeySequence(Qt::CTRL | Qt::Key_K));
    mnus = item(QStringLiteral("mnus"), kMenuSettings, QKeySequence(Qt::CTRL | Qt::Key_S));
    menu->addSeparator();
    mnuFileExit = item(QStringLiteral("mnuFileExit"), kMenuExit, QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuFilePause->setEnabled(false);
    mnuFileContinue->setVisible(false);
    mnuFileKey->setVisible(false);
    mnuFileExit->setEnabled(false);

    connect(mnuFilePause, &QAction::triggered, this, &DrillEngine::mnuFilePause_Click);
    connect(mnuFileContinue, &QAction::triggered, this, &DrillEngine::mnuFileContinue_Click);
    connect(mnuFileKey, &QAction::triggered, this, &DrillEngine::mnuFileKey_Click);
    connect(mnus, &QAction::triggered, this, &DrillEngine::mnus_Click);
    connect(mnuFileExit, &QAction::triggered, this, &DrillEngine::mnuFileExit_Click);
}

void DrillEngine::Form_Load()
{
    mnuFileExit->setEnabled(true);
    mnuFileKey->setVisible(true);
    if (d_.option3HiddenAtDesign)
        Option3->show();
    else
        Option3->setEnabled(true);
    Label1[10]->show();
    mnuFilePause->setEnabled(true);
}

void DrillEngine::Command1_Click()
{
    platform_.cues.PlayCue(kCue3);
    for (QWidget* w : rowControls_) w->show();
    Label5->hide();
    if (d_.clearAnswerOnShow) Text5->clear();
    if (d_.retry && d_.retry->startResetsColours) {
        SetBackColor(Text5, BgrColor(kWhite));
        for (const QString& name : d_.retry->redLabels) SetTextColor(RowLabel(name), BgrColor(0xFF0000));
    }
    for (TextBox* t : answerBoxes_) Tabs().SetTabStop(t, true);
    SetOptionsEnabled(false);
    Text7->setText(kGoodStart);

    v_.questionTotal = ReadNumber(Text8->text());
    if (v_.questionTotal == 0) {
        Text7->setText(kAskCount);
        Text8->setText(kQuery);
        return;
    }
    v_.timeLimit = ReadNumber(Text2->text());
    if (v_.timeLimit == 0) {
        Text7->setText(kAskSeconds);
        Text2->setText(kQuery);
        return;
    }

    for (QWidget* w : {static_cast<QWidget*>(Text9), static_cast<QWidget*>(Text1),
                       static_cast<QWidget*>(Text7), static_cast<QWidget*>(Text10)})
        w->setEnabled(true);
    for (TextBox* t : answerBoxes_) t->setEnabled(true);
    SetBackColor(Text2, SystemColor(SystemColour::ButtonFace));
    SetBackColor(Text8, SystemColor(SystemColour::ButtonFace));
    for (TextBox* t : answerBoxes_) SetBackColor(t, BgrColor(kWhite));
    Command1->setEnabled(false);
    Command2->setEnabled(true);
    for (QWidget* w : {static_cast<QWidget*>(Text8), static_cast<QWidget*>(Text2),
                       static_cast<QWidget*>(Command1)})
        Tabs().SetTabStop(w, false);
    for (TextBox* t : answerBoxes_) Tabs().SetTabStop(t, true);
    Tabs().SetTabStop(Command2, true);
    Text1->setText(Text2->text());
    Enable(Timer1);
    v_.score = 0;
    v_.pointsPerQuestion = 100 / v_.questionTotal;
    v_.questionNo = 1;
    Text9->setText(QStringLiteral("1"));
    PoseQuestion();
    for (TextBox* t : answerBoxes_) t->clear();
    // Start has just been disabled; the learner types the answer next, so the focus goes
    // there rather than to whatever box follows Start.
    answerBoxes_.front()->setFocus();
}

void DrillEngine::Timer1_Timer()
{
    // Computed in double so that a long custom time cannot overflow the count.
    const double t = RoundHalfEven(ReadNumber(Text1->text()) - 1);
    const CountdownBands& b = d_.bands;
    if (t > b.hi) {
        SetTextColor(Text1, BgrColor(kWhite));
        Text1->setText(NumberText(t));
        SetTextColor(Text7, BgrColor(kWhite));
        Text7->setText(kTakeItEasy);
    } else if (t > b.mid) {
        SetTextColor(Text1, BgrColor(kWhite));
        Text1->setText(NumberText(t));
        SetTextColor(Text7, BgrColor(kYellow));
        Text7->setText(kCalm);
    } else if (t > b.lo) {
        SetTextColor(Text1, BgrColor(kGreen));
        Text1->setText(NumberText(t));
        Text7->setText(kKeepCalm);
    } else if (t > 0) {
        SetTextColor(Text1, BgrColor(kRed));
        Text1->setText(NumberText(t));
        SetTextColor(Text7, BgrColor(kRed));
        Text7->setText(d_.hurryMessage);
        platform_.cues.PlayCue(kCueHurry);
    } else {
        TimeOut();
    }
}

void DrillEngine::TimeOut()
{
    SetTextColor(Text1, BgrColor(kWhite));
    SetTextColor(Text7, BgrColor(kYellow));
    Text1->setText(QStringLiteral("0"));
    Text7->setText(kTimeUp);
    Disable(Timer1);
    AwaitAfterMiss();
    Command2->setEnabled(false);
    RevealAnswer();
    if (const auto n = MissPenalty()) PenaltyUpdate(*n);
}

void DrillEngine::Command2_Click()
{
    if (d_.verdictInYellow) SetTextColor(Text7, BgrColor(kYellow));
    Command2->setEnabled(false);
    const QString keptSeconds = Text2->text();
    v_.userAnswer = ReadNumber(Text5->text());
    const bool right = d_.answers(v_).front() == v_.userAnswer;
    if (right)
        CreditRightAnswer();
    else
        ChargeMiss();
    FinishJudgement(keptSeconds, right);
}

void DrillEngine::CreditRightAnswer()
{
    Text7->setText(kRight);
    platform_.cues.PlayCue(kCueRight);
    v_.score = RoundToInt32(v_.score + v_.pointsPerQuestion);
}

void DrillEngine::ChargeMiss()
{
    Text7->setText(kWrong);
    platform_.cues.PlayCue(kCueWrong);
    RevealAnswer();
    if (const auto n = MissPenalty()) PenaltyUpdate(*n);
}

void DrillEngine::FinishJudgement(const QString& keptSeconds, bool right)
{
    Disable(Timer1);
    Text1->setText(keptSeconds);
    if (right)
        Enable(Timer2);
    else
        AwaitAfterMiss();
    SetOptionsEnabled(false);
}

void DrillEngine::Timer2_Timer()
{
    Disable(Timer2);
    Command2->setEnabled(true);
    SetOptionsEnabled(false);
    Text10->setText(QString::number(v_.score));
    Text1->setText(NumberText(ReadNumber(Text2->text())));
    Enable(Timer1);
    for (TextBox* t : answerBoxes_) t->clear();
    Text7->setText(kWatch);
    ++v_.questionNo;
    if (v_.questionNo > v_.questionTotal) {
        EndRun();
        return;
    }
    Text9->setText(QString::number(v_.questionNo));
    PoseQuestion();
    Text10->setText(QString::number(v_.score));
    Command2->setEnabled(true);
    BeforeNewQuestionShown();
    for (TextBox* t : answerBoxes_) SetTextColor(t, BgrColor(kBlack));
    // Wherever the last judgement left the focus, the new answer is typed into its box.
    answerBoxes_.front()->setFocus();
}

void DrillEngine::EndRun()
{
    mnuFileExit->setEnabled(true);
    Text7->setText(kFinished);
    Text10->setText(QString::number(v_.score));
    SetBackColor(Text10, BgrColor(kWhite));
    for (TextBox* t : answerBoxes_) {
        SetBackColor(t, SystemColor(SystemColour::ButtonFace));
        t->setEnabled(false);
    }
    Command1->setEnabled(true);
    Command2->setEnabled(false);
    Disable(Timer1);
    Disable(Timer2);
    for (TextBox* t : {Text9, Text1, Text2, Text8}) t->clear();
    for (TextBox* t : answerBoxes_) t->clear();
    for (const QString& name : d_.clearedAtEnd) RowLabel(name)->clear();
    Text9->setEnabled(true);
    Text1->setEnabled(true);
    Text10->setEnabled(false);
    SetOptionsEnabled(true);
    close();
    showMain_();
}

void DrillEngine::mnuFileKey_Click()
{
    Command2->setEnabled(false);
    RevealAnswer();
    --v_.questionNo;
    Disable(Timer1);
    Text7->setText(kShownAnswer);
    AwaitAfterShownAnswer();
    PenaltyUpdate(1);
}

void DrillEngine::mnuFilePause_Click()
{
    setWindowTitle(d_.title + kPausedSuffix);
    platform_.cues.PlayCue(kCueLeave);
    setWindowState(windowState() | Qt::WindowMinimized);
    Disable(Timer1);
    mnuFileContinue->setVisible(true);
    mnuFilePause->setVisible(false);
}

void DrillEngine::mnuFileContinue_Click()
{
    platform_.cues.PlayCue(kCueTada);
    setWindowTitle(d_.title);
    Enable(Timer1);
    mnuFileContinue->setVisible(false);
    mnuFilePause->setVisible(true);
}

void DrillEngine::mnuFileExit_Click()
{
    showMain_();
    close();
}

void DrillEngine::Option1_Click() { ChooseLevel(0); }
void DrillEngine::Option2_Click() { ChooseLevel(1); }

void DrillEngine::ChooseLevel(int level)
{
    ApplyLevelVariables(level);
    Text8->setText(QString::number(d_.levels[level].questions));
    Text2->setText(QString::number(d_.levels[level].seconds));
}

void DrillEngine::ApplyLevelVariables(int level)
{
    v_.rangeMax = d_.levels[level].rangeMax;
    v_.penaltyCount = 0;
}

void DrillEngine::Option3_Click()
{
    platform_.cues.PlayCue(kCueBird);
    AskCustomSettings();
}

void DrillEngine::mnus_Click()
{
    AskCustomSettings();
    Option3->setEnabled(false);
    Option2->setEnabled(false);
    Option1->setEnabled(false);
    platform_.dialogs.MessageBox(this, kSettingsDone, MsgButtons::Ok, MsgIcon::Information);
}

void DrillEngine::AskCustomSettings()
{
    Dialogs& dialogs = platform_.dialogs;
    StoreCustomRange(dialogs.InputBox(this, d_.rangePrompt, kRangeTitle, d_.rangeDefault));
    WriteCustomNumber(Text8, dialogs.InputBox(this, kCountPrompt, kCountTitle, QStringLiteral("10")),
                      QStringLiteral("题数"));
    WriteCustomNumber(Text2, dialogs.InputBox(this, kTimePrompt, kTimeTitle, QStringLiteral("30")),
                      QStringLiteral("限定时间"));
    StoreCustomPenalty(dialogs.InputBox(this, kPenaltyPrompt, kPenaltyTitle, QStringLiteral("2")));
}

void DrillEngine::WriteCustomNumber(TextBox* box, const QString& reply, const QString& what)
{
    const double value = ReadNumber(reply);
    // An infinity would be written as "1.#INF", which the box then reads back as 1.
    if (!std::isfinite(value)) {
        Refuse(what + QStringLiteral("太大，没有改变。"));
        return;
    }
    box->setText(NumberText(value));
}

void DrillEngine::StoreCustomRange(const QString& reply)
{
    const auto range = TryRoundToInt16(ReadNumber(reply));
    const QString kept = QStringLiteral("范围仍为 %1。").arg(v_.rangeMax);
    if (!range) {
        Refuse(QStringLiteral("范围须在 -32768 到 32767 之间。") + kept);
        return;
    }
    if (d_.refuseRange) {
        const QString why = d_.refuseRange(*range);
        if (!why.isEmpty()) {
            Refuse(why + kept);
            return;
        }
    }
    v_.rangeMax = *range;
}

void DrillEngine::StoreCustomPenalty(const QString& reply)
{
    const auto penalty = TryRoundToInt16(ReadNumber(reply));
    if (!penalty) {
        Refuse(QStringLiteral("罚题数须在 -32768 到 32767 之间。罚题数仍为 %1。").arg(v_.penaltyCount));
        return;
    }
    v_.penaltyCount = *penalty;
}

std::optional<double> DrillEngine::MissPenalty() const { return v_.penaltyCount; }

void DrillEngine::Refuse(const QString& message)
{
    platform_.dialogs.MessageBox(this, message, MsgButtons::Ok, MsgIcon::Exclamation);
}

void DrillEngine::Text2_Change()
{
    const double t = ReadNumber(Text2->text());
    v_.timeLimit = t;
    Command1->setEnabled(t > 0 && IsWhole(t));
    const SecondsThresholds& s = d_.seconds;
    if (t > 0 && t <= s.a)
        Text7->setText(kTooQuick);
    else if (t >= s.b && t < s.c)
        Text7->setText(kTooSlow);
    else if (t >= s.c)
        Text7->setText(kVeryStrong);
    else if (t > s.a && t < s.b)
        Text7->setText(kGoodLuck);
}

void DrillEngine::Text8_Change()
{
    const double n = ReadNumber(Text8->text());
    v_.questionTotal = n;
    Command1->setEnabled(n > 0 && IsWhole(n));
    if (penaltyUpdating_) return;
    if (n >= 20)
        Text7->setText(kLongRun);
    else if (n > 0)
        Text7->setText(kGoodLuck);
}

void DrillEngine::PoseQuestion()
{
    platform_.random.ReseedFromClock();
    d_.draw(v_, platform_.random);
    ShowQuestion();
}

void DrillEngine::ShowQuestion()
{
    for (const auto& [name, caption] : d_.captions(v_)) RowLabel(name)->setText(caption);
    questionRow_->Say(SpokenText(d_.spoken.front().reading));
}

QString DrillEngine::SpokenText(const QString& reading) const
{
    QString spoken = reading;
    for (auto it = rowLabels_.cbegin(); it != rowLabels_.cend(); ++it) {
        // The row draws a hyphen where written maths has a minus sign.
        const QString shown = it.value()->text().trimmed().replace(QLatin1Char('-'), QChar(0x2212));
        spoken.replace(QLatin1Char('{') + it.key() + QLatin1Char('}'), shown);
    }
    return spoken.simplified();
}

void DrillEngine::RevealAnswer()
{
    const std::vector<double> answers = d_.answers(v_);
    for (std::size_t i = 0; i < answerBoxes_.size() && i < answers.size(); ++i) {
        SetTextColor(answerBoxes_[i], BgrColor(kRed));
        answerBoxes_[i]->setText(NumberText(answers[i]));
    }
}

void DrillEngine::PenaltyUpdate(double increment)
{
    const auto count = WholeTextNumber(Text8->text());
    if (!count) {
        // The run reads its length from this box; a box that holds no number is left as it
        // is rather than replaced by the increment alone.
        if (increment != 0) Text7->setText(QStringLiteral("题数框里不是一个数，罚题没有加上。"));
        return;
    }
    // The verdict just written into the message line is what the learner must read; the
    // count check still stores the grown count and sets Start.
    penaltyUpdating_ = true;
    Text8->setText(NumberText(*count + increment));
    penaltyUpdating_ = false;
}

void DrillEngine::AwaitAfterMiss() { Enable(Timer2); }
void DrillEngine::AwaitAfterShownAnswer() { Enable(Timer2); }

void DrillEngine::Enable(QTimer* timer)
{
    // Enabling a running timer leaves its interval running, as the windows expect.
    if (!timer->isActive()) timer->start();
}

void DrillEngine::Disable(QTimer* timer) { timer->stop(); }

void DrillEngine::SetOptionsEnabled(bool on)
{
    for (QRadioButton* o : {Option1, Option2, Option3}) {
        o->setEnabled(on);
        Tabs().SetTabStop(o, on);
    }
}

QLabel* DrillEngine::RowLabel(const QString& name) const
{
    QLabel* l = rowLabels_.value(name);
    Q_ASSERT_X(l, "DrillEngine::RowLabel", qPrintable(name));
    return l;
}

void DrillEngine::Form_Unload()
{
    for (QTimer* t : findChildren<QTimer*>()) t->stop();
}

}  // namespace suite::drill
