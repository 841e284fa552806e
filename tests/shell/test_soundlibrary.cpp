#include "shell/soundlibrary.h"

#include <QCoreApplication>
#include <QLibrary>
#include <gtest/gtest.h>

namespace suite::shell {
namespace {

const QString kFakeModule = QStringLiteral(FAKE_SOUND_MODULE);

TEST(SoundLibrary, CuesAskedBeforeTheModuleIsConnectedPlayInOrderThenAtOnce)
{
    SoundModuleLoad module(kFakeModule);
    SoundLibrary cues(module);
    QLibrary probe(kFakeModule);
    const auto played = reinterpret_cast<const QStringList* (*)()>(probe.resolve("fake_played"));
    ASSERT_NE(played, nullptr) << probe.errorString().toStdString();

    cues.PlayCue(QStringLiteral("sound\\2.wav"));
    cues.LoadAll();
    EXPECT_TRUE(played()->isEmpty());
    cues.Connect();
    EXPECT_EQ(*played(), (QStringList{QStringLiteral("sound\\2.wav"), QStringLiteral("<all>")}));
    cues.PlayCue(QStringLiteral("sound\\Tada.wav"));
    EXPECT_EQ(played()->size(), 3);
    EXPECT_EQ(played()->last(), QStringLiteral("sound\\Tada.wav"));
}

TEST(SoundLibrary, AModuleThatIsNotThereLeavesTheProgramSilent)
{
    SoundModuleLoad module(QStringLiteral("no-such-folder/brenvalesound"));
    SoundLibrary cues(module);
    cues.PlayCue(QStringLiteral("sound\\1.wav"));
    cues.Connect();
    cues.PlayCue(QStringLiteral("sound\\2.wav"));
    cues.LoadAll();
    cues.Connect();
}

TEST(SoundLibrary, TheModuleIsLookedForBesideTheProgram)
{
    // Found before the application object exists, it must be the folder Qt reports after.
    EXPECT_EQ(SoundModuleLoad::BesideProgram(), QCoreApplication::applicationDirPath() + QStringLiteral("/brenvalesound"));
}

}  // namespace
}  // namespace suite::shell
