#include "editor/TavloForm.h"
#include "model/ApplicationState.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

TEST(TavloFormSmoke, StartsCaptionedAndClosesCleanly)
{
    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state(folder.path(), prompts);
    auto* window = new TavloForm(state);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->windowTitle().toStdString(), "Tavlo Editor 1.0.17");
    EXPECT_EQ(state.Names.ControlCodeNames[13], "CR");

    QPointer<TavloForm> guard(window);
    EXPECT_TRUE(window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
}
