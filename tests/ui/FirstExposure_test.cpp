#include "support/WaitUntil.h"
#include "ui/FirstExposure.h"

#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

// What waits for the window runs from the event loop with the window on the screen;
// a window on the screen already is not waited for.
TEST(FirstExposure, RunsOnceFromTheEventLoopWithTheWindowOnTheScreen)
{
    for (const bool exposedFirst : {false, true}) {
        QWidget window;
        window.show();
        if (exposedFirst) {
            ASSERT_TRUE(WaitUntil([&window] { return window.windowHandle()->isExposed(); }));
        }
        int runs = 0;
        bool exposedAtRun = false;
        FirstExposure::Then(window, [&] {
            ++runs;
            exposedAtRun = window.windowHandle()->isExposed();
        });
        EXPECT_EQ(runs, 0) << "exposed first: " << exposedFirst;

        ASSERT_TRUE(WaitUntil([&runs] { return runs > 0; }));
        EXPECT_EQ(runs, 1);
        EXPECT_TRUE(exposedAtRun);
    }
}
