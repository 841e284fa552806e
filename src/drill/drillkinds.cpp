#include "drill/drillkinds.h"

#include "common/numbers.h"
#include "common/random.h"
#include "drill/drillmath.h"
#include "drill/drilltexts.h"
#include "drill/quadraticdrill.h"
#include "drill/retrydrill.h"

#include <cmath>

namespace suite::drill {

using namespace texts;

namespace {

DrillDescription Base(const QString& name, const QString& title, const QString& intro,
                      std::array<LevelPreset, 2> levels, const QString& rangePrompt)
{
    DrillDescription d;
    d.name = name;
    d.designCaption = title;
    d.title = title;
    d.intro = intro;
    d.messageDesignText = kGoodLuckDesign;
    d.levels = std::move(levels);
    d.rangePrompt = rangePrompt;
    d.hurryMessage = kHurry;
    return d;
}

const RowControl kEquals = RowLabel("Label2_4", "=", {3000, 2160, 375, 495});
const RowControl kAnswer = RowAnswerBox("Text5", {3480, 2160, 1800, 495}, kAnswerName);

// Two numbers drawn from 1 to rangeMax with a sign between them.
DrillDescription Binary(DrillDescription d, const QString& sign,
                        std::function<double(double, double)> shownFirst,
                        std::function<double(double, double)> answer)
{
    d.row = {RowLabel("Label3", "", {360, 2160, 1335, 495}),
             RowLabel("Label2_2", sign, {1740, 2160, 495, 495}),
             RowLabel("Label4", "", {2280, 2160, 1335, 495}),
             kEquals,
             kAnswer};
    d.spoken = ReadAs(QStringLiteral("{Label3} {Label2_2} {Label4} ="));
    d.clearedAtEnd = {QStringLiteral("Label3"), QStringLiteral("Label4")};
    d.draw = [](DrillVariables& v, RandomSource& random) {
        v.draw1 = DrawNumber(random, v.rangeMax);
        v.draw2 = DrawNumber(random, v.rangeMax);
        v.operandA = v.draw1;
        v.operandB = v.draw2;
    };
    d.captions = [shownFirst](const DrillVariables& v) {
        return Captions{{"Label3", NumberText(shownFirst(v.operandA, v.operandB))},
                        {"Label4", NumberText(v.operandB)}};
    };
    d.answers = [answer](const DrillVariables& v) {
        return std::vector<double>{answer(v.operandA, v.operandB)};
    };
    return d;
}

double First(double a, double) { return a; }

// One number n drawn from 1 to rangeMax; the question shows shown(n).
DrillDescription Single(DrillDescription d, std::function<double(double)> shown,
                        std::function<double(double)> answer)
{
    d.clearedAtEnd = {QStringLiteral("Label3")};
    d.verdictInYellow = true;
    d.draw = [](DrillVariables& v, RandomSource& random) {
        v.draw1 = DrawNumber(random, v.rangeMax);
        v.operandA = v.draw1;
    };
    d.captions = [shown](const DrillVariables& v) {
        return Captions{{"Label3", NumberText(shown(v.operandA))}};
    };
    d.answers = [answer](const DrillVariables& v) { return std::vector<double>{answer(v.operandA)}; };
    return d;
}

double Square(double n) { return n * n; }
double Same(double n) { return n; }

QString RefuseLargeIndex(std::int16_t range)
{
    if (LargestDrawFromZero(range) <= kLargestExactFactorial) return {};
    return QStringLiteral("这个范围太大：出的数最大只能是 %1，再大的答案无法精确判断。")
        .arg(kLargestExactFactorial);
}

DrillDescription Kjia()
{
    return Binary(Base("kjia", kJiaTitle, kJiaIntro, {{{kJiaLevel1, 100, 10, 20}, {kJiaLevel2, 1000, 5, 40}}},
                       kJiaRange),
                  "+", First, [](double a, double b) { return a + b; });
}

DrillDescription Kjian()
{
    return Binary(Base("kjian", kJianTitle, kJianIntro,
                       {{{kJianLevel1, 100, 10, 20}, {kJianLevel2, 1000, 5, 40}}}, kJianRange),
                  "-", First, [](double a, double b) { return a - b; });
}

DrillDescription Kcheng()
{
    DrillDescription d = Base("kcheng", kChengTitle, kChengIntro,
                              {{{kChengLevel1, 20, 10, 30}, {kChengLevel2, 30, 5, 60}}}, kChengRange);
    d.introColour = 0x00C000;
    d.messageDesignText.clear();
    d.hasChooseCaption = false;
    return Binary(d, kTimes, First, [](double a, double b) { return a * b; });
}

// Only even divisions: the quotient and the divisor are drawn, their product is shown.
DrillDescription Kchu()
{
    DrillDescription d = Base("kchu", kChuTitle, kChuIntro,
                              {{{kChuLevel1, 20, 10, 30}, {kChuLevel2, 50, 5, 60}}}, kChuRange);
    d.introColour = 0xC000C0;
    d.verdictInYellow = true;
    // A negative range draws from 0 and so could ask for a division by 0.
    d.refuseRange = [](std::int16_t range) {
        return range < 0 ? QStringLiteral("除法的范围不能是负数：负的范围会出现除数 0。") : QString();
    };
    return Binary(d, kDivide, [](double a, double b) { return a * b; }, First);
}

DrillDescription Kchengfang()
{
    DrillDescription d = Base("kchengfang", kSquareTitle, kSquareIntro,
                              {{{kSquareLevel1, 20, 10, 30}, {kSquareLevel2, 30, 5, 60}}}, kBaseRange);
    d.row = {RowLabel("Label3", "", {1320, 2160, 1335, 495}, 18, 0xFF0000, Qt::AlignRight | Qt::AlignVCenter),
             RowLabel("Label2_2", "2", {2670, 2040, 300, 375}, 15, 0xFF0000, Qt::AlignLeft | Qt::AlignTop),
             kEquals,
             kAnswer};
    d.spoken = ReadAs(QStringLiteral("{Label3}² ="));
    d.retry = RetryCycle{{"Label3", "Label2_2", "Label2_4"}, 0x00FF00, false};
    return Single(d, Same, Square);
}

DrillDescription Kkaifang()
{
    DrillDescription d = Base("kkaifang", kRootTitle, kRootIntro,
                              {{{kRootLevel1, 20, 10, 30}, {kRootLevel2, 50, 5, 60}}}, kBaseRange);
    d.bands.lo = 2;
    d.row = {RowLine("Line2", {840, 2640, 960, 2520}),
             RowLine("Line3", {960, 2520, 1080, 2640}),
             RowLine("Line4", {1080, 2640, 1200, 2040}),
             RowLine("Line5", {1200, 2040, 2760, 2040}),
             RowLabel("Label3", "", {1320, 2160, 1335, 495}),
             kEquals,
             kAnswer};
    d.spoken = ReadAs(QStringLiteral("√{Label3} ="));
    d.retry = RetryCycle{{"Label3"}, 0x00FFFF, true};
    return Single(d, Square, Same);
}

DrillDescription Kjieche()
{
    DrillDescription d = Base("kjieche", kFactorialTitle, kFactorialIntro,
                              {{{kFactorialLevel1, 10, 8, 30}, {kFactorialLevel2, 17, 5, 90}}}, kFactorialRange);
    d.rangeDefault = QStringLiteral("10");
    d.introColour = 0x8080FF;
    d.bands = {20, 10, 2};
    d.verdictInYellow = true;
    d.refuseRange = RefuseLargeIndex;
    d.row = {RowLabel("Label3_0", "11", {1320, 2160, 1335, 495}, 18, 0xFF0000, Qt::AlignRight | Qt::AlignVCenter),
             RowLabel("Label3_1", kFactorialSign, {2670, 2160, 330, 495}),
             kEquals,
             kAnswer};
    d.spoken = ReadAs(QStringLiteral("{Label3_0}! ="));
    d.clearedAtEnd = {QStringLiteral("Label3_0")};
    d.draw = [](DrillVariables& v, RandomSource& random) {
        v.draw1 = DrawFromZero(random, v.rangeMax);
        v.operandA = v.draw1;
        v.expectedAnswer = Factorial(int(v.operandA)).value();
    };
    d.captions = [](const DrillVariables& v) { return Captions{{"Label3_0", NumberText(v.operandA)}}; };
    d.answers = [](const DrillVariables& v) { return std::vector<double>{v.expectedAnswer}; };
    return d;
}

// Permutation "A" or combination "C" counts, the lower index n never below the upper r.
DrillDescription Kplzh()
{
    DrillDescription d = Base("kplzh", kCountingTitle, kCountingTip,
                              {{{kCountingLevel1, 10, 10, 30}, {kCountingLevel2, 15, 5, 60}}}, kCountingRange);
    d.rangeDefault = QStringLiteral("10");
    d.introColour = 0x0000C0;
    d.verdictInYellow = true;
    d.clearAnswerOnShow = true;
    d.refuseRange = RefuseLargeIndex;
    d.row = {RowLabel("Label2_2", "C", {1560, 1860, 900, 1080}, 48),
             RowLabel("Label3", "3", {2460, 1860, 480, 420}, 16, std::nullopt, Qt::AlignLeft | Qt::AlignTop),
             RowLabel("Label4", "4", {2460, 2520, 480, 420}, 16, std::nullopt, Qt::AlignLeft | Qt::AlignBottom),
             kEquals,
             kAnswer};
    // Written as nPr and nCr are: the lower index first.
    d.spoken = ReadAs(QStringLiteral("{Label2_2}({Label4},{Label3}) ="));
    d.clearedAtEnd = {QStringLiteral("Label3"), QStringLiteral("Label4")};
    d.draw = [](DrillVariables& v, RandomSource& random) {
        v.questionKind = int(std::floor(2.0 * random.NextSingle()));
        do {
            v.draw1 = DrawFromZero(random, v.rangeMax);
            v.draw2 = DrawFromZero(random, v.rangeMax);
        } while (v.draw1 < v.draw2);
        const int n = int(v.draw1);
        const int r = int(v.draw2);
        v.expectedAnswer = (v.questionKind == 0 ? Permutations(n, r) : Combinations(n, r)).value();
    };
    d.captions = [](const DrillVariables& v) {
        return Captions{{"Label2_2", v.questionKind == 0 ? QStringLiteral("A") : QStringLiteral("C")},
                        {"Label3", NumberText(v.draw2)},
                        {"Label4", NumberText(v.draw1)}};
    };
    d.answers = [](const DrillVariables& v) { return std::vector<double>{v.expectedAnswer}; };
    return d;
}

}  // namespace

const DrillDescription& Describe(DrillKind kind)
{
    static const std::array<DrillDescription, 9> all = {Kjia(),     Kjian(),    Kcheng(),
                                                        Kchu(),     Kchengfang(), Kkaifang(),
                                                        Kjieche(),  Kplzh(),    QuadraticDescription()};
    return all[static_cast<std::size_t>(kind)];
}

DrillEngine* MakeDrillWindow(DrillKind kind, DrillVariables& variables, Platform& platform,
                             std::function<void()> showMain)
{
    const DrillDescription& d = Describe(kind);
    if (d.quadratic) return new QuadraticDrill(d, variables, platform, std::move(showMain));
    if (d.retry) return new RetryDrill(d, variables, platform, std::move(showMain));
    return new DrillEngine(d, variables, platform, std::move(showMain));
}

}  // namespace suite::drill
