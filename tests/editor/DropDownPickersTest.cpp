// Every drop-down picker of the main window, driven the same ways: by the
// keys alone, by a pointer that is slow to move in, and near the screen's
// edges.
#include "PickerTestHost.h"
#include "editor/TavloForm.h"
#include "editor/pickers/DropDownTree.h"
#include "editor/pickers/DropDownTreePopup.h"
#include "editor/pickers/IRDevicePicker.h"
#include "editor/pickers/PickerLabel.h"
#include "editor/pickers/ProjectorPicker.h"
#include "model/ConfigurationArchive.h"

#include <QApplication>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QToolBar>
#include <algorithm>
#include <functional>
#include <string_view>
#include <vector>

namespace {

// The main window, for the drop-down of its toolbar.
struct FormHost {
    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
    TestPointer* pointer = nullptr;
    std::unique_ptr<TavloForm> window;
};

// One picker as the tests drive it.
struct Picker {
    std::shared_ptr<void> host;  // keeps the window and its state alive
    QWidget* window = nullptr;
    TestPointer* pointer = nullptr;
    QWidget* label = nullptr;
    QTreeWidget* tree = nullptr;
    // From a fresh opening to the entry that the pick is then made of.
    std::vector<Qt::Key> keysToEntry;
    // The text beside the tree once the keys reached the entry (none without notes).
    std::function<QString()> notes;
    QString notesShown;
    // What shows the pick afterwards.
    std::function<QString()> picked;
    QString pickShown;
    // For a tree kept while its database is unchanged: a change to it.
    std::function<void()> changeDatabase;
};

QWidget* Popup(const Picker& p)
{
    return p.tree->window();
}

QPoint Middle(const QWidget* widget)
{
    return widget->mapToGlobal(widget->rect().center());
}

Picker InPickerHost(std::shared_ptr<PickerTestHost> host)
{
    Picker p;
    p.window = &host->window;
    p.pointer = host->pointer;
    p.host = std::move(host);
    return p;
}

Picker ProjectorCase()
{
    auto host = std::make_shared<PickerTestHost>();
    host->AddProjector("ACME", "P100", "bright");
    host->AddProjector("BETA", "B1");
    host->Place<ProjectorPicker>();
    Picker p = InPickerHost(host);
    p.label = Named<QLabel>(host->window, "ProjectorLabel");
    p.tree = host->Tree("treeview1");
    p.keysToEntry = {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down};
    p.notes = [h = host.get()] { return Named<QPlainTextEdit>(h->window, "NotesText")->toPlainText().trimmed(); };
    p.notesShown = "bright";
    p.picked = [label = static_cast<QLabel*>(p.label)] { return label->text().simplified(); };
    p.pickShown = "ACME P100";
    p.changeDatabase = [h = host.get()] {
        h->AddProjector("GAMMA", "G" + std::to_string(h->state.Projectors.ProjectorDatabase().Count()));
    };
    return p;
}

Picker IRDeviceCase()
{
    auto host = std::make_shared<PickerTestHost>();
    host->AddIRLibrary("ACME", "TV", "T1", 0, "the first");
    host->AddIRLibrary("BETA", "DVD", "D1");
    host->Place<IRDevicePicker>()->ShowInput(0);
    Picker p = InPickerHost(host);
    p.label = Named<QLabel>(host->window, "IRLabel");
    p.tree = host->Tree("treeview1");
    p.keysToEntry = {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Right, Qt::Key_Down};
    p.notes = [h = host.get()] { return Named<QPlainTextEdit>(h->window, "NotesText")->toPlainText().trimmed(); };
    p.notesShown = "the first";
    p.picked = [label = static_cast<QLabel*>(p.label)] { return label->text().simplified(); };
    p.pickShown = "Manufacturer = ACME Type = TV Model = T1";
    p.changeDatabase = [h = host.get()] {
        h->AddIRLibrary("GAMMA", "TV", "G" + std::to_string(h->state.IR.IRDatabase().Count()));
    };
    return p;
}

Picker IRCommandCase()
{
    auto host = std::make_shared<PickerTestHost>();
    host->AddIRLibrary("ACME", "TV", "T1", 3);
    InputIRRecord& record = host->state.Config.Record.InputIRRecords[0];
    record.DeviceSelected = true;
    record.Manufacturer = "ACME";
    record.IRtype = "TV";
    record.Model = "T1";
    host->Place<IRDevicePicker>()->ShowInput(0);
    Picker p = InPickerHost(host);
    p.label = Named<QLabel>(host->window, "UnShiftedIRLabel", 0);
    p.tree = host->Tree("IRcommandTreeView");
    p.keysToEntry = {Qt::Key_Down, Qt::Key_Down};
    p.picked = [label = static_cast<QLabel*>(p.label)] { return label->text().trimmed(); };
    p.pickShown = "T1KEY1";
    return p;
}

Picker DefaultsCase()
{
    auto host = std::make_shared<FormHost>();
    auto installed = std::make_unique<TestPointer>();
    host->pointer = installed.get();
    host->state.Installed.Install<PointerPosition>(std::move(installed));
    std::filesystem::create_directories(host->folder / "Defaults");
    for (const auto& [name, notes] : {std::pair{"Lecture.tvd", "Lecture notes"}, {"Office.tvd", "Office notes"}}) {
        host->state.Config.ClearConfiguration();
        host->state.Config.Record.ConfigNotes = notes;
        EXPECT_TRUE(SaveConfigurationFile(host->state, host->folder / "Defaults" / name));
    }
    host->state.Config.ClearConfiguration();
    host->window = std::make_unique<TavloForm>(host->state, host->folder / "registry");
    host->window->show();
    host->window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(host->window.get()));
    Picker p;
    p.window = host->window.get();
    p.pointer = host->pointer;
    auto* toolbar = Named<QToolBar>(*p.window, "Toolbar1");
    p.label = toolbar->widgetForAction(Named<QAction>(*toolbar, "DEFAULTS"));
    PressLabel(p.label);  // the list joins the window at its first opening
    p.tree = Named<QTreeWidget>(*p.window, "DropMenu");
    PressLabel(p.label);
    p.keysToEntry = {Qt::Key_Down, Qt::Key_Down};
    p.notes = [w = p.window] { return Named<QPlainTextEdit>(*w, "DefaultNotes")->toPlainText().trimmed(); };
    p.notesShown = "Office notes";
    p.picked = [w = p.window] { return w->windowTitle(); };
    p.pickShown = "Tavlo Editor, Default file 'Office' loaded.";
    p.host = std::move(host);
    return p;
}

