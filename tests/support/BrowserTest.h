#pragma once

#include "controls/LibraryTree.h"
#include "support/NamedChild.h"

#include <QAction>
#include <QStringList>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <memory>

// A database browser opened over the fixture's state and driven as the user
// would: the nodes of its tree "treeview1", the keys of its toolbar "Toolbar1".
template <class Fixture, class Browser>
class BrowserTest : public Fixture {
protected:
    ~BrowserTest() override
    {
        if (form) Close();
    }
    Browser& Open()
    {
        form = std::make_unique<Browser>(this->state);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        return *form;
    }
    void Close()
    {
        form->close();
        form.reset();
    }
    QTreeWidget& Tree() { return *Named<QTreeWidget>(*form, "treeview1"); }
    // The node of these texts, from the top level down; nullptr when there is none.
    QTreeWidgetItem* Node(const QStringList& path)
    {
        QTreeWidgetItem* node = nullptr;
        for (const QString& text : path) {
            QTreeWidgetItem* found = nullptr;
            if (node) LibraryTree::Unfold(*node);
            const int count = node ? node->childCount() : Tree().topLevelItemCount();
            for (int i = 0; i < count && !found; ++i) {
                QTreeWidgetItem* child = node ? node->child(i) : Tree().topLevelItem(i);
                if (child->text(0) == text) found = child;
            }
            if (!found) return nullptr;
            node = found;
        }
        return node;
    }
    // Clicks the node as the user would; nullptr clicks empty space below the nodes.
    void Click(QTreeWidgetItem* node)
    {
        if (node) Tree().scrollToItem(node);
        const QPoint where = node ? Tree().visualItemRect(node).center() : QPoint(5, Tree().viewport()->height() - 5);
        QTest::mouseClick(Tree().viewport(), Qt::LeftButton, {}, where);
    }
    void Press(const char* key) { Named<QAction>(*form, key)->trigger(); }
    bool Enabled(const char* key) { return Named<QAction>(*form, key)->isEnabled(); }
    QString EnabledKeys()
    {
        QString keys;
        for (QAction* action : Named<QToolBar>(*form, "Toolbar1")->actions())
            if (action->isEnabled()) keys += action->objectName() + " ";
        return keys.trimmed();
    }

    std::unique_ptr<Browser> form;
};
