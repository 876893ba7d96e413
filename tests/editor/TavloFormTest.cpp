#include "editor/DeviceTabs.h"
#include "editor/TavloForm.h"
#include "model/ApplicationState.h"
#include "model/ConfigurationArchive.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QAction>
#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

class TavloFormTest : public ::testing::Test {
protected:
    ~TavloFormTest() override { EXPECT_TRUE(prompts.AllAnswered()) << "an expected prompt never came"; }

    TavloForm& Window()
    {
        if (!window) {
            window = std::make_unique<TavloForm>(state, folder / "registry");
            window->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        }
        return *window;
    }
    void Press(const QString& key) { Named<QAction>(Window(), key)->trigger(); }
    DeviceTabs& Tabs() { return *Named<DeviceTabs>(Window(), "DeviceTab"); }
    void ExpectSaveQuestion(PromptAnswer answer)
    {
        prompts.ExpectMessage("Do you wish to save changes?", "Save change?", PromptButtons::YesNoCancel,
                              PromptIcon::None, answer);
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
    std::unique_ptr<TavloForm> window;
};

}  // namespace

TEST_F(TavloFormTest, ClosingAsksAboutUnsavedChanges)
{
    Window();
    state.Config.ConfigChanged = true;
    ExpectSaveQuestion(PromptAnswer::Cancel);
    Press("EXIT");
    EXPECT_TRUE(Window().isVisible()) << "Cancel keeps the window, EXIT included";

    ExpectSaveQuestion(PromptAnswer::Yes);
    prompts.ExpectSaveFile(std::nullopt);  // the save is cancelled: still open
    EXPECT_FALSE(Window().close());

    ExpectSaveQuestion(PromptAnswer::Yes);
    prompts.ExpectSaveFile(QString::fromStdString((folder / "Last.tvl").string()));
    EXPECT_TRUE(Window().close());
    EXPECT_TRUE(folder.Exists("Last.tvl"));
}

TEST_F(TavloFormTest, AddOnSwitchesMarkTheChangeAndRenameTheHiDefTabs)
{
    Window();
    EXPECT_EQ(Tabs().Caption(6), "Video 3");
    Press("ZENVARA");
    EXPECT_TRUE(state.Config.Record.ZenvaraEnabled);
    EXPECT_EQ(Tabs().Caption(6), "Video 3 (Hi Def 1)");
    EXPECT_EQ(Tabs().Caption(7), "Video 4 (Hi Def 2)");
    Press("ZENVARA");
    EXPECT_EQ(Tabs().Caption(7), "Video 4");
    EXPECT_TRUE(state.Config.ConfigChanged) << "even when toggled back";

    Press("QUILMARDRAVENT");
    EXPECT_TRUE(state.Config.Record.QuilmarDraventEnabled);
    EXPECT_TRUE(Named<QAction>(Window(), "QUILMARDRAVENT")->isChecked());
    Tabs().SetTab(16);
    EXPECT_TRUE(Named<QWidget>(Window(), "IRRS232Frame")->isVisible());

    state.Config.ConfigChanged = false;  // leave without a question
}

TEST_F(TavloFormTest, TheCommandLineFileOpensAfterTheWindowShows)
{
    state.Config.ClearConfiguration();
    state.Config.Record.ConfigNotes = "From the command line";
    ASSERT_TRUE(SaveConfigurationFile(state, folder / "Room 12.tvl"));

    Window().OpenFromCommandLine(QString::fromStdString("\"" + (folder / "Room 12.tvl").string() + "\""));
    auto* timer = Named<QTimer>(Window(), "StartUpTimer");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 500);
    QSignalSpy fired(timer, &QTimer::timeout);
    ASSERT_TRUE(fired.wait(3000));
    EXPECT_EQ(Window().windowTitle(), "Room 12");
    EXPECT_EQ(Named<QPlainTextEdit>(Window(), "GeneralNotes")->toPlainText(), "From the command line");
    EXPECT_FALSE(state.Config.ConfigChanged);

    // A file that does not open never ends the editor.
    prompts.ExpectMessage("Failed to open file!", "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
    Window().OpenFromCommandLine(QString::fromStdString((folder / "missing.tvl").string()));
    ASSERT_TRUE(fired.wait(3000));
    EXPECT_EQ(Window().windowTitle(), "Tavlo Editor 1,0,17");

    Window().OpenFromCommandLine("\"");
    EXPECT_FALSE(timer->isActive()) << "nothing left to open";
}

TEST_F(TavloFormTest, AnIRDatabaseThatCannotBeReadLeavesAnEmptyOneAndTheEditorRuns)
{
    std::filesystem::create_directory(folder / "InfraRed.DEF");
    prompts.ExpectMessageStartingWith("Infra-red configuration file could not be loaded!\r\n", "Tavlo Editor",
                                      PromptButtons::Ok, PromptIcon::Exclamation);
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(state.IR.IRDatabase.Count(), 0);
}
