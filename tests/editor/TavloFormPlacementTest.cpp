#include "controls/ScreenFit.h"
#include "editor/DeviceTabs.h"
#include "editor/TavloForm.h"
#include "model/ApplicationState.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QAction>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

// The test screen is narrower than the window would like to be, as a laptop
// at 125% is: the frame stays on its free area, and the tabs and the pages
// are not squeezed below what they need to be used.
TEST(TavloFormPlacement, OpensWithinTheScreensFreeArea)
{
    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state(folder.path(), prompts);
    TavloForm window(state, folder / "registry");
    const QRect available = window.screen()->availableGeometry();
    ASSERT_LT(available.width(), 1100) << "a screen that cannot hold the window's wished-for size";

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(0);  // the frame is checked once the window is shown
    EXPECT_TRUE(available.contains(window.frameGeometry()))
        << window.frameGeometry().width() << "x" << window.frameGeometry().height() << " on " << available.width()
        << "x" << available.height();

    // The HD captions are the widest; every tab then still shows at least the
    // start of its caption.
    Named<QAction>(window, "ZENVARA")->trigger();
    auto* tabs = Named<DeviceTabs>(window, "DeviceTab");
    for (int tab = 0; tab < DeviceTabs::Tabs; ++tab) {
        SCOPED_TRACE(tab);
        tabs->SetTab(tab);
        QCoreApplication::processEvents();
        EXPECT_TRUE(available.contains(window.frameGeometry()));
        const QSize least = window.minimumSizeHint();
        EXPECT_GE(window.width(), least.width());
        EXPECT_GE(window.height(), least.height());
        auto* button = Named<QToolButton>(*tabs, "DeviceTab", tab);
        EXPECT_GE(button->width(), button->minimumSizeHint().width());
    }
    state.Config.ConfigChanged = false;  // leave without a question
}

TEST(TavloFormPlacement, AFrameIsBroughtOntoTheFreeArea)
{
    const QRect area(0, 30, 1366, 700);
    const struct {
        QRect frame;
        QRect fitted;
    } cases[] = {
        {{100, 100, 800, 600}, {100, 100, 800, 600}},  // fits: stays
        {{900, 400, 800, 600}, {566, 130, 800, 600}},  // hangs off right and bottom
        {{-20, 0, 800, 600}, {0, 30, 800, 600}},       // off left and top
        {{50, 10, 1400, 900}, {0, 30, 1366, 700}},     // larger than the area
    };
    for (const auto& c : cases) EXPECT_EQ(FrameWithin(c.frame, area), c.fitted) << c.frame.x() << "," << c.frame.y();
}
