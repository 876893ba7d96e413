#include "infrared/IRSelector.h"
#include "messages/SerialStringDisplay.h"
#include "model/ApplicationState.h"
#include "projectors/ProjectorSelector.h"
#include "rs232/RS232Selector.h"
#include "support/FileBytes.h"
#include "support/ModalDialogs.h"
#include "support/NamedChild.h"
#include "support/ProgramStateTest.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>

namespace {

// One of the three database browsers, holding ALPHA's model A1 and BRAVO's
// model B1 (of type TV where the tree has types).
struct Browser {
    const char* what;
    std::function<void(ApplicationState&)> fill;
    std::function<std::unique_ptr<QDialog>(ApplicationState&)> open;
    QString deleteB1;
    PromptText exported;
    const char* exportFile;
    // The editor's button that leaves it without a change.
    const char* editorCancel;
    // Empty where CUT does nothing.
    QString cutB1;
    QString editorTitle;
    QString newNameTitle;
    // Makes ALPHA's model A1, of type TV where there are types, in the
    // editor opened on a new entry, and leaves it by Done.
    std::function<void(ApplicationState&, QWidget& editor)> makeA1;
};

// Types into a box as the user does, leaving it by Tab.
void Type(QWidget& box, const QString& text)
{
    box.setFocus();
    QTest::keyClicks(&box, text);
    QTest::keyClick(&box, Qt::Key_Tab);
}

void TypeNames(QWidget& editor, bool withType)
{
    Type(*Named<QComboBox>(editor, "Manufacturer")->lineEdit(), "ALPHA");
    if (withType) Type(*Named<QComboBox>(editor, "TypeCombo1")->lineEdit(), "TV");
    Type(*Named<QLineEdit>(editor, "Model"), "A1");
}

const char* const GroupKeys = "NEW EXPORT EXPORTALL IMPORT EXIT";
const char* const ModelKeys = "NEW COPY CUT DELETE EDIT EXPORT EXPORTALL IMPORT EXIT";
const char* const AllKeys = "NEW COPY CUT PASTE DELETE EDIT EXPORT EXPORTALL IMPORT EXIT";

// A keyboard key and the button it stands for.
struct KeyboardKey {
    const char* button;
    QKeyCombination key;
};

const KeyboardKey KeyboardKeys[] = {
    {"NEW", Qt::Key_Insert},
    {"NEW", Qt::CTRL | Qt::Key_N},
    {"COPY", Qt::CTRL | Qt::Key_C},
    {"CUT", Qt::CTRL | Qt::Key_X},
    {"PASTE", Qt::CTRL | Qt::Key_V},
    {"DELETE", Qt::Key_Delete},
    {"EDIT", Qt::Key_Return},
    {"EDIT", Qt::Key_F2},
    {"EDIT", Qt::KeypadModifier | Qt::Key_Enter},
    {"EXPORT", Qt::CTRL | Qt::Key_E},
    {"EXPORTALL", Qt::CTRL | Qt::SHIFT | Qt::Key_E},
    {"IMPORT", Qt::CTRL | Qt::Key_I},
    {"EXIT", Qt::Key_Escape},
};

void Press(QKeyCombination key)
{
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}

// Where the user has brought a browser holding ALPHA's A1 and BRAVO's B1.
struct Standing {
    const char* what;
    std::function<void(QDialog&, QTreeWidget&)> reach;
    const char* enabled;  // the buttons then enabled
    const char* maker;    // the current node's manufacturer
};

std::vector<Standing> Standings()
{
    const auto onB1 = [](QDialog&, QTreeWidget& tree) {
        tree.expandAll();
        QTest::keyClick(&tree, Qt::Key_End);
    };
    return {
        {"at the opening", [](QDialog&, QTreeWidget&) {}, "NEW EXPORTALL IMPORT EXIT", ""},
        {"on the node the first Down reaches",
         [](QDialog&, QTreeWidget& tree) { QTest::keyClick(&tree, Qt::Key_Down); }, GroupKeys, "ALPHA"},
        {"on the last model, reached by End", onB1, ModelKeys, "BRAVO"},
        {"on a copied model, the focus on another control where there is one",
         [onB1](QDialog& browser, QTreeWidget& tree) {
             onB1(browser, tree);
             Named<QAction>(browser, "COPY")->trigger();
             if (auto* option = browser.findChild<QRadioButton*>("SortBy_0")) option->setFocus();
         },
         AllKeys, "BRAVO"},
    };
}

std::vector<Browser> Browsers()
{
    return {
        {"projector browser",
         [](ApplicationState& state) {
             for (const char* names : {"ALPHA A1", "BRAVO B1"}) {
                 ProjectorClassGlobals& projectors = state.Projectors;
                 projectors.AddProjectorDefinition();
                 ProjectorClass& added = projectors.ProjectorDatabase()[projectors.ProjectorDatabase().LastIndex()];
                 added.Manufacturer(std::string(names, 5));
                 added.Model(std::string(names + 6));
             }
         },
         [](ApplicationState& state) { return std::make_unique<ProjectorSelector>(state); },
         "Are you sure you want to delete BRAVO / B1 projector?",
         {"Projector definition saved", "File Saved."},
         "out.BRD",
         "Cancel",
         "Are you sure you want to cut(delete) BRAVO / B1 projector?",
         "Projector/Display Setup",
         "New Projector Manufacturer/Model",
         [](ApplicationState&, QWidget& editor) {
             TypeNames(editor, false);
             // What typing a byte stores in each message the editor asks for.
             for (SerialStringDisplay* message : editor.findChildren<SerialStringDisplay*>()) {
                 if (message->isHidden()) continue;
                 message->MySerialClass()->MyRS232StringClass().ContentBytes(0, 'X');
                 message->MySerialClass()->MyRS232StringClass().NumberOfBytes(1);
             }
             for (const char* time : {"CoolDownTime", "WarmUpTime"})
                 Type(*Named<QLineEdit>(*Named<QWidget>(editor, time), "Text1"), "20");
             Named<QPushButton>(editor, "Done")->click();
         }},
        {"RS232 browser",
         [](ApplicationState& state) {
             for (const char* names : {"ALPHA A1", "BRAVO B1"}) {
                 SerialClassGlobals& libraries = state.RS232Libraries;
                 libraries.AddRS232Library();
                 RS232FileBlockClass& added = libraries.RS232Database()[libraries.RS232Database().LastIndex()];
                 added.Manufacturer(std::string(names, 5));
                 added.MyType("TV");
                 added.Model(std::string(names + 6));
             }
         },
         [](ApplicationState& state) { return std::make_unique<RS232Selector>(state); },
         "Are you sure you want to delete BRAVO / B1 / TV?",
         {"RS232 library saved", "RS232 Saved."},
         "out.BRS",
         "Cancel",
         "Are you sure you want to cut(delete) BRAVO / B1 / TV?",
         "RS232 commands editor",
         "New RS232 Manufacturer/Model",
         [](ApplicationState& state, QWidget& editor) {
             TypeNames(editor, true);
             // What a command's row stores as its bytes are typed.
             SerialClass& power = state.RS232Libraries.EditCommandSerials[0];
             power.Command("POWER");
             power.MyRS232StringClass().NumberOfBytes(1);
             power.MyRS232StringClass().ContentBytes(0, 0x02);
             Named<QPushButton>(editor, "Done")->click();
         }},
        {"IR browser",
         [](ApplicationState& state) {
             for (const char* names : {"ALPHA A1", "BRAVO B1"}) {
                 IRclass& added = state.IR.AddIRLibrary();
                 added.Manufacturer(std::string(names, 5));
                 added.IRtype("TV");
                 added.Model(std::string(names + 6));
                 // A library without commands is left out of an export.
                 added.AddIRCommand().Name("POWER");
             }
         },
         [](ApplicationState& state) { return std::make_unique<IRSelector>(state); },
         "Are you sure you want to delete BRAVO / TV / B1?",
         {"IR library saved", "IR Saved."},
         "out.BRI",
         "MainCancel",
         {},
         "IR Editor",
         "New IR name",
         [](ApplicationState& state, QWidget& editor) {
             TypeNames(editor, true);
             // What a capture from a remote control stores.
             state.IR.WorkIRLibrary.AddIRCommand().Name("POWER");
             Named<QPushButton>(editor, "Done")->click();
         }},
    };
}

class BrowserKeysTest : public ProgramStateTest {
protected:
    static QString EnabledKeys(const QDialog& browser)
    {
        QString keys;
        for (QAction* action : Named<QToolBar>(browser, "Toolbar1")->actions())
            if (action->isEnabled()) keys += action->objectName() + " ";
        return keys.trimmed();
    }
    static QString Highlighted(const QTreeWidget& tree)
    {
        const QList<QTreeWidgetItem*> highlighted = tree.selectedItems();
        return highlighted.size() == 1 ? highlighted.front()->text(0) : QString("%1 nodes").arg(highlighted.size());
    }
    std::string FileText(const char* name) const
    {
        std::ifstream file(folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    // The browser shown, its window active and the focus in it.
    std::unique_ptr<QDialog> OpenActive(const Browser& b)
    {
        std::unique_ptr<QDialog> browser = b.open(state);
        browser->show();
        browser->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(browser.get()));
        return browser;
    }
    // What the user sees of a browser and has been asked.
    std::string Seen(const QDialog& browser) const
    {
        QStringList nodes;
        const std::function<void(const QTreeWidgetItem&)> add = [&](const QTreeWidgetItem& node) {
            nodes << node.text(0);
            for (int i = 0; i < node.childCount(); ++i) add(*node.child(i));
        };
        const auto* tree = Named<QTreeWidget>(browser, "treeview1");
        for (int i = 0; i < tree->topLevelItemCount(); ++i) add(*tree->topLevelItem(i));
        return QString("keys %1; highlighted %2; nodes %3; %4 messages, %5 file dialogs; %6")
            .arg(EnabledKeys(browser), Highlighted(*tree), nodes.join(' '))
            .arg(prompts.Shown().size())
            .arg(prompts.FileDialogs().size())
            .arg(browser.isVisible() ? "shown" : "hidden")
            .toStdString();
    }
    // Expects the key to do what its button does where the browser stands,
    // `modals` being the title and model of each window it opened.
    void ExpectDone(const Browser& b, const Standing& where, const KeyboardKey& k, QDialog& browser,
                    const QStringList& modals)
    {
        const QString button = k.button;
        QStringList opened;
        const auto expectQuestion = [this](const QString& question) {
            prompts.ExpectMessage(question, "Are you sure?", PromptButtons::YesNo, PromptIcon::None, PromptAnswer::No);
        };
        if (button == "NEW") opened << b.editorTitle + ": ";
        if (button == "EDIT") opened << b.editorTitle + ": B1";
        // The names taken: new names are asked for, starting blank.
        if (button == "PASTE") opened << b.newNameTitle + ": ";
        if (button == "DELETE") expectQuestion(b.deleteB1);
        if (button == "CUT" && !b.cutB1.isEmpty()) expectQuestion(b.cutB1);
        if (button.startsWith("EXPORT")) {
            std::filesystem::remove(folder / b.exportFile);
            prompts.ExpectSaveFile(Text(folder / b.exportFile));
            prompts.ExpectMessage(b.exported.text, b.exported.title, PromptButtons::Ok, PromptIcon::None);
        }
        if (button == "IMPORT") prompts.ExpectOpenFile(std::nullopt);

        Press(k.key);
        EXPECT_EQ(modals.join(", ").toStdString(), opened.join(", ").toStdString());
        EXPECT_TRUE(prompts.AllAnswered());
        EXPECT_EQ(browser.isVisible(), button != "EXIT");
        if (button == "COPY" || button == "CUT") {
            EXPECT_EQ(Named<QAction>(browser, "PASTE")->isEnabled(), button == "COPY" || !b.cutB1.isEmpty());
        }
        if (button.startsWith("EXPORT")) {
            const std::string exported = FileText(b.exportFile);
            for (const std::string maker : {"ALPHA", "BRAVO"})
                EXPECT_EQ(exported.find(maker) != std::string::npos, button == "EXPORTALL" || maker == where.maker)
                    << maker;
        }
    }
};

}  // namespace

// From the keyboard alone: the browser opens in its tree, and the node the
// keys reach is the one the keys' states and every command follow, as a
// click's would be; Return edits a model as a double click does.
TEST_F(BrowserKeysTest, TheHighlightedNodeIsTheCurrentNodeWhateverMovedIt)
{
    for (const Browser& b : Browsers()) {
        SCOPED_TRACE(b.what);
        b.fill(state);
        std::unique_ptr<QDialog> browser = b.open(state);
        browser->show();
        browser->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(browser.get()));
        auto* tree = Named<QTreeWidget>(*browser, "treeview1");
        EXPECT_EQ(QApplication::focusWidget(), tree) << "an arrow key must not re-sort the tree";

        tree->expandAll();
        const QTreeWidgetItem* a1 = tree->findItems("A1", Qt::MatchExactly | Qt::MatchRecursive).value(0);
        ASSERT_NE(a1, nullptr);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(a1).center());
        EXPECT_EQ(EnabledKeys(*browser), ModelKeys);

