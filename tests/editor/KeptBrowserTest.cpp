// The main window keeps each database browser from one press of its key to
// the next. Every opening looks and behaves as a new browser's, and the tree
// is kept only while the database holds the names it was last filled from,
// whatever changed them.
#include "MainWindowTest.h"
#include "controls/LibraryTree.h"
#include "support/ModalDialogs.h"
#include "support/NamedChild.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolBar>
#include <QTreeWidget>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int Mark = Qt::UserRole + 99;

// An entry's names; the projector database has no type.
struct Names {
    const char* manufacturer;
    const char* type;
    const char* model;
};

template <class Entry>
int IndexOfModel(const DatabaseArray<Entry>& database, const std::string& model)
{
    for (int i = 0; i < database.Count(); ++i)
        if (database[i].ModelField().trimmed() == model) return i;
    return -1;
}

// Renames the entry of the model, or removes it when there is no new name.
template <class Entry>
void RenameOrRemove(DatabaseArray<Entry>& database, const std::string& model, const char* renamed)
{
    const int index = IndexOfModel(database, model);
    if (renamed)
        database[index].Model(renamed);
    else
        database.Remove(index);
}

// One browser with what a test does to its database from outside the
// browser. Models are unique, so a model names its entry.
struct Browser {
    const char* what;
    const char* key;
    QSize openingSize;
    bool sorts;  // has "Sort By Manufacturer" and "Sort By Type"
    std::function<void(ApplicationState&, const Names&)> add;
    std::function<void(ApplicationState&, const std::string& model, const char* renamed)> renameOrRemove;
    std::function<void(ApplicationState&, const char* model)> renameClipboard;
    std::function<QStringList(const Names&)> path;
};

std::vector<Browser> Browsers()
{
    const auto threeLevels = [](const Names& n) { return QStringList{n.manufacturer, n.type, n.model}; };
    return {
        {"projector browser", "EDITPROJECTOR", QSize(640, 480), false,
         [](ApplicationState& s, const Names& n) {
             auto& database = s.Projectors.ProjectorDatabase();
             s.Projectors.AddProjectorDefinition();
             database[database.LastIndex()].Manufacturer(n.manufacturer);
             database[database.LastIndex()].Model(n.model);
         },
         [](ApplicationState& s, const std::string& model, const char* renamed) {
             RenameOrRemove(s.Projectors.ProjectorDatabase(), model, renamed);
         },
         [](ApplicationState& s, const char* model) { s.Projectors.ProjectorClipboard.Model(model); },
         [](const Names& n) {
             return QStringList{n.manufacturer, n.model};
         }},
        {"RS232 browser", "EDITRS232", QSize(640, 480), true,
         [](ApplicationState& s, const Names& n) {
             auto& database = s.RS232Libraries.RS232Database();
             s.RS232Libraries.AddRS232Library();
             database[database.LastIndex()].Manufacturer(n.manufacturer);
             database[database.LastIndex()].MyType(n.type);
             database[database.LastIndex()].Model(n.model);
         },
         [](ApplicationState& s, const std::string& model, const char* renamed) {
             RenameOrRemove(s.RS232Libraries.RS232Database(), model, renamed);
         },
         [](ApplicationState& s, const char* model) { s.RS232Libraries.RS232LibraryClipboard.Model(model); },
         threeLevels},
        {"IR browser", "EDITIR", QSize(520, 480), true,
         [](ApplicationState& s, const Names& n) {
             IRclass& added = s.IR.AddIRLibrary();
             added.Manufacturer(n.manufacturer);
             added.IRtype(n.type);
             added.Model(n.model);
         },
         [](ApplicationState& s, const std::string& model, const char* renamed) {
             RenameOrRemove(s.IR.IRDatabase(), model, renamed);
         },
         [](ApplicationState& s, const char* model) { s.IR.IRClipboard.Model(model); }, threeLevels},
    };
}

QString EnabledKeys(const QDialog& browser)
{
    QString keys;
    for (QAction* action : Named<QToolBar>(browser, "Toolbar1")->actions())
        if (action->isEnabled()) keys += action->objectName() + " ";
    return keys.trimmed();
}

QTreeWidgetItem* NodeAt(const QTreeWidget& tree, const QStringList& path)
{
    QTreeWidgetItem* node = nullptr;
    for (const QString& text : path) {
        QTreeWidgetItem* found = nullptr;
        if (node) LibraryTree::Unfold(*node);
        const int count = node ? node->childCount() : tree.topLevelItemCount();
        for (int i = 0; i < count && !found; ++i) {
            QTreeWidgetItem* child = node ? node->child(i) : tree.topLevelItem(i);
            if (child->text(0) == text) found = child;
        }
        if (!found) return nullptr;
        node = found;
    }
    return node;
}

