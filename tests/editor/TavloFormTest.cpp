#include "controls/IntegerEntry.h"
#include "controls/LibraryTree.h"
#include "editor/DeviceTabs.h"
#include "editor/TavloForm.h"
#include "messages/SerialStringDisplay.h"
#include "model/ApplicationState.h"
#include "model/ConfigurationArchive.h"
#include "support/ModalDialogs.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "support/devices/SimulatedPortMaker.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
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
    prompts.ExpectMessage("Failed to open file! '" + QString::fromStdString((folder / "missing.tvl").string()) +
                              ": No such file or directory'",
                          "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
    Window().OpenFromCommandLine(QString::fromStdString((folder / "missing.tvl").string()));
    ASSERT_TRUE(fired.wait(3000));
    EXPECT_EQ(Window().windowTitle(), "Tavlo Editor 1,0,17");

    Window().OpenFromCommandLine("\"");
    EXPECT_FALSE(timer->isActive()) << "nothing left to open";
}

// Start-up reads no database, so it takes as long at any database size; an
// IR database that cannot be read says so at its first use, once.
TEST_F(TavloFormTest, DatabasesAreReadAtTheirFirstUseAndAnUnreadableOneLeavesAnEmptyOne)
{
    std::filesystem::create_directory(folder / "InfraRed.DEF");
    EXPECT_TRUE(Window().isVisible());
    EXPECT_TRUE(prompts.Shown().empty()) << "start-up read a database";
    prompts.ExpectMessageStartingWith("Infra-red configuration file could not be loaded!\r\n", "Tavlo Editor",
                                      PromptButtons::Ok, PromptIcon::Exclamation);
    EXPECT_EQ(state.IR.IRDatabase().Count(), 0);
    EXPECT_EQ(state.IR.IRDatabase().Count(), 0);
    EXPECT_EQ(prompts.Shown().size(), 1U);
}

TEST_F(TavloFormTest, TheProjectorTreeIsLeftToThePickersFirstOpening)
{
    ScriptedPrompts quiet;
    ProjectorClassGlobals written(folder.path(), quiet);
    for (const char* model : {"BEAMER 1", "BEAMER 2"}) {
        written.AddProjectorDefinition();
        written.ProjectorDatabase()[written.ProjectorDatabase().LastIndex()].Manufacturer("ACME");
        written.ProjectorDatabase()[written.ProjectorDatabase().LastIndex()].Model(model);
    }
    written.SaveProjectorDatabase();

    auto* frame = Named<QWidget>(Window(), "ProjectorFrame");
    auto* tree = frame->findChild<QTreeWidget*>("treeview1");
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(state.Projectors.ProjectorDatabase().Count(), 2);
    EXPECT_EQ(tree->topLevelItemCount(), 0) << "no rows are built before the picker opens";
    QTest::mouseClick(Named<QWidget>(*frame, "ProjectorLabel"), Qt::LeftButton);
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    EXPECT_EQ(tree->topLevelItem(0)->childCount(), 2);
}

TEST_F(TavloFormTest, EachInputTabArrangesTheSharedPage)
{
    ConfigurationRecord& record = state.Config.Record;
    Window();
    record.AudioRerouteMode[0] = 1;        // Audio 1 serves Computer 1
    record.ComputerIsComponent[1] = true;  // Computer 2 takes component video
    record.InputNotInUse[5] = true;
    const auto label = [&](const char* name) { return Named<QLabel>(Window(), name); };
    const auto visible = [&](const char* name) { return Named<QWidget>(Window(), name)->isVisible(); };

    Tabs().SetTab(8);
    EXPECT_EQ(label("UseThisRearPanelConnectionLabel")->text(),
              "This audio input is being used with Computer 1 video input");
    EXPECT_FALSE(visible("InputModes1"));
    EXPECT_FALSE(visible("RS232Frame"));
    EXPECT_TRUE(visible("AudioReroute1"));

    Tabs().SetTab(0);
    EXPECT_EQ(label("UseThisRearPanelConnectionLabel")->text(),
              "Connect video to input 1 and audio to inputs 9 on rear panel");
    EXPECT_TRUE(visible("AudioFromFrame"));
    EXPECT_EQ(label("AudioFromLabel")->text(), "Audio from 'Audio 1'");
    EXPECT_TRUE(visible("VGACompControl1"));
    EXPECT_FALSE(visible("AudioReroute1"));

    Tabs().SetTab(1);
    EXPECT_EQ(Tabs().Caption(1), "Component 2");
    EXPECT_EQ(label("UseThisRearPanelConnectionLabel")->text(),
              "Connect audio/video to inputs 2 on rear panel using Brenlo breakout lead\r\n"
              "Ensure projector serial code Data 2 is set to select component video");
    EXPECT_FALSE(visible("AudioFromFrame"));

    Tabs().SetTab(5);
    EXPECT_FALSE(visible("RS232Frame")) << "an input not in use shows only its settings";
    EXPECT_FALSE(visible("UseInputFrame"));
    EXPECT_TRUE(visible("InputModes1"));

    Tabs().SetTab(9);
    auto* received = Named<SerialStringDisplay>(Window(), "SerialStringDisplay1_0");
    auto* transmitted = Named<SerialStringDisplay>(Window(), "SerialStringDisplay1_1");
    EXPECT_EQ(received->MySerialClass(), &state.Config.ConfigSerialStrings(28));
    EXPECT_EQ(transmitted->MySerialClass(), &state.Config.ConfigSerialStrings(38));

    Tabs().SetTab(3);
    transmitted->MySerialClass()->MyRS232StringClass().NumberOfBytes(2);
    emit transmitted->Changed();
    EXPECT_EQ(record.ConfigSerialSlots[32].NumberOfBytes, 2) << "input 3's sent message is slot 32";
    EXPECT_TRUE(state.Config.ConfigChanged);
    state.Config.ConfigChanged = false;
}

