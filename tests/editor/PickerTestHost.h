#pragma once

#include "editor/pickers/PointerPosition.h"
#include "model/ApplicationState.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWidget>
#include <memory>
#include <string>

// The pointer where the test puts it.
class TestPointer final : public PointerPosition {
public:
    QPoint GlobalPosition() const override { return at; }
    QPoint at;
};

// A fresh state and a bare window, as the main window's tabs will host the
// pickers, with the test's pointer installed before any picker is built.
struct PickerTestHost {
    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
    TestPointer* pointer = nullptr;
    QWidget window;

    PickerTestHost()
    {
        auto installed = std::make_unique<TestPointer>();
        pointer = installed.get();
        state.Installed.Install<PointerPosition>(std::move(installed));
        // Within the offscreen screen, the pickers at the top as on a tab.
        window.resize(960, 580);
        (new QVBoxLayout(&window))->addStretch();
    }

    template <class Picker>
    Picker* Place()
    {
        auto* picker = new Picker(state, &window);
        static_cast<QVBoxLayout*>(window.layout())->insertWidget(0, picker);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return picker;
    }

    void AddProjector(const std::string& manufacturer, const std::string& model, const std::string& notes = "")
    {
        state.Projectors.AddProjectorDefinition();
        ProjectorClass& definition =
            state.Projectors.ProjectorDatabase()[state.Projectors.ProjectorDatabase().LastIndex()];
        definition.Manufacturer(manufacturer);
        definition.Model(model);
        definition.Notes(notes);
    }

    IRclass& AddIRLibrary(const std::string& manufacturer, const std::string& type, const std::string& model,
                          int commands = 0, const std::string& comment = "")
    {
        IRclass& library = state.IR.AddIRLibrary();
        library.Manufacturer(manufacturer);
        library.IRtype(type);
        library.Model(model);
        library.Comment(comment);
        for (int c = 0; c < commands; ++c) library.AddIRCommand().Name(model.substr(0, 4) + "KEY" + std::to_string(c));
        return library;
    }

    QTreeWidget* Tree(const QString& name) const { return Named<QTreeWidget>(window, name); }
};

// A move of the pointer without a button, sent to the tree's rows: unlike
// QTest::mouseMove, which moves the system's pointer and sends nothing when
// an earlier test left it at the same place.
inline void HoverAt(QTreeWidget* tree, QPoint at)
{
    QWidget* rows = tree->viewport();
    QMouseEvent move(QEvent::MouseMove, at, rows->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(rows, &move);
}
inline void ClickAt(QTreeWidget* tree, QPoint at)
{
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}
inline void PressLabel(QWidget* label)
{
    QTest::mouseClick(label, Qt::LeftButton);
}
// The middle of a row of the view, counted from its top row.
inline int RowMiddle(const QTreeWidget* tree, int row)
{
    const int height = tree->visualItemRect(tree->topLevelItem(0)).height();
    return row * height + height / 2;
}
// The texts of the rows shown, top to bottom, from the first row in view.
inline QStringList ShownRows(const QTreeWidget* tree)
{
    QStringList rows;
    for (QTreeWidgetItem* item = tree->itemAt(QPoint(60, 1)); item != nullptr; item = tree->itemBelow(item))
        rows << item->text(0).trimmed();
    return rows;
}
