#include "MainWindowTest.h"
#include "editor/DeviceTabs.h"
#include "editor/TavloForm.h"
#include "model/ApplicationState.h"
#include "model/ConfigurationArchive.h"
#include "support/ModalDialogs.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TabRound.h"
#include "support/TempProgramFolder.h"
#include "support/devices/SimulatedPortMaker.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

class TavloFormKeysTest : public MainWindowTest {
protected:
    DeviceTabs& Tabs() { return *Named<DeviceTabs>(Window(), "DeviceTab"); }
    QToolButton* TabButton(int tab) { return Named<QToolButton>(Tabs(), "DeviceTab", tab); }
    // The key as the user types it: to whatever has the focus.
    void Type(QKeyCombination key)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : &Window(), key.key(), key.keyboardModifiers());
    }
    QString InFolder(const char* name) const { return QString::fromStdString((folder / name).string()); }
    // The add-ons on, every input in use with an IR device, Computer 3 a
    // component input: every page shows all it can.
    void ShowEveryFrame()
    {
        ConfigurationRecord& record = state.Config.Record;
        record.QuilmarDraventEnabled = true;
        record.ComputerIsComponent[2] = true;
        for (std::size_t input = 0; input < ConfigurationRecord::Inputs; ++input) {
            record.InputNotInUse[input] = false;
            record.InputIRRecords[input].DeviceSelected = true;
        }
        Window().ShowConfiguration();
    }
};

}  // namespace

TEST_F(TavloFormKeysTest, TheFileKeysAndExitAnswerTheirShortcuts)
{
    struct Case {
        const char* key;
        QKeyCombination shortcut;
        const char* tooltip;
        std::function<void()> expect;
        std::function<void()> check;
    };
    const std::vector<Case> cases = {
        {"NEW", Qt::CTRL | Qt::Key_N, "Start New Configuration",
         [&] {
             state.Config.Record.ConfigNotes = "Unsaved";
             state.Config.ConfigChanged = true;
             prompts.ExpectMessage("Do you wish to save changes?", "Save change?", PromptButtons::YesNoCancel,
                                   PromptIcon::None, PromptAnswer::No);
         },
         [&] { EXPECT_TRUE(state.Config.Record.ConfigNotes.isBlank()); }},
        {"OPEN", Qt::CTRL | Qt::Key_O, "Open Existing Configuration", [&] { prompts.ExpectOpenFile(std::nullopt); },
         [&] { EXPECT_EQ(prompts.FileDialogs().back().title, "Open"); }},
        {"SAVE", Qt::CTRL | Qt::Key_S, "Save Configuration", [&] { prompts.ExpectSaveFile(InFolder("Room.tvl")); },
         [&] { EXPECT_TRUE(folder.Exists("Room.tvl")); }},
        {"SAVEAS", Qt::CTRL | Qt::SHIFT | Qt::Key_S, "Save Configuration As New File",
         [&] { prompts.ExpectSaveFile(InFolder("Copy.tvl")); },
         [&] {
             EXPECT_TRUE(folder.Exists("Copy.tvl"));
             EXPECT_EQ(Window().windowTitle(), "Copy");
         }},
        {"EXIT", Qt::CTRL | Qt::Key_Q, "Exit ", [] {}, [&] { EXPECT_FALSE(Window().isVisible()); }},
    };
    Window();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        c.expect();
        Type(c.shortcut);
        EXPECT_TRUE(prompts.AllAnswered());
        c.check();
        EXPECT_EQ(Named<QAction>(Window(), c.key)->toolTip(), c.tooltip);
    }
}

TEST_F(TavloFormKeysTest, EveryOtherKeyButHelpAnswersItsShortcutWhereverTheFocusIs)
{
    InstallSimulatedPorts(state.Installed);  // no controller anywhere
    std::filesystem::create_directories(folder / "Defaults");
    ASSERT_TRUE(SaveConfigurationFile(state, folder / "Defaults" / "Lecture.tvd"));
    struct Case {
        const char* key;
        QKeyCombination shortcut;
        // The dialog the key opens, or empty where it opens none.
        const char* dialog;
        std::function<bool()> done;
    };
    const auto checked = [this](const char* key) { return Named<QAction>(Window(), key)->isChecked(); };
    const std::vector<Case> cases = {
        {"DEFAULTS", Qt::CTRL | Qt::SHIFT | Qt::Key_N, "",
         [&] { return Named<QTreeWidget>(Window(), "DropMenu")->isVisible(); }},
        {"QUILMARDRAVENT", Qt::CTRL | Qt::SHIFT | Qt::Key_Q, "",
         [&] { return checked("QUILMARDRAVENT") && state.Config.Record.QuilmarDraventEnabled; }},
        {"ZENVARA", Qt::CTRL | Qt::SHIFT | Qt::Key_H, "",
         [&] { return checked("ZENVARA") && state.Config.Record.ZenvaraEnabled; }},
        {"EDITPROJECTOR", Qt::CTRL | Qt::SHIFT | Qt::Key_P, "Projector/Display  Selector", {}},
        {"EDITRS232", Qt::CTRL | Qt::SHIFT | Qt::Key_R, "Serial RS232 Selector", {}},
        {"EDITIR", Qt::CTRL | Qt::SHIFT | Qt::Key_I, "Infrared Selector", {}},
        {"DEFAULTEDIT", Qt::CTRL | Qt::SHIFT | Qt::Key_E, "Default File Editor", {}},
        {"DOWNLOAD", Qt::CTRL | Qt::SHIFT | Qt::Key_D, "Tavlo program", {}},
        {"ABOUT", Qt::SHIFT | Qt::Key_F1, "About Tavlo Editor", {}},
    };
    Window();
    // In a text box of a page, where the keys must still reach the toolbar.
    auto* notes = Named<QWidget>(Window(), "GeneralNotes");
    Tabs().SetTab(ConfigTab::Notes);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        Window().activateWindow();  // back from the last case's dialog
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
        notes->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return notes->hasFocus(); }));
        QString shown;
        if (*c.dialog != 0)
            WhenModalOpens([&shown](QWidget* dialog) {
                shown = dialog->windowTitle();
                dialog->close();
            });
        Type(c.shortcut);
        if (*c.dialog != 0) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !shown.isEmpty(); }));
            EXPECT_EQ(shown, c.dialog);
        } else {
            EXPECT_TRUE(c.done());
        }
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        state.Config.ConfigChanged = false;
    }
    EXPECT_TRUE(Named<QAction>(Window(), "HELP")->shortcuts().isEmpty()) << "help has nothing to show";
}

