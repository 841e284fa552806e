// The production cue player on Qt Multimedia, without an audio device.
#include "common/qtcueplayer.h"
#include "testkit/tempworkingdir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace suite;

namespace {

using CuePlayerTest = suite::testing::TempWorkingDirTest;

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
    // Loading (the sound backend's first start among it) is done before; playing must not
    // wait for the cue to end.
    cues.LoadAll();
    QElapsedTimer clock;
    clock.start();
    cues.PlayCue("sound\\tick.wav");
    cues.PlayCue("sound\\tick.wav");
    EXPECT_LT(clock.elapsed(), 500);
}

}  // namespace