TEST_F(TavloFormTest, ShowingAConfigurationMarksNothingAndReachesEveryPage)
{
    Window();
    ConfigurationRecord& record = state.Config.Record;
    record.ConfigNotes = "Shown";
    record.VolumeMaximum = -7;
    record.ConfigSerialSlots[8].NumberOfBytes = 3;
    record.ZenvaraEnabled = true;
    Window().ShowConfiguration();
    EXPECT_FALSE(state.Config.ConfigChanged);
    EXPECT_EQ(Named<QPlainTextEdit>(Window(), "GeneralNotes")->toPlainText(), "Shown");
    EXPECT_EQ(Named<IntegerEntry>(Window(), "MaximumLevel")->return_value(), -7);
    EXPECT_EQ(Named<SerialStringDisplay>(Window(), "SerialStringDisplay6_8")
                  ->MySerialClass()
                  ->MyRS232StringClass()
                  .NumberOfBytes(),
              3);
    EXPECT_TRUE(Named<QAction>(Window(), "ZENVARA")->isChecked());
    EXPECT_EQ(Tabs().Caption(6), "Video 3 (Hi Def 1)");
}

TEST_F(TavloFormTest, DownloadAsksToSaveFirstAndOpensOnTheUnsavedConfiguration)
{
    InstallSimulatedPorts(state.Installed);  // no controller anywhere
    Window();
    state.Config.ConfigChanged = true;
    ExpectSaveQuestion(PromptAnswer::Cancel);
    Press("DOWNLOAD");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    ExpectSaveQuestion(PromptAnswer::No);
    QString shown;
    WhenModalOpens([&shown](QWidget* dialog) {
        shown = dialog->windowTitle();
        dialog->close();
    });
    Press("DOWNLOAD");
    EXPECT_EQ(shown, "Tavlo program");
    EXPECT_TRUE(state.Config.ConfigChanged) << "nothing was saved";
    state.Config.ConfigChanged = false;
}

TEST_F(TavloFormTest, OpeningADifferingProjectorIsSettledInTheReplaceDialog)
{
    state.Config.ClearConfiguration();
    ProjectorClass& opened = state.Config.ConfigProjector();
    opened.Manufacturer("ACME");
    opened.Model("BEAMER 1");
    opened.WarmUpTime(30);
    state.Config.StoreProjectorToConfig();
    ASSERT_TRUE(SaveConfigurationFile(state, folder / "Room.tvl"));
    const QString room = QString::fromStdString((folder / "Room.tvl").string());

    Window();
    ProjectorClassGlobals& projectors = state.Projectors;
    projectors.AddProjectorDefinition();
    ProjectorClass& stored = projectors.ProjectorDatabase()[projectors.ProjectorDatabase().LastIndex()];
    stored.Manufacturer("ACME");
    stored.Model("BEAMER 1");
    stored.WarmUpTime(45);

    // Added under a new name: the configuration names the new definition and is changed.
    QString title;
    WhenModalOpens([&title](QWidget* dialog) {
        title = dialog->windowTitle();
        WhenModalOpens([](QWidget* names) {
            Named<QLineEdit>(*names, "Text2")->setText("beamer 1b");
            Named<QPushButton>(*names, "Done")->click();
        });
        Named<QRadioButton>(*dialog, "NewInData")->click();
    });
    prompts.ExpectOpenFile(room);
    Press("OPEN");
    EXPECT_EQ(title, "Replace Projector?");
    EXPECT_EQ(Window().windowTitle(), "Room");
    EXPECT_EQ(state.Config.Record.ConfigProjectorBlock.Model.trimmed(), "BEAMER 1B");
    EXPECT_TRUE(state.Config.ConfigChanged);
    ScriptedPrompts quiet;
    ProjectorClassGlobals saved(folder.path(), quiet);
    saved.LoadProjectorDatabase();
    EXPECT_EQ(saved.ProjectorDatabase().Count(), 2);
    EXPECT_GE(saved.FindProjector("ACME", "BEAMER 1B"), 0);

    // Opened again, the configuration takes the database's definition.
    ExpectSaveQuestion(PromptAnswer::No);
    WhenModalOpens([](QWidget* dialog) { Named<QRadioButton>(*dialog, "ReplaceInConfiguration")->click(); });
    prompts.ExpectOpenFile(room);
    Press("OPEN");
    EXPECT_EQ(state.Config.Record.ConfigProjectorBlock.Model.trimmed(), "BEAMER 1");
    EXPECT_EQ(state.Config.Record.ConfigProjectorBlock.WarmUpTime, 45);
    EXPECT_TRUE(state.Config.ConfigChanged);
    state.Config.ConfigChanged = false;  // leave without a question
}

