#include "infrared/IRSelector.h"
#include "model/ApplicationState.h"
#include "projectors/ProjectorSelector.h"
#include "rs232/RS232Selector.h"
#include "support/FileBytes.h"
#include "support/ModalDialogs.h"
#include "support/NamedChild.h"
#include "support/ProgramStateTest.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
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
};

const char* const GroupKeys = "NEW EXPORT EXPORTALL IMPORT EXIT";
const char* const ModelKeys = "NEW COPY CUT DELETE EDIT EXPORT EXPORTALL IMPORT EXIT";

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
         "Cancel"},
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
         "Cancel"},
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
         "MainCancel"},
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