const std::pair<const char*, Picker (*)()> Pickers[] = {
    {"projector", ProjectorCase},
    {"IR device", IRDeviceCase},
    {"IR command", IRCommandCase},
    {"defaults", DefaultsCase},
};

void Press(QWidget* widget, Qt::Key key)
{
    QTest::keyClick(widget, key);
}

// The key as the user types it: to whatever has the focus.
void Type(QWidget* window, QKeyCombination key)
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : window, key.key(), key.keyboardModifiers());
}

// Tab from no focus on until the widget has it; false when a round of the
// window's stops never reaches it.
bool TabTo(QWidget* window, const QWidget* widget)
{
    window->setFocus();
    for (int stop = 0; stop < 40 && !widget->hasFocus(); ++stop) Type(window, Qt::Key_Tab);
    return widget->hasFocus();
}

bool FramedInHighlight(QWidget* widget)
{
    const QImage face = widget->grab().toImage();
    return face.pixelColor(1, face.height() / 2) == widget->palette().color(QPalette::Highlight);
}

// A click as the window system delivers it, so that an open pop-up sees it first.
void ClickThroughWindow(QWidget* window, QPoint at)
{
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

// Moves the host window so that the label's top-left corner lands at the
// point; a second move takes up the window frame, which the first may miss.
void MoveLabelTo(const Picker& p, QPoint at)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        const QPoint before = p.label->mapToGlobal(QPoint(0, 0));
        if (before == at) return;
        p.window->move(p.window->pos() + at - before);
        (void)QTest::qWaitFor([&] { return p.label->mapToGlobal(QPoint(0, 0)) != before; }, 2000);
    }
    ASSERT_EQ(p.label->mapToGlobal(QPoint(0, 0)), at);
}

}  // namespace

TEST(DropDownPickers, TheKeysMoveTheHighlightReturnPicksAndEscapeCloses)
{
    for (const auto& [name, make] : Pickers) {
        SCOPED_TRACE(name);
        const Picker p = make();
        PressLabel(p.label);
        ASSERT_TRUE(p.tree->isVisible());
        EXPECT_TRUE(p.tree->hasFocus());
        EXPECT_TRUE(p.tree->selectedItems().isEmpty());

        Press(p.tree, Qt::Key_Escape);
        EXPECT_FALSE(p.tree->isVisible());

        PressLabel(p.label);
        for (Qt::Key key : p.keysToEntry) Press(p.tree, key);
        if (p.notes) {
            EXPECT_EQ(p.notes(), p.notesShown) << "the notes follow the keys as they follow the pointer";
        }
        Press(p.tree, Qt::Key_Return);
        EXPECT_FALSE(p.tree->isVisible());
        EXPECT_EQ(p.picked(), p.pickShown);
    }
}