        QTest::keyClick(tree, Qt::Key_Home);
        EXPECT_EQ(Highlighted(*tree), "ALPHA");
        EXPECT_EQ(EnabledKeys(*browser), GroupKeys) << "the manufacturer reached by the keys is current";

        QTest::keyClick(tree, Qt::Key_End);
        EXPECT_EQ(Highlighted(*tree), "B1");
        EXPECT_EQ(EnabledKeys(*browser), ModelKeys);
        prompts.ExpectMessage(b.deleteB1, "Are you sure?", PromptButtons::YesNo, PromptIcon::None, PromptAnswer::No);
        Named<QAction>(*browser, "DELETE")->trigger();
        prompts.ExpectSaveFile(Text(folder / b.exportFile));
        prompts.ExpectMessage(b.exported.text, b.exported.title, PromptButtons::Ok, PromptIcon::None);
        Named<QAction>(*browser, "EXPORT")->trigger();
        const std::string exported = FileText(b.exportFile);
        EXPECT_NE(exported.find("BRAVO"), std::string::npos);
        EXPECT_EQ(exported.find("ALPHA"), std::string::npos) << "the clicked node is no longer current";

        QString editing;
        WhenModalOpens([&](QWidget* editor) {
            editing = Named<QLineEdit>(*editor, "Model")->text();
            Named<QPushButton>(*editor, b.editorCancel)->click();
        });
        QTest::keyClick(tree, Qt::Key_Return);
        EXPECT_EQ(editing, "B1") << "Return edits the highlighted model";
        EXPECT_EQ(Highlighted(*tree), "B1") << "the rebuilt tree shows the current node";
        EXPECT_EQ(EnabledKeys(*browser), ModelKeys);

