#pragma once
// Runs a test in an empty working directory of its own, as the programs read and write
// names relative to theirs.

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace suite::testing {

class TempWorkingDirTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    QTemporaryDir dir_;

private:
    QString previous_;
};

}  // namespace suite::testing