bool AnyExpanded(const QTreeWidget& tree)
{
    const std::function<bool(const QTreeWidgetItem*)> expanded = [&](const QTreeWidgetItem* node) {
        if (node->isExpanded()) return true;
        for (int i = 0; i < node->childCount(); ++i)
            if (expanded(node->child(i))) return true;
        return false;
    };
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        if (expanded(tree.topLevelItem(i))) return true;
    return false;
}

void MarkRoots(QTreeWidget& tree)
{
    for (int i = 0; i < tree.topLevelItemCount(); ++i) tree.topLevelItem(i)->setData(0, Mark, true);
}

bool RootsMarked(const QTreeWidget& tree)
{
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        if (tree.topLevelItem(i)->data(0, Mark).toBool()) return true;
    return false;
}

// What is done between two openings: inside the browser before it closes,
// then outside it; and what the next opening shows.
struct Change {
    const char* what;
    std::function<void(QDialog&)> inside;
    std::function<void()> outside;
    bool kept;  // the tree is the one the last opening showed
    std::function<void(const QTreeWidget&)> expect;
};

class KeptBrowserTest : public MainWindowTest {
protected:
    // Presses the key, hands the browser it shows to `inside` and leaves it by EXIT.
    QPointer<QDialog> PressKey(const char* key, const std::function<void(QDialog&)>& inside)
    {
        QPointer<QDialog> shown;
        WhenModalOpens([&](QWidget* modal) {
            shown = qobject_cast<QDialog*>(modal);
            if (shown) inside(*shown);
            Named<QAction>(*modal, "EXIT")->trigger();
        });
        Named<QAction>(Window(), key)->trigger();
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        return shown;
    }

    // What every opening shows, as a new browser's does.
    void ExpectAsNew(const Browser& b, QDialog& browser)
    {
        auto* tree = Named<QTreeWidget>(browser, "treeview1");
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == tree; }));
        EXPECT_FALSE(AnyExpanded(*tree));
        EXPECT_EQ(tree->verticalScrollBar()->value(), 0);
        // No cursor, not even where the focus coming in would put one: the
        // first Down lands on the first node.
        EXPECT_EQ(tree->currentItem(), nullptr);
        EXPECT_TRUE(tree->selectedItems().isEmpty());
        EXPECT_EQ(EnabledKeys(browser), "NEW EXPORTALL IMPORT EXIT") << "nothing current, nothing to paste";
        if (b.sorts) {
            EXPECT_TRUE(Named<QRadioButton>(browser, "SortBy", 0)->isChecked());
        }
        EXPECT_EQ(browser.windowState(), Qt::WindowNoState);
        EXPECT_EQ(browser.size(), b.openingSize);
    }

    // Leaves the browser as a user might: every level open and scrolled to
    // the end, a model copied and current, the focus elsewhere, another
    // size, maximised.
    static void Disturb(QDialog& browser, const QStringList& modelPath)
    {
        auto* tree = Named<QTreeWidget>(browser, "treeview1");
        tree->expandAll();
        QTreeWidgetItem* model = NodeAt(*tree, modelPath);
        ASSERT_NE(model, nullptr);
        tree->scrollToItem(model);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(model).center());
        Named<QAction>(browser, "COPY")->trigger();
        ASSERT_TRUE(Named<QAction>(browser, "PASTE")->isEnabled());
        tree->scrollToBottom();
        ASSERT_GT(tree->verticalScrollBar()->value(), 0);
        if (auto* option = browser.findChild<QRadioButton*>("SortBy_1")) option->setFocus();
        browser.resize(900, 650);
        browser.setWindowState(Qt::WindowMaximized);
    }
};

}  // namespace

