#include "common/colour.h"
#include "common/qtplatform.h"
#include "common/twips.h"
#include "testkit/tempworkingdir.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>
#include <gtest/gtest.h>

using namespace suite;

using InTempDir = suite::testing::TempWorkingDirTest;

TEST(NativeRelativePath, MapsBackslashesAndExe)
{
    EXPECT_EQ(NativeRelativePath("partmathtools\\triangle.exe"), "partmathtools/triangle");
    EXPECT_EQ(NativeRelativePath("sound\\Tada.wav"), "sound/Tada.wav");
    EXPECT_EQ(NativeRelativePath("calc.EXE"), "calc");
}

TEST(NativeRelativePath, LeavesNativeFormsAndOtherSuffixesAlone)
{
    for (const char* same : {"partmathtools/triangle", "xterm", "/usr/bin/xcalc", "notes.exe.txt", ""})
        EXPECT_EQ(NativeRelativePath(same), same);
    EXPECT_EQ(NativeRelativePath("partmathtools\\sub\\Lunquet.exe"), "partmathtools/sub/Lunquet");
}

using LauncherTest = InTempDir;

void PutFile(const QString& path, const QByteArray& body, bool executable)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(body);
    file.close();
    if (executable) file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

// The search path set to one folder for as long as it lives.
class SearchPathOf {
public:
    explicit SearchPathOf(const QString& folder) : saved_(qgetenv("PATH"))
    {
        qputenv("PATH", QDir::current().absoluteFilePath(folder).toLocal8Bit());
    }
    ~SearchPathOf() { qputenv("PATH", saved_); }

private:
    QByteArray saved_;
};

// What a started program left in the working directory, once it has finished writing it.
QByteArray WaitForFile(const QString& path)
{
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(path) && !deadline.hasExpired()) QThread::msleep(10);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<not started>");
}

TEST_F(LauncherTest, StartsAProgramInTheWorkingDirectoryWithItsArgumentsAndStyle)
{
    QDir().mkdir("partmathtools");
    PutFile("partmathtools/tiny",
            "#!/bin/sh\nprintf '%s|%s|%s' \"$1\" \"$2\" \"$SUITE_START_STATE\" > out.tmp && mv out.tmp out\n",
            true);
    QtLauncher launcher;
    EXPECT_EQ(launcher.Find("partmathtools\\tiny.exe"), QDir::current().absoluteFilePath("partmathtools/tiny"));
    ASSERT_TRUE(launcher.Start("partmathtools\\tiny.exe", {"-e", "two words"}, StartStyle::MinimizedFocus));
    EXPECT_EQ(WaitForFile("out"), "-e|two words|minimized");
}

TEST_F(LauncherTest, WhatCannotRunIsNeitherFoundNorStarted)
{
    QDir().mkpath("partmathtools/folder.exe");
    PutFile("partmathtools/text", "not a program", false);
    PutFile("inhere", "#!/bin/sh\n", true);
    const SearchPathOf path("nothing");
    QtLauncher launcher;
    // A bare name is looked for on the search path alone, not in the working directory.
    for (const char* what : {"partmathtools\\missing.exe", "partmathtools\\text.exe",
                             "partmathtools\\folder.exe", "inhere", "calc.exe"}) {
        SCOPED_TRACE(what);
        EXPECT_EQ(launcher.Find(what), QString());
        EXPECT_FALSE(launcher.Start(what, {}, StartStyle::MinimizedFocus));
    }
}

TEST_F(LauncherTest, ABareNameIsFoundOnTheSearchPath)
{
    QDir().mkdir("bin");
    PutFile("bin/desk-calc", "#!/bin/sh\n", true);
    const SearchPathOf path("bin");
    EXPECT_EQ(QtLauncher().Find("desk-calc"), QDir::current().absoluteFilePath("bin/desk-calc"));
}