        // Return on a manufacturer opens nothing.
        QTest::keyClick(tree, Qt::Key_Home);
        QTest::keyClick(tree, Qt::Key_Return);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        browser->close();
        ASSERT_TRUE(prompts.AllAnswered());
    }
}

// A command that rebuilds the tree or picks a node leaves that node both
// highlighted and current; one that leaves none current leaves none highlighted.
TEST_F(BrowserKeysTest, CommandsLeaveTheHighlightOnTheCurrentNode)
{
    for (const Browser& b : Browsers()) {
        SCOPED_TRACE(b.what);
        b.fill(state);
        std::unique_ptr<QDialog> browser = b.open(state);
        browser->show();
        auto* tree = Named<QTreeWidget>(*browser, "treeview1");
        tree->expandAll();
        QTreeWidgetItem* b1 = tree->findItems("B1", Qt::MatchExactly | Qt::MatchRecursive).value(0);
        tree->setCurrentItem(b1);
        ASSERT_EQ(EnabledKeys(*browser), ModelKeys);
        Named<QAction>(*browser, "COPY")->trigger();
        // The pasted copy's names are taken: the new-name dialog is cancelled.
        WhenModalOpens([](QWidget* dialog) {
            const QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>("Cancel");
            if (!buttons.isEmpty()) buttons.front()->click();
        });
        Named<QAction>(*browser, "PASTE")->trigger();
        EXPECT_EQ(Highlighted(*tree), "B1");
        EXPECT_EQ(EnabledKeys(*browser), "NEW COPY CUT PASTE DELETE EDIT EXPORT EXPORTALL IMPORT EXIT");

        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(5, tree->viewport()->height() - 3));
        EXPECT_EQ(Highlighted(*tree), "0 nodes") << "empty space leaves no node current";
        EXPECT_EQ(EnabledKeys(*browser), "NEW PASTE EXPORTALL IMPORT EXIT");
        browser->close();
        ASSERT_TRUE(prompts.AllAnswered());
    }
}

