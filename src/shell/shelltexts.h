#pragma once
// The fixed texts of Brenvale's shell windows, and the font faces they name.

namespace suite::shell::text {

inline constexpr char kMainCaption[] = "Brenvale";
inline constexpr char kFaceXingkai[] = "华文行楷";
inline constexpr char kGreeting[] = "欢迎使用QuorrinBrenvale！ ";
inline constexpr char kFaceShuti[] = "方正舒体";
inline constexpr char kAdd[] = "加";
inline constexpr char kSubtract[] = "减";
inline constexpr char kMultiply[] = "乘";
inline constexpr char kDivide[] = "除";
inline constexpr char kRoots[] = "开方";
inline constexpr char kCounting[] = "排列组合";
inline constexpr char kFactorial[] = "阶乘";
inline constexpr char kSquares[] = "乘方";
inline constexpr char kQuadratic[] = "一元二次方程";
inline constexpr char kRandomDrill[] = "随机练习";
inline constexpr char kMathTools[] = "数学工具集锦";
inline constexpr char kGoodbye[] = "再见";
inline constexpr char kFaceCaiyun[] = "华文彩云";
inline constexpr char kThanksHelp[] = "感谢使用！简要说明";
inline constexpr char kClosingWish[] = "祝您练习愉快！";
inline constexpr char kFaceXihei[] = "华文细黑";
inline constexpr char kMenuControl[] = "控制(&C)";
inline constexpr char kMenuStartRandom[] = "开始随机练习(&S)";
inline constexpr char kMenuExit[] = "退出(&X)";
inline constexpr char kMenuHelp[] = "帮助(&H)";
inline constexpr char kMenuInstructions[] = "简要说明(&H)";
inline constexpr char kMenuEditionNotes[] = "再版说明";
inline constexpr char kMenuAbout[] = "关于(&A)";
inline constexpr char kTipsNextStart[] = "0";
inline constexpr char kTipsEveryStart[] = "3.1416";
inline constexpr char kTipsNever[] = "2.71828";
inline constexpr char kCueStart1[] = "sound\\1.wav";
inline constexpr char kCueStart2[] = "sound\\2.wav";
inline constexpr char kCueStart3[] = "sound\\3.wav";
inline constexpr char kCueTada[] = "sound\\Tada.wav";
inline constexpr char kAgain[] = "Again";
inline constexpr char kCueChimes[] = "sound\\Chimes.wav";
inline constexpr char kChoiceNever[] = "我懂了，以后不用再提示";
inline constexpr char kChoiceNextStart[] = "下次启动提示我";
inline constexpr char kChoiceEveryStart[] = "每次启动提示我";
inline constexpr char kStartPractising[] = "★ 现在开始练习 ★";
inline constexpr char kTipsCaption[] = "Quorrin：";
inline constexpr char kFaceLishu[] = "隶书";
inline constexpr char kTipsParagraph1[] = "    朋友，您好！我是Quorrin，我的目标也是把你锻造成新一代的我，心算本领将是你一生的功夫，就看你的了。";
inline constexpr char kTipsParagraph2[] = "    练习的路上我将会一直陪伴这你。上路之前，和对每一个朋友一样，我依然先要为你打气：相信你自己，就没有走不出来的路。另外开始起步的你也一定要有准备，Quorrin可不是一天两天炼就的。我的语文老师说：行百里者半于九十。英语老师说：耐心和持久胜过激烈和狂热。希望你相信，奇迹在坚持中产生！";
inline constexpr char kInsCaption[] = "Instructions";
inline constexpr char kInsWelcome[] = "欢迎使用本程序！";
inline constexpr char kFaceXinwei[] = "华文新魏";
inline constexpr char kFaceSongti[] = "宋体";
inline constexpr char kInsText[] = "    亲爱的用户和朋友们，感谢使用本程序。这是一款面向各年龄层次、不同文化水平朋友的Brenvale。你可以从面板上加、减、乘、除、乘方、开方、一元二次方程、阶乘、排列组合这九种运算中选择一种练习，也可以由电脑随机选择练习模块。打开一种相应的练习模板后，您可选择难度、题量、倒计时时间限制、错题加罚巩固控制等。面板上有默认的两项已定义好的设置，当然您可根据自己的需要完全“自定义”来设置。练习过程中可以随时暂停和返回，采用人机对话形式，紧张刺激的环境里锻炼你一生的口算技能。";
inline constexpr char kInsHint[] = "提示：稍作等待或单击此处可快速返回面板";
inline constexpr char kInsStartSaying[] = "记得本人英语老师有句名言：耐心和持久胜过激烈和狂热，怎么样？准备好了吗？";
inline constexpr char kInsStartGo[] = "单击此处开战！";
inline constexpr char kZaibanCaption[] = "Quorrin 再版说明";
inline constexpr char kWriterCaption[] = "作者";

}  // namespace suite::shell::text