// Outside programs as a desktop installs them: on the search path, some behind links.
class OutsideProgramTest : public LauncherTest {
protected:
    void SetUp() override
    {
        LauncherTest::SetUp();
        QDir().mkdir("bin");
        QDir().mkdir("alternatives");
        // Each records its arguments, one a line; the search path holds nothing else.
        for (const char* name : {"xterm", "lxterm", "xcalc", "gnome-calculator", "gnome-terminal.wrapper"})
            PutFile(QStringLiteral("bin/%1").arg(name),
                    QByteArrayLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > out.tmp && /bin/mv out.tmp out\n"), true);
    }
    // x-terminal-emulator through the system's alternatives to `terminal`.
    static void ChooseTerminal(const char* terminal)
    {
        QFile::remove("alternatives/x-terminal-emulator");
        QFile::remove("bin/x-terminal-emulator");
        ASSERT_TRUE(QFile::link(QDir::current().absoluteFilePath(QStringLiteral("bin/%1").arg(terminal)),
                                "alternatives/x-terminal-emulator"));
        ASSERT_TRUE(QFile::link(QDir::current().absoluteFilePath("alternatives/x-terminal-emulator"),
                                "bin/x-terminal-emulator"));
    }
    QByteArray StartedWith(const char* program, const QStringList& arguments, StartStyle style)
    {
        QFile::remove("out");
        const SearchPathOf path("bin");
        QtLauncher launcher;
        if (!launcher.Start(QString::fromLatin1(program), arguments, style)) return "<not started>";
        return WaitForFile("out");
    }
};

TEST_F(OutsideProgramTest, StartsMinimisedThroughItsOwnOptionWhereItHasOne)
{
    const QStringList console{"-e", "partmathtools/Tarnley"};
    const struct {
        const char* program;
        const char* terminal;  // behind x-terminal-emulator
        QStringList arguments;
        StartStyle style;
        QByteArray received;
    } cases[] = {
        {"xcalc", "", {}, StartStyle::MinimizedFocus, "-iconic\n"},
        {"xterm", "", console, StartStyle::MinimizedFocus, "-iconic\n-e\npartmathtools/Tarnley\n"},
        {"x-terminal-emulator", "lxterm", console, StartStyle::MinimizedFocus,
         "-iconic\n-e\npartmathtools/Tarnley\n"},
        {"x-terminal-emulator", "gnome-terminal.wrapper", console, StartStyle::MinimizedFocus,
         "-e\npartmathtools/Tarnley\n"},
        {"gnome-calculator", "", {}, StartStyle::MinimizedFocus, "\n"},
        {"xterm", "", console, StartStyle::Normal, "-e\npartmathtools/Tarnley\n"},
        {"xcalc", "", {}, StartStyle::Normal, "\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.program) + " " + c.terminal);
        if (*c.terminal) ChooseTerminal(c.terminal);
        EXPECT_EQ(StartedWith(c.program, c.arguments, c.style), c.received);
    }
}

TEST_F(LauncherTest, SettingsRoundTripInAPrivateStore)
{
    QtSettingsStore store(dir_.path());
    EXPECT_EQ(store.Get("Dorvix", "Settings", "MainLeft", "1000"), "1000");
    store.Save("Dorvix", "Settings", "MainLeft", "1500");
    EXPECT_EQ(store.Get("Dorvix", "Settings", "MainLeft", "1000"), "1500");
    EXPECT_TRUE(QFile::exists(dir_.path() + "/mathsuite/Dorvix.ini"));
}

TEST(DialogOwner, TheAskingWindowWhileItIsOnScreen)
{
    // Not the active window: that may be another one, which could close and take the box.
    QWidget asking;
    auto* control = new QWidget(&asking);
    QWidget active;
    active.show();
    active.activateWindow();
    EXPECT_EQ(DialogOwner(control), nullptr);  // hidden: the box stands on its own
    asking.show();
    EXPECT_EQ(DialogOwner(control), &asking);
    EXPECT_EQ(DialogOwner(&asking), &asking);
    asking.showMinimized();
    EXPECT_EQ(DialogOwner(control), nullptr);
    EXPECT_EQ(DialogOwner(nullptr), nullptr);
}

TEST(KeepTitleInView, AShortMessageStillShowsItsWholeTitle)
{
    for (const QString& title : {QStringLiteral("Quorrin"), QStringLiteral("数值超出计算范围的标题")}) {
        QMessageBox box(QMessageBox::NoIcon, title, QStringLiteral("计算正确"), QMessageBox::Ok);
        QFont bold = box.font();
        bold.setBold(true);
        const int titleWidth = QFontMetrics(bold).horizontalAdvance(title);
        KeepTitleInView(box);
        box.adjustSize();
        // The title, with room beside it for the title bar's icon and three buttons.
        EXPECT_GE(box.width(), titleWidth + 4 * QFontMetrics(bold).height()) << title.toStdString();
    }
}

TEST(Colour, BlueGreenRedFromTheHighByteDown)
{
    EXPECT_EQ(BgrColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(BgrColor(0x00FFFF), QColor(255, 255, 0));
    EXPECT_EQ(BgrColor(0x00FF00), QColor(0, 255, 0));
    EXPECT_EQ(BgrColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(BgrColor(0xC0FFC0), QColor(0xC0, 0xFF, 0xC0));
    EXPECT_TRUE(SystemColor(SystemColour::ButtonFace).isValid());
}

TEST(Twips, FifteenToAPixel)
{
    EXPECT_EQ(TwipsToPixels(15), 1);
    EXPECT_EQ(TwipsToPixels(10005), 667);
    EXPECT_EQ(TwipsRect(360, 5400, 2295, 375), QRect(24, 360, 153, 25));
}

TEST(Twips, RoundToTheNearestPixelOnBothSidesOfZero)
{
    const struct {
        int twips;
        int pixels;
    } cases[] = {
        {0, 0},     {7, 0},     {8, 1},      {22, 1},     {23, 2},
        {-7, 0},    {-8, -1},   {-15, -1},   {-22, -1},   {-23, -2},
        {-1515, -101},  // a window one pixel further left than -1500 twips
    };
    for (const auto& c : cases) EXPECT_EQ(TwipsToPixels(c.twips), c.pixels) << c.twips;
    // Every pixel position survives the road through twips and back.
    for (int pixels = -300; pixels <= 300; ++pixels) EXPECT_EQ(TwipsToPixels(PixelsToTwips(pixels)), pixels);
}
