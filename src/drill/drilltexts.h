#pragma once
// The drill windows' fixed texts, exactly as the learner sees them.

#include <QString>

namespace suite::drill::texts {

inline const QString kRemaining = QStringLiteral("剩余");
inline const QString kSeconds = QStringLiteral("秒");
inline const QString kPerQuestion = QStringLiteral("每题限时");
inline const QString kGoodLuck = QStringLiteral("祝你好运！");
// The message line's design text ends in a line break.
inline const QString kGoodLuckDesign = QStringLiteral("祝你好运！\r\n");
inline const QString kQuestionsPrefix = QStringLiteral("共练习");
inline const QString kQuestionsSuffix = QStringLiteral("题");
inline const QString kQuestionNoPrefix = QStringLiteral("第");
inline const QString kScoreCaption = QStringLiteral("得分：");
inline const QString kStart = QStringLiteral("Start");
inline const QString kNext = QStringLiteral("Next");
inline const QString kCustom = QStringLiteral("自定");
inline const QString kChooseLevel = QStringLiteral("请选择难度：");
inline const QString kChoose = QStringLiteral("请选择：");
inline const QString kMenuControl = QStringLiteral("控制器(&C)");
inline const QString kMenuPause = QStringLiteral("暂停(&P)");
inline const QString kMenuContinue = QStringLiteral("继续(&C)");
inline const QString kMenuKey = QStringLiteral("请求答案(&K)");
inline const QString kMenuSettings = QStringLiteral("设置(&S)");
inline const QString kMenuExit = QStringLiteral("返回(&X)");
inline const QString kCue3 = QStringLiteral("sound\\3.wav");
inline const QString kCueRight = QStringLiteral("sound\\right.wav");
inline const QString kCueWrong = QStringLiteral("sound\\wrong.wav");
inline const QString kCueHurry = QStringLiteral("sound\\hurry.wav");
inline const QString kCueLeave = QStringLiteral("sound\\leave.wav");
inline const QString kCueTada = QStringLiteral("sound\\Tada.wav");
inline const QString kCueBird = QStringLiteral("sound\\bird.wav");
inline const QString kGoodStart = QStringLiteral("开个好头哦！");
inline const QString kAskCount = QStringLiteral("请输入你希望的答题数!");
inline const QString kQuery = QStringLiteral("？");
inline const QString kAskSeconds = QStringLiteral("请输入每题的限定时间!");
inline const QString kTakeItEasy = QStringLiteral("Take it easy.");
inline const QString kCalm = QStringLiteral("冷静作答。");
inline const QString kKeepCalm = QStringLiteral("冷静，冷静，你能行！");
inline const QString kHurry = QStringLiteral("快速作答！！！");
inline const QString kTimeUp = QStringLiteral("时间到！");
inline const QString kRight = QStringLiteral("正确！");
inline const QString kWrong = QStringLiteral("Hmmm……这不难嘛……");
inline const QString kWatch = QStringLiteral("请看题.........");
inline const QString kFinished = QStringLiteral("胜利过关，练习结束！");
inline const QString kShownAnswer = QStringLiteral("看答案喔...这题不算！");
// Names a screen reader gives the boxes that have no caption of their own.
inline const QString kAnswerName = QStringLiteral("答案");
inline const QString kMessageLineName = QStringLiteral("消息");
inline const QString kPausedSuffix = QStringLiteral("（暂停）");
inline const QString kRangeTitle = QStringLiteral("自定范围");
inline const QString kCountPrompt = QStringLiteral("     请输入练习总题数：");
inline const QString kCountTitle = QStringLiteral("自定题量");
inline const QString kTimePrompt = QStringLiteral("     请输入每题限定时间：");
inline const QString kTimeTitle = QStringLiteral("自定限定时间");
inline const QString kPenaltyPrompt = QStringLiteral("    请自定每做错一题电脑加罚题数：");
inline const QString kPenaltyTitle = QStringLiteral("自定惩罚");
inline const QString kTooQuick = QStringLiteral("这么快！你也太“虎”了吧！");
inline const QString kTooSlow = QStringLiteral("没必要对自己这么没信心吧？");
inline const QString kVeryStrong = QStringLiteral("你还真“强”！？！");
inline const QString kLongRun = QStringLiteral("沉住气…行百里者半九十！");
inline const QString kSettingsDone = QStringLiteral("设置完毕，单击 ◇ Start ◇ 后立即开始练习！");
inline const QString kRetry = QStringLiteral("再做一次.........");
inline const QString kSecondRoot = QStringLiteral("请输入另一根……");
inline const QString kHurryQuadratic = QStringLiteral("抓紧时间！！！");
inline const QString kJiaTitle = QStringLiteral("加法口算练习");
inline const QString kJiaIntro = QStringLiteral("你将进行的是：     加法口算练习！");
inline const QString kJiaLevel1 = QStringLiteral("加数≤100");
inline const QString kJiaLevel2 = QStringLiteral("加数≤1000");
inline const QString kJiaRange = QStringLiteral("  请输入加数不大于的范围（如≤50,则输入50）");
inline const QString kJianTitle = QStringLiteral("减法口算练习");
inline const QString kJianIntro = QStringLiteral("你将进行的是：     减法口算练习！");
inline const QString kJianLevel1 = QStringLiteral("减数≤100");
inline const QString kJianLevel2 = QStringLiteral("减数≤1000");
inline const QString kJianRange = QStringLiteral("  请输入减数不大于的范围（如≤50,则输入50）");
inline const QString kChengTitle = QStringLiteral("乘法口算练习");
inline const QString kChuTitle = QStringLiteral("除法口算练习");
inline const QString kChengIntro = QStringLiteral("你将进行的是：     乘法口算练习！");
inline const QString kChuIntro = QStringLiteral("你将进行的是：     除法口算练习！");
inline const QString kTimes = QStringLiteral("×");
inline const QString kDivide = QStringLiteral("÷");
inline const QString kChengLevel1 = QStringLiteral("乘数≤20");
inline const QString kChuLevel1 = QStringLiteral("商数≤20");
inline const QString kChengLevel2 = QStringLiteral("乘数≤30");
inline const QString kChuLevel2 = QStringLiteral("商数≤50");
inline const QString kChengRange = QStringLiteral("  请输入乘数不大于的范围（如≤50,则输入50）");
inline const QString kChuRange = QStringLiteral("  请输入商数不大于的范围（如≤50,则输入50）");
inline const QString kSquareTitle = QStringLiteral("乘方口算练习");
inline const QString kRootTitle = QStringLiteral("开方口算练习");
inline const QString kSquareIntro = QStringLiteral("你将进行的是：     乘方口算练习！");
inline const QString kRootIntro = QStringLiteral("你将进行的是：     开方口算练习！");
inline const QString kSquareLevel1 = QStringLiteral("底数≤20");
inline const QString kSquareLevel2 = QStringLiteral("底数≤30");
inline const QString kRootLevel1 = QStringLiteral("结果≤20");
inline const QString kRootLevel2 = QStringLiteral("结果≤50");
inline const QString kBaseRange = QStringLiteral("  请输入底数不大于的范围（如≤50,则输入50）");
inline const QString kFactorialTitle = QStringLiteral("阶乘口算练习");
inline const QString kFactorialSign = QStringLiteral("！ ");
inline const QString kFactorialIntro = QStringLiteral("你将进行的是：     阶乘口算练习！");
inline const QString kFactorialLevel1 = QStringLiteral("N ≤ 10");
inline const QString kFactorialLevel2 = QStringLiteral("N ≤ 17");
inline const QString kFactorialRange = QStringLiteral("  请输入底数不大于的范围（如≤10,则输入10）");
inline const QString kCountingTitle = QStringLiteral("排列组合口算练习");
inline const QString kCountingTip = QStringLiteral("感谢使用！                       提示：排列组合问题随机出题，注意看清要求，准备好后单击[Start].");
inline const QString kCountingLevel1 = QStringLiteral("角码≤10");
inline const QString kCountingLevel2 = QStringLiteral("角码≤15");
inline const QString kCountingRange = QStringLiteral("  请输入角码不大于的范围（如≤10,则输入10）");
inline const QString kQuadraticCaption = QStringLiteral("解一元二次方程口算练习 V2.0");
inline const QString kQuadraticTitle = QStringLiteral("解方程口算练习");
inline const QString kQuadraticIntro = QStringLiteral("你将进行的是：     解一元二次方程口算练习！");
inline const QString kQuadraticLevel1 = QStringLiteral("|根|≤10");
inline const QString kQuadraticLevel2 = QStringLiteral("10≤|根|≤20");
inline const QString kQuadraticRange = QStringLiteral("  请输入根不大于的范围（如≤50,则输入50）");

}  // namespace suite::drill::texts
