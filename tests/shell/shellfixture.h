#pragma once
// A Brenvale main menu started in a private working directory on the platform fakes.

#include "controls.h"
#include "fakes.h"
#include "shell/mainform.h"
#include "workingdir.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace suite::shell::testing {

inline const QByteArray kNever = "\"2.71828\"\r\n";
inline const QByteArray kNextStart = "\"0\"\r\n";
inline const QByteArray kEveryStart = "\"3.1416\"\r\n";

class ShellTest : public WorkingDirTest {
protected:
    void TearDown() override
    {
        main_.reset();
        Flush();
        WorkingDirTest::TearDown();
    }

    // Closed windows go at the next event loop pass; tests run none.
    static void Flush() { suite::testing::FlushClosedWindows(); }

    // Starts the program with the given preference file (none: no file) and start-up draw.
    MainForm& Start(std::optional<QByteArray> preference = kNever, int startDraw = 1)
    {
        if (preference) PutPreference(*preference);
        fake.random.QueueDraw(startDraw, 3);
        main_ = std::make_unique<MainForm>(fake.platform);
        main_->Start();
        return *main_;
    }
    MainForm& Main() { return *main_; }

    template <class T = QAbstractButton>
    T* Control(QWidget* window, const char* name)
    {
        return suite::testing::FindControl<T>(window, name);
    }
    QAbstractButton* Button(const char* name) { return Control(main_.get(), name); }
    QAction* Item(const char* name) { return main_->findChild<QAction*>(QString::fromLatin1(name)); }
    QTimer* Timer(const char* name) { return main_->findChild<QTimer*>(QString::fromLatin1(name)); }

    suite::testing::FakePlatform fake;

private:
    std::unique_ptr<MainForm> main_;
};

}  // namespace suite::shell::testing