// Each button's keys do what the button does, with the focus anywhere in the
// browser, and nothing while the button is off. The windows a command opens
// are left by Escape, its questions answered No.
TEST_F(BrowserKeysTest, EachKeyDoesWhatItsButtonDoesAndNothingWhileItIsOff)
{
    for (const Browser& b : Browsers()) {
        b.fill(state);
        QStringList seenOn;
        for (const Standing& where : Standings()) {
            for (const KeyboardKey& k : KeyboardKeys) {
                const bool on = QString(where.enabled).split(' ').contains(k.button);
                // A key's command is seen where its button is first on; the
                // editors take a while to leave.
                if (on && seenOn.contains(k.button + QKeySequence(k.key).toString())) continue;
                if (on) seenOn << k.button + QKeySequence(k.key).toString();
                SCOPED_TRACE(std::string(b.what) + ", " + where.what + ", " + k.button + " by " +
                             QKeySequence(k.key).toString().toStdString());
                std::unique_ptr<QDialog> browser = OpenActive(b);
                where.reach(*browser, *Named<QTreeWidget>(*browser, "treeview1"));
                ASSERT_EQ(EnabledKeys(*browser).toStdString(), where.enabled);
                ASSERT_TRUE(browser->isAncestorOf(QApplication::focusWidget()));
                QStringList modals;
                const ModalWatch leave([&modals](QWidget* modal) {
                    const auto* model = modal->findChild<QLineEdit*>("Model");
                    modals << modal->windowTitle() + ": " + (model ? model->text() : "");
                    QTest::keyClick(modal, Qt::Key_Escape);
                });
                if (on) {
                    ExpectDone(b, where, k, *browser, modals);
                } else {
                    const std::string before = Seen(*browser);
                    Press(k.key);
                    EXPECT_EQ(Seen(*browser), before);
                    EXPECT_EQ(modals.join(", ").toStdString(), "");
                }
                browser->close();
            }
        }
    }
}

