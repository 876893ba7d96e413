#include "MainWindowTest.h"
#include "editor/DeviceTabs.h"
#include "editor/TavloForm.h"
#include "model/ApplicationState.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QTest>
#include <QToolButton>
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
