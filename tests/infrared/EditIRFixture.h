#pragma once

#include "IRCommandSamples.h"
#include "infrared/EditIR.h"
#include "model/ApplicationState.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <memory>

// A library of the given names with one sample command per name.
inline void FillIRLibrary(IRclass& library, const char* manufacturer, const char* type, const char* model,
                          std::initializer_list<const char*> commands)
{
    library.Clear();
    library.Manufacturer(manufacturer);
    library.IRtype(type);
    library.Model(model);
    library.Comment("Living room");
    uint8_t tag = 1;
    for (const char* name : commands) {
        IRCommandClass& command = library.AddIRCommand();
        MakeSampleCommand(command);
        command.Name(name);
        command.Data(IRPart::Start, 3, tag++);
    }
}

class EditIRFixture : public ::testing::Test {
protected:
    ~EditIRFixture() override { EXPECT_TRUE(prompts.AllAnswered()) << "an expected message never came"; }

    IRclass& Work() { return state.IR.WorkIRLibrary; }
    IRclass& AddToDatabase(const char* manufacturer, const char* type, const char* model,
                           std::initializer_list<const char*> commands)
    {
        IRclass& added = state.IR.AddIRLibrary();
        FillIRLibrary(added, manufacturer, type, model, commands);
        return added;
    }
    // The editor, open without a modal loop, on WorkIRLibrary as it stands.
    std::unique_ptr<EditIR> Open()
    {
        auto form = std::make_unique<EditIR>(state);
        form->show();
        return form;
    }
    static QPushButton* Button(const QWidget& form, const char* name) { return Named<QPushButton>(form, name); }
    static QTreeWidget* Tree(const QWidget& form) { return Named<QTreeWidget>(form, "treeview1"); }
    static QStringList NodeTexts(const QWidget& form)
    {
        QStringList texts;
        QTreeWidget* tree = Tree(form);
        for (int i = 0; i < tree->topLevelItemCount(); ++i) texts << tree->topLevelItem(i)->text(0);
        return texts;
    }
    // Clicks the node of that text, or the empty area below the nodes.
    static void ClickNode(const QWidget& form, const QString& text)
    {
        QTreeWidget* tree = Tree(form);
        const QList<QTreeWidgetItem*> found = tree->findItems(text, Qt::MatchExactly);
        const QPoint where =
            found.isEmpty() ? QPoint(5, tree->viewport()->height() - 3) : tree->visualItemRect(found.front()).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, where);
    }
    static bool Showing(const QWidget& form, const char* name) { return Named<QWidget>(form, name)->isVisible(); }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
};