TEST_F(KeptBrowserTest, EachPressShowsTheSameBrowserAsNewWithItsTreeKeptUntilTheNamesChange)
{
    const Names alpha{"ALPHA", "TV", "A1"};
    const Names bravo{"BRAVO", "TV", "B1"};
    const Names charlie{"CHARLIE", "TV", "C1"};
    Window();
    std::vector<QPointer<QDialog>> made;
    for (const Browser& b : Browsers()) {
        SCOPED_TRACE(b.what);
        b.add(state, alpha);
        b.add(state, bravo);
        // Enough manufacturers that the collapsed tree scrolls.
        std::vector<std::string> fillers;
        for (int i = 10; i < 40; ++i) fillers.push_back("M" + std::to_string(i));
        for (const std::string& filler : fillers) b.add(state, {filler.c_str(), "VCR", ("X" + filler).c_str()});
        const auto has = [&b](const Names& names) {
            return [&b, names](const QTreeWidget& tree) { EXPECT_NE(NodeAt(tree, b.path(names)), nullptr); };
        };
        const auto lacks = [&b](const Names& names) {
            return [&b, names](const QTreeWidget& tree) { EXPECT_EQ(NodeAt(tree, b.path(names)), nullptr); };
        };
        const auto pasteCopyOfB1As = [&](const char* model) {
            return [&b, this, model](QDialog& browser) {
                b.renameClipboard(state, model);
                Named<QAction>(browser, "PASTE")->trigger();
            };
        };
        std::vector<Change> changes = {
            {"nothing", {}, {}, true, has(bravo)},
            {"an entry added elsewhere", {}, [&] { b.add(state, charlie); }, false, has(charlie)},
            {"an entry renamed elsewhere",
             {},
             [&] { b.renameOrRemove(state, "A1", "A9"); },
             false,
             [&](const QTreeWidget& tree) {
                 has({"ALPHA", "TV", "A9"})(tree);
                 lacks(alpha)(tree);
             }},
            {"an entry removed elsewhere", {}, [&] { b.renameOrRemove(state, "C1", nullptr); }, false, lacks(charlie)},
            {"a copy pasted in the browser", pasteCopyOfB1As("B8"), {}, false, has({"BRAVO", "TV", "B8"})},
            // The database then holds the names of the last whole fill, but
            // the tree has had a node added since, by the paste or its fill.
            {"a copy pasted in the browser and taken out elsewhere", pasteCopyOfB1As("B7"),
             [&] { b.renameOrRemove(state, "B7", nullptr); }, false, lacks({"BRAVO", "TV", "B7"})},
            {"nothing again", {}, {}, true, has(bravo)},
        };
        if (std::string(b.key) == "EDITIR")
            changes.insert(changes.begin() + 4,
                           {"a comment changed elsewhere",
                            {},
                            [&] {
                                auto& database = state.IR.IRDatabase();
                                database[IndexOfModel(database, "A9")].Comment("new words");
                            },
                            false,
                            [&](const QTreeWidget& tree) {
                                const QTreeWidgetItem* model = NodeAt(tree, b.path({"ALPHA", "TV", "A9"}));
                                ASSERT_NE(model, nullptr);
                                EXPECT_EQ(model->data(0, Qt::UserRole + 1).toString(), "new words")
                                    << "a model node keeps its library's comment";
                            }});
        if (b.sorts)
            changes.insert(changes.begin() + 4,
                           {"the tree left sorted by type",
                            [](QDialog& browser) { Named<QRadioButton>(browser, "SortBy", 1)->click(); },
                            {},
                            false,
                            [&](const QTreeWidget& tree) {
                                has(bravo)(tree);
                                EXPECT_EQ(NodeAt(tree, {"TV"}), nullptr);
                            }});

        // Each opening shows what the last change made, then the next change is made.
        QPointer<QDialog> first;
        const Change* last = nullptr;
        for (std::size_t i = 0; i <= changes.size(); ++i) {
            const Change* next = i < changes.size() ? &changes[i] : nullptr;
            SCOPED_TRACE(last ? last->what : "the first opening");
            const QPointer<QDialog> shown = PressKey(b.key, [&](QDialog& browser) {
                ExpectAsNew(b, browser);
                QTreeWidget& tree = *Named<QTreeWidget>(browser, "treeview1");
                if (last) {
                    last->expect(tree);
                    EXPECT_EQ(RootsMarked(tree), last->kept) << (last->kept ? "kept" : "filled afresh");
                }
                MarkRoots(tree);
                Disturb(browser, b.path(bravo));
                if (next && next->inside) next->inside(browser);
            });
            ASSERT_FALSE(shown.isNull()) << "the browser stays with the main window";
            if (i == 0) first = shown;
            EXPECT_EQ(shown, first) << "the same browser every time";
            if (next && next->outside) next->outside();
            last = next;
        }
        made.emplace_back(first);
    }
    ASSERT_EQ(made.size(), 3U);
    for (const QPointer<QDialog>& browser : made) ASSERT_FALSE(browser.isNull());
    window.reset();
    for (const QPointer<QDialog>& browser : made) EXPECT_TRUE(browser.isNull()) << "gone with the main window";
}