TEST_F(TavloFormTest, EveryTabShowsItsOwnPageAndTheAddOnFramesFollowTheSwitch)
{
    ConfigurationRecord& record = state.Config.Record;
    Window();
    for (const bool addOns : {false, true}) {
        record.QuilmarDraventEnabled = addOns;
        record.ComputerIsComponent[2] = true;
        for (int tab = 0; tab < DeviceTabs::Tabs; ++tab) {
            Tabs().SetTab(tab);
            Window().ArrangeDeviceTab();
            const bool input = tab < 10;
            EXPECT_EQ(Named<QWidget>(Window(), "InputModes1")->isVisible(), input) << tab;
            EXPECT_EQ(Named<QWidget>(Window(), "ProjectorFrame")->isVisible(), tab == 11) << tab;
            // A computer input takes IR commands only as a component input.
            const bool ir = addOns && input && (tab >= 4 || tab == 2);
            EXPECT_EQ(Named<QWidget>(Window(), "IRFrame")->isVisible(), ir) << tab << " add-ons " << addOns;
            if (ir) {
                EXPECT_TRUE(
                    Named<QLabel>(Window(), "UseThisRearPanelConnectionLabel")
                        ->text()
                        .endsWith("the Dravent module must also be added if you wish to use front pael control"))
                    << tab;
            }
        }
        Tabs().SetTab(16);
        EXPECT_EQ(Named<QWidget>(Window(), "IRRS232Frame")->isVisible(), addOns);
        Tabs().SetTab(17);
        EXPECT_EQ(Named<QWidget>(Window(), "IRMeshloFrameFrame")->isVisible(), addOns);
    }
    EXPECT_EQ(Tabs().Caption(2), "Component 3");
    EXPECT_FALSE(state.Config.ConfigChanged) << "arranging changes nothing";
}

TEST_F(TavloFormTest, EditsThroughTheWindowSaveAndOpenBack)
{
    Window();
    Tabs().SetTab(15);
    auto* maximum = Named<IntegerEntry>(Window(), "MaximumLevel");
    auto* box = maximum->findChild<QLineEdit*>();
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "-12");
    QTest::keyClick(box, Qt::Key_Return);
    Tabs().SetTab(10);
    auto* microphone = Named<QCheckBox>(Window(), "MicrophoneCheck");
    QTest::mouseClick(microphone, Qt::LeftButton, {}, QPoint(6, microphone->height() / 2));  // on the box itself
    EXPECT_TRUE(state.Config.Record.MicrophoneWhenOff);
    Tabs().SetTab(16);
    QTest::mouseClick(Named<QRadioButton>(Window(), "Baudrate_3"), Qt::LeftButton);
    Tabs().SetTab(19);
    auto* notes = Named<QPlainTextEdit>(Window(), "GeneralNotes");
    notes->setFocus();
    QTest::keyClicks(notes, "Back again");
    EXPECT_TRUE(state.Config.ConfigChanged);

    prompts.ExpectSaveFile(QString::fromStdString((folder / "Edited.tvl").string()));
    Press("SAVE");
    Press("NEW");
    EXPECT_EQ(Named<IntegerEntry>(Window(), "MaximumLevel")->return_value(), 0);
    prompts.ExpectOpenFile(QString::fromStdString((folder / "Edited.tvl").string()));
    Press("OPEN");
    EXPECT_EQ(Window().windowTitle(), "Edited");
    EXPECT_EQ(Named<IntegerEntry>(Window(), "MaximumLevel")->return_value(), -12);
    EXPECT_TRUE(Named<QCheckBox>(Window(), "MicrophoneCheck")->isChecked());
    EXPECT_TRUE(Named<QRadioButton>(Window(), "Baudrate_3")->isChecked());
    EXPECT_EQ(Named<QPlainTextEdit>(Window(), "GeneralNotes")->toPlainText(), "Back again");
    EXPECT_FALSE(state.Config.ConfigChanged);
}

