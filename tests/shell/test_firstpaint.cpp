#include "shell/firstpaint.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace suite::shell {
namespace {

void Paint(QWidget& widget)
{
    QPaintEvent paint(widget.rect());
    QCoreApplication::sendEvent(&widget, &paint);
}

TEST(AfterFirstPaint, RunsOnceJustAfterAWindowPaintsAndNotForItsChildren)
{
    QObject context;
    int runs = 0;
    AfterFirstPaint(&context, [&] { ++runs; });
    QWidget window;
    auto* child = new QWidget(&window);

    QCoreApplication::sendPostedEvents();
    Paint(*child);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(runs, 0) << "before any window painted";

    Paint(window);
    EXPECT_EQ(runs, 0) << "during the paint itself";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(runs, 1);

    Paint(window);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(runs, 1);
}

TEST(AfterFirstPaint, NeverRunsOnceItsContextIsGone)
{
    auto context = std::make_unique<QObject>();
    int runs = 0;
    AfterFirstPaint(context.get(), [&] { ++runs; });
    context.reset();
    QWidget window;
    Paint(window);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(runs, 0);
}

}  // namespace
}  // namespace suite::shell