// The labels are stops of Tab and open as a combo box does; the focus is
// back on the label once the list closes. The toolbar's list has its own key.
TEST(DropDownPickers, TabReachesEachLabelAndTheComboBoxKeysOpenIt)
{
    const QKeyCombination opening[] = {Qt::Key_Space, Qt::Key_Return, Qt::KeypadModifier | Qt::Key_Enter, Qt::Key_F4,
                                       Qt::ALT | Qt::Key_Down};
    for (const auto& [name, make] : Pickers) {
        SCOPED_TRACE(name);
        const Picker p = make();
        if (qobject_cast<PickerLabel*>(p.label) == nullptr) continue;
        ASSERT_TRUE(TabTo(p.window, p.label));
        EXPECT_TRUE(FramedInHighlight(p.label)) << "the focus shows";
        for (const QKeyCombination key : opening) {
            SCOPED_TRACE(QKeySequence(key).toString().toStdString());
            Type(p.window, key);
            ASSERT_TRUE(p.tree->isVisible());
            EXPECT_TRUE(p.tree->hasFocus());
            EXPECT_TRUE(p.tree->selectedItems().isEmpty()) << "opened as a press opens it";
            Type(p.window, Qt::Key_Escape);
            EXPECT_FALSE(p.tree->isVisible());
            EXPECT_TRUE(QTest::qWaitFor([&] { return p.label->hasFocus(); }, 1000));
        }
        Type(p.window, Qt::Key_A);
        EXPECT_FALSE(p.tree->isVisible()) << "another key opens nothing";
        Type(p.window, Qt::Key_Tab);
        EXPECT_FALSE(FramedInHighlight(p.label)) << "the frame goes with the focus";

        p.label->setEnabled(false);
        EXPECT_FALSE(TabTo(p.window, p.label)) << "a disabled label is no stop";
    }
}

// Return on a maker or a type opens or closes its level, as Right and Left
// do, and the list stays open; only a model or a command is picked.
TEST(DropDownPickers, ReturnOpensAndClosesALevelAndPicksOnlyAnEntry)
{
    for (const auto& [name, make] : Pickers) {
        SCOPED_TRACE(name);
        const Picker p = make();
        if (std::find(p.keysToEntry.begin(), p.keysToEntry.end(), Qt::Key_Right) == p.keysToEntry.end())
            continue;  // no levels
        PressLabel(p.label);
        for (Qt::Key key : p.keysToEntry) {
            if (key != Qt::Key_Right) {
                Press(p.tree, key);
                continue;
            }
            QTreeWidgetItem* level = p.tree->currentItem();
            ASSERT_NE(level, nullptr);
            for (const bool open : {true, false, true}) {
                Press(p.tree, Qt::Key_Return);
                ASSERT_TRUE(p.tree->isVisible()) << level->text(0).toStdString();
                EXPECT_EQ(level->isExpanded(), open);
                EXPECT_EQ(p.tree->currentItem(), level);
            }
        }
        Press(p.tree, Qt::Key_Return);
        EXPECT_FALSE(p.tree->isVisible());
        EXPECT_EQ(p.picked(), p.pickShown);
    }
}

TEST(DropDownPickers, APointerSlowToMoveInKeepsTheListUntilItLeavesAgain)
{
    for (const auto& [name, make] : Pickers) {
        SCOPED_TRACE(name);
        const Picker p = make();
        p.pointer->at = Middle(p.label);
        PressLabel(p.label);
        QTest::qWait(DropDownTree::CloseTimerInterval * 3 / 2);
        ASSERT_TRUE(p.tree->isVisible()) << "the pointer never went in";

        p.pointer->at = Middle(p.tree);
        HoverAt(p.tree, p.tree->viewport()->mapFromGlobal(p.pointer->at));
        // Out beside the list, away from the label.
        p.pointer->at = Popup(p)->mapToGlobal(QPoint(Popup(p)->width() + 1, Popup(p)->height() / 2));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !p.tree->isVisible(); }, 3 * DropDownTree::CloseTimerInterval));

        // A click elsewhere closes it too, and one on the label does not open it again.
        for (const QPoint at : {p.window->mapFromGlobal(Popup(p)->geometry().bottomRight() + QPoint(2, 2)),
                                p.label->mapTo(p.window, p.label->rect().center())}) {
            PressLabel(p.label);
            ASSERT_TRUE(p.tree->isVisible());
            ClickThroughWindow(p.window, at);
            EXPECT_FALSE(p.tree->isVisible());
        }
    }
}