TEST_F(TavloFormTest, TheRS232BrowserOpensFromItsKeyAndSavesTheDatabaseOnClosing)
{
    Window();
    SerialClassGlobals& libraries = state.RS232Libraries;
    libraries.AddRS232Library();
    libraries.RS232Database()[0].Manufacturer("ACME");
    libraries.RS232Database()[0].MyType("PROJECTOR");
    libraries.RS232Database()[0].Model("PJ-1");

    ASSERT_TRUE(Named<QAction>(Window(), "EDITRS232")->isEnabled());
    QString title;
    QString shown;
    WhenModalOpens([&title, &shown](QWidget* browser) {
        title = browser->windowTitle();
        shown = Named<QTreeWidget>(*browser, "treeview1")->topLevelItem(0)->text(0);
        Named<QAction>(*browser, "EXIT")->trigger();
    });
    Press("EDITRS232");
    EXPECT_EQ(title, "Serial RS232 Selector");
    EXPECT_EQ(shown, "ACME");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ScriptedPrompts quiet;
    SerialClassGlobals saved(folder.path(), quiet);
    saved.LoadRS232Database();
    ASSERT_EQ(saved.RS232Database().Count(), 1);
    EXPECT_EQ(saved.RS232Database()[0].ModelField().trimmed(), "PJ-1");
    EXPECT_FALSE(state.Config.ConfigChanged);
}

TEST_F(TavloFormTest, TheProjectorBrowserOpensFromItsKeyAndTheEditedProjectorIsOffered)
{
    Window();
    state.Config.ConfigProjector().Manufacturer("ACME");
    state.Config.ConfigProjector().Model("BEAMER 1");
    state.Config.ConfigProjector().WarmUpTime(30);
    state.Config.StoreProjectorToConfig();
    ProjectorClassGlobals& projectors = state.Projectors;
    projectors.AddProjectorDefinition();
    ProjectorClass& stored = projectors.ProjectorDatabase()[0];
    stored.CopyFromProjectorClass(state.Config.ConfigProjector());
    stored.WarmUpTime(45);

    ASSERT_TRUE(Named<QAction>(Window(), "EDITPROJECTOR")->isEnabled());
    QString title;
    WhenModalOpens([&title](QWidget* browser) {
        title = browser->windowTitle();
        Named<QAction>(*browser, "EXIT")->trigger();
    });
    prompts.ExpectMessage(
        "The projector included in this configuration has been edited!\r\nDo you wish to change it to the new version?",
        "Projector Changed!", PromptButtons::YesNo, PromptIcon::None, PromptAnswer::Yes);
    Press("EDITPROJECTOR");
    EXPECT_EQ(title, "Projector/Display  Selector");
    EXPECT_EQ(state.Config.Record.ConfigProjectorBlock.WarmUpTime, 45);
    EXPECT_TRUE(state.Config.ConfigChanged);
    ScriptedPrompts quiet;
    ProjectorClassGlobals saved(folder.path(), quiet);
    saved.LoadProjectorDatabase();
    EXPECT_EQ(saved.ProjectorDatabase().Count(), 1);
    state.Config.ConfigChanged = false;  // leave without a question
}

TEST_F(TavloFormTest, TheIRBrowserOpensModallyFromItsKeyAndSavesTheDatabase)
{
    Window();
    IRclass& library = state.IR.AddIRLibrary();
    library.Manufacturer("SONY");
    library.IRtype("TV");
    library.Model("A1");
    library.AddIRCommand().Name("POWER");

    ASSERT_TRUE(Named<QAction>(Window(), "EDITIR")->isEnabled());
    QString title;
    int models = 0;
    WhenModalOpens([&title, &models](QWidget* browser) {
        title = browser->windowTitle();
        QTreeWidgetItem& manufacturer = *Named<QTreeWidget>(*browser, "treeview1")->topLevelItem(0);
        LibraryTree::Unfold(manufacturer);
        models = manufacturer.child(0)->childCount();
        Named<QAction>(*browser, "EXIT")->trigger();
    });
    Press("EDITIR");
    EXPECT_EQ(title, "Infrared Selector");
    EXPECT_EQ(models, 1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ScriptedPrompts prompts;
    IRClassGlobals saved(folder.path(), prompts);
    saved.LoadIRDatabase();
    EXPECT_EQ(saved.IRDatabase().Count(), 1);
}