TEST_F(TavloFormKeysTest, ControlTabWalksTheTabsRoundBothWaysAndTheCurrentOneStandsOut)
{
    Window();
    // Computer 1's caption follows its kind only once its tab has been
    // arranged; the IR Meshlo commands show with the add-ons.
    state.Config.Record.ComputerIsComponent[0] = true;
    state.Config.Record.QuilmarDraventEnabled = true;
    Tabs().SetTab(18);
    struct Step {
        QKeyCombination key;
        int tab;
        const char* shown;
    };
    const Step steps[] = {
        {Qt::CTRL | Qt::Key_Tab, 19, "GeneralNotes"},
        {Qt::CTRL | Qt::Key_PageDown, 0, "VGACompControl1"},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, 19, "GeneralNotes"},
        {Qt::CTRL | Qt::Key_PageUp, 18, "InactiveTime"},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, 17, "IRMeshloFrameFrame"},
    };
    int before = Tabs().Tab();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.tab);
        Type(step.key);
        ASSERT_EQ(Tabs().Tab(), step.tab);
        EXPECT_TRUE(Named<QWidget>(Window(), step.shown)->isVisible()) << "the tab's page is shown";

        QToolButton* current = TabButton(step.tab);
        QToolButton* left = TabButton(before);
        EXPECT_TRUE(current->font().bold());
        EXPECT_FALSE(left->font().bold());
        // Just inside the border, outside a focus ring, the button's face.
        const auto face = [](QToolButton* button) {
            return button->grab().toImage().pixelColor(button->width() / 2, 1);
        };
        EXPECT_EQ(face(current), current->palette().color(QPalette::Highlight));
        EXPECT_NE(face(left), left->palette().color(QPalette::Highlight));
        before = step.tab;
    }
    EXPECT_EQ(Tabs().Caption(0), "Component 1");
}

// The page's scroll area is no stop of its own: the first Tab after the
// tabs lands on a control of the page the user sees.
TEST_F(TavloFormKeysTest, TheFirstTabOnAPageLandsOnOneOfItsControls)
{
    Window();
    for (int tab = 0; tab < DeviceTabs::Tabs; ++tab) {
        SCOPED_TRACE(tab);
        Tabs().SetTab(tab);
        QToolButton* current = TabButton(tab);
        current->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return current->hasFocus(); }));
        Type(Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(qobject_cast<QScrollArea*>(focus), nullptr) << focus->metaObject()->className();
        EXPECT_TRUE(focus->isVisible());
    }
}

// Round every page with every frame shown: the tabs are one stop, the
// current tab, and wherever Tab stops the user sees the focus (a box only
// to be read, as the projector's notes, is no stop).
TEST_F(TavloFormKeysTest, TabStopsOnlyWhereTheFocusShowsTheTabsOnce)
{
    Window();
    ShowEveryFrame();
    for (int tab = 0; tab < DeviceTabs::Tabs; ++tab) {
        SCOPED_TRACE(tab);
        Tabs().SetTab(tab);
        TabButton(tab)->setFocus(Qt::TabFocusReason);
        const std::vector<TabStop> stops = TabRound();
        ASSERT_EQ(QApplication::focusWidget(), TabButton(tab)) << "the round closes";
        SCOPED_TRACE(StopNames(stops));
        EXPECT_EQ(std::count_if(stops.begin(), stops.end(),
                                [](const TabStop& s) { return StopName(s.widget).startsWith("DeviceTab"); }),
                  1);
        EXPECT_GT(stops.size(), 1U) << "every page has a control to go to";
        QWidget* page = Named<QStackedWidget>(Window(), "Pages")->currentWidget();
        for (const TabStop& stop : stops) {
            EXPECT_TRUE(stop.focusShown) << StopName(stop.widget).toStdString();
            EXPECT_TRUE(stop.widget->isVisible()) << StopName(stop.widget).toStdString();
            EXPECT_TRUE(stop.widget == TabButton(tab) || page->isAncestorOf(stop.widget))
                << StopName(stop.widget).toStdString();
        }
    }
}

