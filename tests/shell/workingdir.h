#pragma once
// A fresh working directory for one test, as Brenvale reads and writes relative names.

#include "shell/tipspreference.h"
#include "testkit/tempworkingdir.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace suite::shell::testing {

class WorkingDirTest : public suite::testing::TempWorkingDirTest {
protected:
    static void PutPreference(const QByteArray& bytes)
    {
        QFile file(QString::fromLatin1(kPreferenceFileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray PreferenceBytes()
    {
        QFile file(QString::fromLatin1(kPreferenceFileName));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

}  // namespace suite::shell::testing
