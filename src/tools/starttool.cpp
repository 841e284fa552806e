#include "tools/starttool.h"

namespace suite::tools {

namespace {

constexpr char kStartedNotice[] = "程序已启动在下方任务栏。";

// Desktop calculators only: a console calculator would run with no window to type in.
const char* const kDesktopCalculators[] = {
    "gnome-calculator", "kcalc", "qalculate-qt", "qalculate-gtk", "mate-calc", "galculator", "xcalc",
};
const char* const kTerminalWindows[] = {"x-terminal-emulator", "xterm"};

// What starting a program takes: the program and its arguments, or, when it cannot be
// found, the message that says what is missing.
struct PreparedStart {
    QString program;
    QStringList arguments;
    QString name;     // what the learner knows it by, for the messages
    QString missing;  // empty when ready
};

QString Utf8(const char* text) { return QString::fromUtf8(text); }

template <std::size_t N>
QString FirstFound(Launcher& launcher, const char* const (&names)[N])
{
    for (const char* name : names)
        if (QString found = launcher.Find(QString::fromLatin1(name)); !found.isEmpty()) return found;
    return {};
}

template <std::size_t N>
QString NameList(const char* const (&names)[N])
{
    QStringList list;
    for (const char* name : names) list << QString::fromLatin1(name);
    return list.join(Utf8("、"));
}

PreparedStart PrepareStart(Launcher& launcher, const QString& windowsPath, ProgramKind kind)
{
    PreparedStart start;
    if (kind == ProgramKind::SystemCalculator) {
        start.program = FirstFound(launcher, kDesktopCalculators);
        start.name = start.program;
        if (start.program.isEmpty())
            start.missing =
                Utf8("找不到桌面计算器（") + NameList(kDesktopCalculators) + Utf8("），无法启动。");
        return start;
    }
    start.name = NativeRelativePath(windowsPath);
    const QString found = launcher.Find(windowsPath);
    if (found.isEmpty()) {
        start.missing = Utf8("找不到程序 ") + start.name + Utf8("，无法启动。");
        return start;
    }
    if (kind == ProgramKind::Window) {
        start.program = found;
        return start;
    }
    start.program = FirstFound(launcher, kTerminalWindows);
    if (start.program.isEmpty()) {
        start.missing = Utf8("找不到终端窗口（") + NameList(kTerminalWindows) +
                        Utf8("），无法在控制台窗口中启动 ") + start.name + Utf8("。");
        return start;
    }
    // The terminal starts in Brenvale's working directory; the relative path keeps blanks in
    // that directory's name out of the command line that some terminals split again.
    start.arguments = {QStringLiteral("-e"), start.name};
    return start;
}

void Exclaim(Platform& platform, QWidget* asker, const QString& text)
{
    platform.dialogs.MessageBox(asker, text, MsgButtons::Ok, MsgIcon::Exclamation);
}

void StartedNotice(Platform& platform, QWidget* asker)
{
    platform.dialogs.MessageBox(asker, Utf8(kStartedNotice), MsgButtons::Ok, MsgIcon::Information);
}

}  // namespace

void StartTool(Platform& platform, QWidget* asker, const QString& windowsPath, ProgramKind kind,
               Notice notice)
{
    // The asking window outlives its handler's boxes (ModalScope), so it can own the next.
    const PreparedStart start = PrepareStart(platform.launcher, windowsPath, kind);
    if (!start.missing.isEmpty()) {
        Exclaim(platform, asker, start.missing);
        return;
    }
    if (notice == Notice::Before) StartedNotice(platform, asker);
    if (!platform.launcher.Start(start.program, start.arguments, StartStyle::MinimizedFocus)) {
        Exclaim(platform, asker, Utf8("程序 ") + start.name + Utf8(" 未能启动。"));
        return;
    }
    if (notice == Notice::After) StartedNotice(platform, asker);
}

}  // namespace suite::tools