// With no entry the tree is empty and holds the focus: Insert opens the
// editor on a new entry, and the first Down then reaches the entry made.
TEST_F(BrowserKeysTest, InsertMakesTheFirstEntryOfAnEmptyDatabase)
{
    for (const Browser& b : Browsers()) {
        SCOPED_TRACE(b.what);
        std::unique_ptr<QDialog> browser = OpenActive(b);
        auto* tree = Named<QTreeWidget>(*browser, "treeview1");
        ASSERT_EQ(tree->topLevelItemCount(), 0);
        EXPECT_EQ(EnabledKeys(*browser).toStdString(), "NEW IMPORT EXIT");
        QString editing;
        WhenModalOpens([&](QWidget* editor) {
            editing = editor->windowTitle();
            b.makeA1(state, *editor);
        });
        Press(Qt::Key_Insert);
        EXPECT_EQ(editing, b.editorTitle);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the editor took the entry";
        ASSERT_TRUE(QTest::qWaitForWindowActive(browser.get()));
        EXPECT_EQ(QApplication::focusWidget(), tree) << "back where the user was";
        Press(Qt::Key_Down);
        EXPECT_EQ(Highlighted(*tree).toStdString(), "ALPHA");
        EXPECT_EQ(EnabledKeys(*browser).toStdString(), GroupKeys);
        Press(Qt::Key_Escape);
        EXPECT_FALSE(browser->isVisible());
    }
}

