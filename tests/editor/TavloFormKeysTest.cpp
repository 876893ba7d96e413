#include "MainWindowTest.h"
#include "editor/DeviceTabs.h"
#include "editor/TavloForm.h"
#include "model/ApplicationState.h"
#include "model/ConfigurationArchive.h"
#include "support/ModalDialogs.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"
#include "support/devices/SimulatedPortMaker.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QScrollArea>
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
        // Above the caption, the button's face.
        const auto face = [](QToolButton* button) {
            return button->grab().toImage().pixelColor(button->width() / 2, 2);
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
        QToolButton* last = TabButton(DeviceTabs::Tabs - 1);
        last->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([&] { return last->hasFocus(); }));
        Type(Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(qobject_cast<QScrollArea*>(focus), nullptr) << focus->metaObject()->className();
        EXPECT_TRUE(focus->isVisible());
    }
}
