#pragma once
// One log of what the learner meets when a program starts: the started notice, an
// exclamation message, and the starts themselves, in the order they happened.

#include "fakes.h"

#include <QStringList>

namespace suite::tools::testing {

inline QStringList& LogLaunches(suite::testing::FakePlatform& fake, QStringList& log)
{
    fake.dialogs.onDialog = [&fake, &log] {
        const auto& asked = fake.dialogs.messages.back();
        log << (asked.icon == MsgIcon::Information ? QStringLiteral("notice") : QStringLiteral("message"));
    };
    fake.launcher.onStart = [&log] { log << QStringLiteral("start"); };
    return log;
}

inline const QString kStartedNotice = QStringLiteral("程序已启动在下方任务栏。");

}  // namespace suite::tools::testing