// The menu key and Shift+F10 open, at the current node, a menu of the
// buttons as the tooltips name them, each showing its key and as enabled as
// its button; Escape leaves the menu only, and the menu's keys run a command.
TEST_F(BrowserKeysTest, TheMenuKeysOpenTheButtonsAtTheCurrentNode)
{
    const QStringList shownKeys = {"Ins",    "Ctrl+C", "Ctrl+X",       "Ctrl+V", "Del",
                                   "Return", "Ctrl+E", "Ctrl+Shift+E", "Ctrl+I", "Esc"};
    for (const Browser& b : Browsers()) {
        b.fill(state);
        for (const Standing& where : {Standings().front(), Standings().back()}) {
            for (const QKeyCombination menuKey : {QKeyCombination(Qt::Key_Menu), Qt::SHIFT | Qt::Key_F10}) {
                SCOPED_TRACE(std::string(b.what) + ", " + where.what + ", " +
                             QKeySequence(menuKey).toString().toStdString());
                std::unique_ptr<QDialog> browser = OpenActive(b);
                auto* tree = Named<QTreeWidget>(*browser, "treeview1");
                where.reach(*browser, *tree);
                QStringList entries;
                QString enabled;
                QPoint place;
                WhenPopupOpens([&](QWidget* popup) {
                    place = popup->pos();
                    for (const QAction* entry : popup->actions()) {
                        if (entry->isSeparator()) continue;
                        entries << entry->text() + "\t" + entry->shortcut().toString(QKeySequence::NativeText);
                        if (entry->isEnabled()) enabled += entry->objectName() + " ";
                    }
                    QTest::keyClick(popup, Qt::Key_Escape);
                });
                Press(menuKey);
                QStringList expected;
                const QList<QAction*> buttons = Named<QToolBar>(*browser, "Toolbar1")->actions();
                for (qsizetype i = 0; i < buttons.size(); ++i)
                    expected << buttons[i]->toolTip() + "\t" + shownKeys.value(i);
                EXPECT_EQ(entries.join('\n').toStdString(), expected.join('\n').toStdString());
                EXPECT_EQ(enabled.trimmed().toStdString(), where.enabled);
                const QTreeWidgetItem* current = tree->currentItem();
                const QPoint corner = current ? tree->visualItemRect(current).bottomLeft() : QPoint(0, 0);
                EXPECT_EQ(place, tree->viewport()->mapToGlobal(corner));
                EXPECT_TRUE(browser->isVisible()) << "Escape left the menu only";
                EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
            }
        }

        // DELETE reached in the menu by the arrow keys and run by Return.
        std::unique_ptr<QDialog> browser = OpenActive(b);
        Standings()[2].reach(*browser, *Named<QTreeWidget>(*browser, "treeview1"));
        prompts.ExpectMessage(b.deleteB1, "Are you sure?", PromptButtons::YesNo, PromptIcon::None, PromptAnswer::No);
        WhenPopupOpens([](QWidget* popup) {
            auto* menu = qobject_cast<QMenu*>(popup);
            ASSERT_NE(menu, nullptr);
            for (int step = 0; step < 10 && !(menu->activeAction() && menu->activeAction()->objectName() == "DELETE");
                 ++step)
                QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        Press(Qt::SHIFT | Qt::Key_F10);
        EXPECT_TRUE(prompts.AllAnswered()) << b.what;
        browser->close();
    }
}
