#pragma once

#include "editor/TavloForm.h"
#include "support/ProgramStateTest.h"

#include <QTest>
#include <memory>

// The main window over a fresh state, made, shown and made active at its
// first use, so that a test can prepare the program folder before.
class MainWindowTest : public ProgramStateTest {
protected:
    TavloForm& Window()
    {
        if (!window) {
            window = std::make_unique<TavloForm>(state, folder / "registry");
            window->show();
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        }
        return *window;
    }

    std::unique_ptr<TavloForm> window;
};
