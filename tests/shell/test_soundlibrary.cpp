#include "shell/soundlibrary.h"

#include <QLibrary>
#include <gtest/gtest.h>

namespace suite::shell {
namespace {

const QString kFakeModule = QStringLiteral(FAKE_SOUND_MODULE);

TEST(SoundLibrary, CuesAskedBeforeTheModuleIsConnectedPlayInOrderThenAtOnce)
{
    SoundLibrary cues(kFakeModule);
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
    SoundLibrary cues(QStringLiteral("no-such-folder/brenvalesound"));
    cues.PlayCue(QStringLiteral("sound\\1.wav"));
    cues.Connect();
    cues.PlayCue(QStringLiteral("sound\\2.wav"));
    cues.LoadAll();
    cues.Connect();
}

}  // namespace
}  // namespace suite::shell