// On the tabs the arrow keys make a neighbour current, the focus with it;
// Space keeps the current tab; at an edge nothing moves.
TEST_F(TavloFormKeysTest, OnTheTabsTheArrowKeysMoveTheCurrentTabAndTheFocusFollows)
{
    Window();
    struct Step {
        QKeyCombination key;
        int tab;
    };
    const Step steps[] = {
        {Qt::Key_Left, 10},          {Qt::Key_Left, 9},   {Qt::Key_Up, 9},
        {Qt::Key_Right, 10},         {Qt::Key_Up, 0},     {Qt::Key_Left, 0},
        {Qt::Key_Down, 10},          {Qt::Key_Space, 10}, {Qt::CTRL | Qt::Key_PageUp, 9},
        {Qt::Key_Down, 19},          {Qt::Key_Right, 19}, {Qt::Key_Down, 19},
        {Qt::CTRL | Qt::Key_Tab, 0},
    };
    ASSERT_EQ(Tabs().Tab(), 11);
    ASSERT_EQ(QApplication::focusWidget(), TabButton(11)) << "the window opens on its tabs";
    for (const Step& step : steps) {
        SCOPED_TRACE(step.tab);
        Type(step.key);
        EXPECT_EQ(Tabs().Tab(), step.tab);
        EXPECT_EQ(QApplication::focusWidget(), TabButton(step.tab));
    }
}

// Tab leaves the configuration's notes as it leaves any other box, and
// comes back to them; what was typed stays, without a tab.
TEST_F(TavloFormKeysTest, TabLeavesTheNotesAndWhatWasTypedStays)
{
    Window();
    Tabs().SetTab(ConfigTab::Notes);
    auto* notes = Named<QPlainTextEdit>(Window(), "GeneralNotes");
    QToolButton* tab = TabButton(TabNumber(ConfigTab::Notes));
    struct Step {
        QKeyCombination key;
        const char* typed;
        QWidget* focus;
    };
    const Step steps[] = {
        {Qt::Key_Tab, "rear", notes},
        {Qt::Key_Tab, "", tab},
        {Qt::Key_Tab, " door", notes},
        {Qt::SHIFT | Qt::Key_Backtab, "", tab},
        {Qt::SHIFT | Qt::Key_Backtab, "s", notes},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.typed);
        Type(step.key);
        ASSERT_EQ(QApplication::focusWidget(), step.focus);
        QTest::keyClicks(step.focus, step.typed);
    }
    EXPECT_EQ(notes->toPlainText(), "rear doors");
    EXPECT_EQ(state.Config.Record.ConfigNotes.trimmed(), "rear doors");
}

// Tab runs through an input page as it is seen: the panels from left to
// right, the IR frame's top row, its command boxes line by line, the panes.
TEST_F(TavloFormKeysTest, AnInputPagesTabOrderFollowsTheRowsShown)
{
    const QStringList irFrame = {"IRLabel",
                                 "SortBy_0",
                                 "Clear",
                                 "UnShiftedIRLabel_1",
                                 "UnShiftedIRLabel_4",
                                 "ShiftedIRLabel_1",
                                 "ShiftedIRLabel_4",
                                 "UnShiftedIRLabel_0",
                                 "UnShiftedIRLabel_3",
                                 "UnShiftedIRLabel_6",
                                 "ShiftedIRLabel_0",
                                 "ShiftedIRLabel_3",
                                 "UnShiftedIRLabel_2",
                                 "UnShiftedIRLabel_5",
                                 "ShiftedIRLabel_6",
                                 "ShiftedIRLabel_2",
                                 "ShiftedIRLabel_5"};
    const QStringList panes = {"SerialStringDisplay1_0", "SerialStringDisplay1_1"};
    const QStringList settings = {"InUse", "MeshloInAddress", "MeshloOutAddress", "ChannelVolume"};
    struct Case {
        ConfigTab tab;
        QStringList panels;
    };
    // A group of options is one stop.
    const Case cases[] = {
        {ConfigTab::Video1, settings},
        {ConfigTab::Computer3, QStringList{"Option1_0"} + settings},
        {ConfigTab::Audio2, QStringList{"Option1_0"} + settings + QStringList{"AudioCheck"}},
    };
    Window();
    ShowEveryFrame();
    for (const Case& c : cases) {
        const int tab = TabNumber(c.tab);
        SCOPED_TRACE(tab);
        Tabs().SetTab(tab);
        TabButton(tab)->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return TabButton(tab)->hasFocus(); }));
        const QStringList expected = QStringList{QString("DeviceTab_%1").arg(tab)} + c.panels + irFrame + panes;
        EXPECT_EQ(StopNames(TabRound()), expected.join(' ').toStdString());
    }
}