TEST(DropDownPickers, EveryWayOfClosingLeavesTheRowsAsTheOpeningFilledThem)
{
    constexpr int Mark = Qt::UserRole + 99;
    const auto allMarked = [](const QTreeWidget* tree) {
        for (int i = 0; i < tree->topLevelItemCount(); ++i)
            if (!tree->topLevelItem(i)->data(0, Mark).toBool()) return false;
        return true;
    };
    for (const auto& [name, make] : Pickers) {
        SCOPED_TRACE(name);
        const Picker p = make();
        const std::pair<const char*, std::function<void()>> closes[] = {
            {"label", [&] { PressLabel(p.label); }},
            {"elsewhere",
             [&] {
                 ClickThroughWindow(p.window,
                                    p.window->mapFromGlobal(Popup(p)->geometry().bottomRight() + QPoint(2, 2)));
             }},
            {"Escape", [&] { Press(p.tree, Qt::Key_Escape); }},
            {"pick",
             [&] {
                 for (Qt::Key key : p.keysToEntry) Press(p.tree, key);
                 Press(p.tree, Qt::Key_Return);
             }},
        };
        for (const auto& [how, close] : closes) {
            SCOPED_TRACE(how);
            if (p.changeDatabase) p.changeDatabase();
            PressLabel(p.label);
            ASSERT_TRUE(p.tree->isVisible());
            ASSERT_GT(p.tree->topLevelItemCount(), 0) << "the opening fills the rows";
            EXPECT_FALSE(allMarked(p.tree)) << "the opening fills afresh";
            const int rows = p.tree->topLevelItemCount();
            for (int i = 0; i < rows; ++i) p.tree->topLevelItem(i)->setData(0, Mark, true);
            close();
            ASSERT_FALSE(p.tree->isVisible());
            EXPECT_TRUE(allMarked(p.tree)) << "the close filled the rows again";
            if (std::string_view(how) != "pick") {
                EXPECT_EQ(p.tree->topLevelItemCount(), rows);
            }
        }
    }
}

TEST(DropDownPickers, AListOpensAboveItsLabelWithoutRoomBelowAndShrinksWhenNeitherSideHasRoom)
{
    int shrunk = 0;
    for (const auto& [name, make] : Pickers) {
        SCOPED_TRACE(name);
        const Picker p = make();
        const QRect screen = p.label->screen()->availableGeometry();
        PressLabel(p.label);
        const QSize size = Popup(p)->size();
        EXPECT_EQ(Popup(p)->pos(), p.label->mapToGlobal(QPoint(0, p.label->height()))) << "room below";
        PressLabel(p.label);

        const int left = screen.left() + 10;
        MoveLabelTo(p, {left, screen.bottom() + 1 - p.label->height()});
        PressLabel(p.label);
        EXPECT_EQ(Popup(p)->geometry(),
                  QRect(QPoint(left, p.label->mapToGlobal(QPoint(0, 0)).y() - size.height()), size));
        PressLabel(p.label);

        // In the middle, with too little room on either side: the taller side.
        const int above = (screen.height() - p.label->height()) / 2 - 1;
        const int below = screen.height() - above - p.label->height();
        if (above >= size.height() || below >= size.height()) continue;
        MoveLabelTo(p, {left, screen.top() + above});
        PressLabel(p.label);
        EXPECT_EQ(Popup(p)->geometry(), QRect(left, screen.top() + above + p.label->height(), size.width(), below));
        EXPECT_TRUE(p.tree->isVisible());
        PressLabel(p.label);
        ++shrunk;
    }
    EXPECT_GT(shrunk, 0) << "no list was taller than half the screen";
}

TEST(DropDownPickers, PlacementTakesTheSideWithRoomAndStaysOnTheScreen)
{
    const QRect screen(0, 0, 1366, 768);
    const QSize wanted(560, 420);
    struct Case {
        QRect label;
        QRect placed;
    };
    const Case cases[] = {
        {{100, 100, 240, 50}, {100, 150, 560, 420}},   // room below
        {{100, 298, 240, 50}, {100, 348, 560, 420}},   // exactly room below
        {{100, 500, 240, 50}, {100, 80, 560, 420}},    // room above only
        {{100, 360, 240, 50}, {100, 0, 560, 360}},     // neither: more room above
        {{100, 340, 240, 50}, {100, 390, 560, 378}},   // neither: more room below
        {{1000, 100, 240, 50}, {806, 150, 560, 420}},  // kept on the screen at the right
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label.y());
        EXPECT_EQ(DropDownPlacement(c.label, wanted, screen), c.placed);
    }
    EXPECT_EQ(DropDownPlacement({10, 10, 50, 20}, {2000, 100}, screen), QRect(0, 30, 1366, 100))
        << "wider than the screen";
}
