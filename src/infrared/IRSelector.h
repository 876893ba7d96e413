#pragma once

#include "controls/LibraryTree.h"

#include <QDialog>
#include <QStringList>
#include <vector>

class ApplicationState;
class QAction;
class QRadioButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

// The browser of the IR database: a tree of manufacturers, types and models
// and the commands that create, edit, copy, paste, delete, export and import
// libraries. The database is written to disk when the browser closes,
// however it is closed.
class IRSelector : public QDialog {
    Q_OBJECT
public:
    explicit IRSelector(ApplicationState& state, QWidget* parent = nullptr);

    void ImportIRLibrary();
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AddKey(const char* key, const char* tooltip, void (IRSelector::*command)(), const char* picture = nullptr);
    void RunCommand(void (IRSelector::*command)());
    QAction* Key(const char* key) const;
    void UpdateToolbar();
    void FillTree();
    LibraryTree::Arrangement Arrangement() const;

    // The selected node is kept by its path, so a refilled tree finds it again.
    QTreeWidgetItem* SelectedNode() const;
    void MakeSelected(QTreeWidgetItem* node);
    void SelectModelNode(const LibraryTree::Names& names);
    // The database index of the library of a model node, or -1.
    int LibraryIndexOf(const QTreeWidgetItem& node) const;
    void RemoveNode(QTreeWidgetItem* node);
    void RemoveLibrary(int index);

    void NewKey();
    void CopyKey();
    void CutKey();
    void PasteKey();
    void DeleteKey();
    void EditKey();
    void ExportKey();
    void ExportAllKey();

    void Export(const std::vector<int>& indices);

    ApplicationState& state_;
    QStringList selectedPath_;
    QToolBar* Toolbar1;
    QRadioButton* SortBy_0;
    QRadioButton* SortBy_1;
    QTreeWidget* treeview1;
};

// Shows the browser modally; the database has been saved when it returns.
void ShowIRSelector(ApplicationState& state, QWidget* parent);
