#pragma once
// The guessing game's fixed texts, exactly as the learner sees them. Blank runs are kept:
// the window's message area wraps on them to lay its lines out.

#include <QString>

namespace suite::tools::guesstexts {

inline QString Blanks(int n) { return QString(n, QLatin1Char(' ')); }

inline const QString kCaption = QStringLiteral("猜数游戏V2.1");
inline const QString kRangeCaption = QStringLiteral("请输入范围：    从");
inline const QString kRangeTo = QStringLiteral("到");
inline const QString kChooseLevel = QStringLiteral("请选择难度：");
inline const QString kLevel1 = QStringLiteral("初试手感");
inline const QString kLevel2 = QStringLiteral("尝试挑战");
inline const QString kLevel3 = QStringLiteral("这才刺激");
inline const QString kLimit = QStringLiteral("限时");
inline const QString kSeconds = QStringLiteral("秒");
inline const QString kRemaining = QStringLiteral("剩余");
inline const QString kUsed = QStringLiteral("用时");
inline const QString kBetween = QStringLiteral("在");
inline const QString kAnd = QStringLiteral("与");
inline const QString kBetweenEnd = QStringLiteral("之间……");
inline const QString kGuessNo = QStringLiteral("猜数第");
inline const QString kGuessNoEnd = QStringLiteral("次：     ");
inline const QString kEnterGuess = QStringLiteral("请输入");
inline const QString kAnswerCaption = QStringLiteral("答案：");
inline const QString kStart = QStringLiteral("Start");
inline const QString kContinue = QStringLiteral("Continue");
inline const QString kMenuControl = QStringLiteral("控制器(&C)");
inline const QString kMenuNew = QStringLiteral("重新开始(&N)");
inline const QString kMenuExit = QStringLiteral("返回(&X)");
// What a screen reader calls the boxes whose captions alone ("到", "在", "与") would not
// tell them apart: the range typed, the bounds narrowed by the guesses, the counts and the
// guess box in each of its roles.
inline const QString kMessageName = QStringLiteral("提示");
inline const QString kRangeLowName = QStringLiteral("范围下限");
inline const QString kRangeHighName = QStringLiteral("范围上限");
inline const QString kLowBoundName = QStringLiteral("当前下限");
inline const QString kHighBoundName = QStringLiteral("当前上限");
inline const QString kLimitName = QStringLiteral("限时秒数");
inline const QString kSecondsName = QStringLiteral("秒数");  // after "剩余" or "用时"
inline const QString kGuessCountName = QStringLiteral("猜数次数");
inline const QString kGuessName = QStringLiteral("请输入你猜的数");
inline const QString kAnswerName = QStringLiteral("答案");
inline const QString kResultName = QStringLiteral("结果");

inline const QString kDesignMessage =
    Blanks(34) + QLatin1Char('\n') + Blanks(8) + QStringLiteral("感谢使用！祝你好运！\n");
inline const QString kGoodLuck = Blanks(47) + QStringLiteral("祝你好运！");

inline const QString kGreeting1 = QStringLiteral(
    "   初来乍到，慢慢领悟吧，你可要注意技巧哟！                                祝你好运！");
inline const QString kGreeting2 = QStringLiteral(
    "    不错嘛！有挑战的勇气！但愿你已经真正领悟了技巧，否则，要胜出可不容易的。"
    "                                  祝你好运！");
inline const QString kGreeting3 = QStringLiteral(
    "   有刺激生活才有精彩！行！不过，这可不是开玩笑的哦。精神高度集中！！！      愿好运伴你前行！"
    "                   准备好了吗？");

inline const QString kNegativeLow = QStringLiteral("    没必要从负数开始吧？请输入一个正整数!");
inline const QString kNegativeHigh = QStringLiteral("    什么意思？用负数逗我啊？不跟你玩了！");
inline const QString kReversed =
    QStringLiteral("    什么意思？从大到小，你要倒着来吗？大意喔………重新输入吧！");
inline const QString kSmall = QStringLiteral("（小）");
inline const QString kLarge = QStringLiteral("（大）");
inline const QString kTooNarrow = QStringLiteral("    这还用得着猜吗？范围大一点嘛！");
// The range boxes hold nine digits; an exponent ("1e10") could reach past that.
inline const QString kTooWide = QStringLiteral("    范围太大啦！上限最多到999999999，请重新输入吧！");
inline const QString kGoodStart = QStringLiteral("     预祝你开个好头！");

inline const QString kOutOfRange = QStringLiteral("     老兄！看清范围！！！");
inline const QString kVerdictSkilful = QStringLiteral(
    "    看来你很聪明，掌握了本游戏的奥妙所在！（但愿不是巧合喔），不过还是要恭喜！"
    "毕竟能胜出者不多！Well Done！再接再厉！");
inline const QString kVerdictLucky = QStringLiteral(
    "    相信你还真是“猜”中的！好运挡不住！再来一次吧！恐怕没那么好运了，嘻嘻…………");
inline const QString kVerdictUnpractised = QStringLiteral(
    "    恭喜哦！不过看得出吗，技巧还不太成熟。再好好领悟吧，百尺竿头，更进一步！");
inline const QString kWinMessage = QStringLiteral("恭喜！猜中了！");
inline const QString kWon = QStringLiteral("胜出!");

inline const QString kHintFar = QStringLiteral("     还差得远呢！慢慢来吧…呵呵………………");
inline const QString kHintNearer = QStringLiteral("     近了点点，继续……");
inline const QString kHintNear = QStringLiteral("     近了，继续……");
inline const QString kHintNotFar = QStringLiteral("     离目标不远了，继续！");
inline const QString kHintVeryNear = QStringLiteral("     很近很近的啦！快！继续……");
inline const QString kHintAlmost = QStringLiteral("     哇！快！如果是我，应该要中了！");

inline const QString kHurry = QStringLiteral("   快！快！快！也许这是最后的机会了！");
inline const QString kEnd = QStringLiteral("END");
inline const QString kTimeUpMessage = QStringLiteral("时间到！猜数失败！下次努力吧！");
inline const QString kGameOver = Blanks(12) + QStringLiteral("GAME") + Blanks(2) + QStringLiteral("OVER") +
                                 Blanks(53) + QStringLiteral("GOOD LUCK NEXT TIME！");

}  // namespace suite::tools::guesstexts
