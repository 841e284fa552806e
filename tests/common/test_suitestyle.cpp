#include "common/suitestyle.h"

#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace suite {
namespace {

bool ImagePluginsLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

TEST(SuiteStyle, IsFusionWithAMenuBarArrowThatNeedsNoImagePlugin)
{
    SuiteStyle style;
    if (ImagePluginsLoaded()) GTEST_SKIP() << "an earlier test loaded the image plugins";
    QMainWindow window;
    window.setStyle(&style);
    window.menuBar()->setStyle(&style);
    window.menuBar()->addMenu(QStringLiteral("文件(&F)"));
    EXPECT_FALSE(ImagePluginsLoaded());

    ASSERT_NE(style.baseStyle(), nullptr);
    EXPECT_EQ(style.baseStyle()->name(), QStringLiteral("fusion"));
    EXPECT_FALSE(style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).isNull());
    EXPECT_FALSE(style.standardIcon(QStyle::SP_TitleBarCloseButton).isNull());
}

}  // namespace
}  // namespace suite
