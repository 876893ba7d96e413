#include "editor/DeviceTabs.h"
#include "editor/TavloForm.h"
#include "model/ApplicationState.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

TEST(TavloFormSmoke, StartsUpOnTheProjectorTabAndClosesCleanly)
{
    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state(folder.path(), prompts);
    auto* window = new TavloForm(state, folder / "registry");
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->windowTitle().toStdString(), "Tavlo Editor 1.0.17");
    EXPECT_EQ(state.Names.ControlCodeNames[13], "CR");
    EXPECT_TRUE(folder.Exists("Defaults"));
    EXPECT_TRUE(folder.Exists("registry")) << "the built-in device types are written";
    EXPECT_EQ(window->findChild<DeviceTabs*>("DeviceTab")->Tab(), TabNumber(ConfigTab::Projector));
    EXPECT_FALSE(state.Config.ConfigChanged);
    EXPECT_TRUE(state.Config.ConfigSerialStrings(28).CanBeInput());
    EXPECT_FALSE(state.Config.ConfigSerialStrings(29).CanBeInput());

    QPointer<TavloForm> guard(window);
    EXPECT_TRUE(window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
}
