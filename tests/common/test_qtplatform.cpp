#include "common/colour.h"
#include "common/qtplatform.h"
#include "common/twips.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace suite;

namespace {
// Runs a test in an empty working directory of its own.
class InTempDir : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        old_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
    }
    void TearDown() override { QDir::setCurrent(old_); }
    QTemporaryDir dir_;
    QString old_;
};
}  // namespace

TEST(NativeRelativePath, MapsBackslashesAndExe)
{
    EXPECT_EQ(NativeRelativePath("partmathtools\\triangle.exe"), "partmathtools/triangle");
    EXPECT_EQ(NativeRelativePath("sound\\Tada.wav"), "sound/Tada.wav");
    EXPECT_EQ(NativeRelativePath("calc.EXE"), "calc");
}

using CuePlayerTest = InTempDir;

TEST_F(CuePlayerTest, AMissingCueIsSilentAndCostsNoTime)
{
    QtCuePlayer cues;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 20; ++i) cues.PlayCue("sound\\nothing.wav");
    EXPECT_LT(clock.elapsed(), 200);
}

TEST_F(CuePlayerTest, APresentCueStartsWithoutWaiting)
{
    QDir().mkdir("sound");
    QFile f("sound/tick.wav");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not really a wave");  // a broken file must not stop the program either
    f.close();
    QtCuePlayer cues;
    QElapsedTimer clock;
    clock.start();
    cues.PlayCue("sound\\tick.wav");
    cues.PlayCue("sound\\tick.wav");
    EXPECT_LT(clock.elapsed(), 500);
}

using LauncherTest = InTempDir;

TEST_F(LauncherTest, AProgramThatIsNotThereIsReportedAsAFailure)
{
    QtLauncher launcher;
    EXPECT_FALSE(launcher.Start("partmathtools\\missing.exe", StartStyle::MinimizedFocus));
}

TEST_F(LauncherTest, SettingsRoundTripInAPrivateStore)
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path());
    QtSettingsStore store;
    EXPECT_EQ(store.Get("Dorvix", "Settings", "MainLeft", "1000"), "1000");
    store.Save("Dorvix", "Settings", "MainLeft", "1500");
    EXPECT_EQ(store.Get("Dorvix", "Settings", "MainLeft", "1000"), "1500");
    EXPECT_TRUE(QFile::exists(dir_.path() + "/mathsuite/Dorvix.ini"));
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
