#pragma once

#include "rs232/RS232LibraryLoaderOrder.h"
#include "rs232/RS232SelectorTree.h"

#include <QDialog>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

class ApplicationState;
class QRadioButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

// The browser of the RS232 database: a three-level tree of the libraries,
// sorted by manufacturer or by type, and the commands that create, edit,
// copy, cut, paste, delete, export and import them. The database is written
// to disk when the browser closes, however it is closed.
class RS232Selector : public QDialog {
    Q_OBJECT
public:
    explicit RS232Selector(ApplicationState& state, QWidget* parent = nullptr);

    // The IMPORT command.
    void ImportRS232Library();

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Command = void (RS232Selector::*)();
    // The button shows the picture of its key, or of `picture` when one is given.
    void AddKey(const char* key, const char* tooltip, Command command, const char* picture = nullptr);
    void RunCommand(Command command);
    LoaderSortOrder Order() const;

    void BuildTree();
    void RefreshToolbar();
    // The current node is kept by its path, so a rebuilt tree finds it again.
    QTreeWidgetItem* CurrentNode() const;
    void MakeCurrent(QTreeWidgetItem* node);
    void MarkSelected(QTreeWidgetItem* node);
    bool LibraryNodeExists(const RS232SelectorTree::LibraryNames& names) const;
    void SelectLibraryNode(const RS232SelectorTree::LibraryNames& names);
    int CurrentLibraryIndex() const;
    int LibraryIndexOf(const QTreeWidgetItem& node) const;
    // The database indexes of the libraries the current leaf names, in order.
    std::vector<int> CurrentLibraryIndexes() const;
    bool AskSure(const QString& verb, int index);
    void RemoveCurrentLibrary(int index);
    void RemoveLibrary(int index);

    void NewKey();
    void EditKey();
    void CopyLibrary();
    void CutLibrary();
    void DeleteLibrary();
    void PasteLibrary();
    void ExportKey();
    void ExportAllKey();
    void ExportLibraries();

    ApplicationState& state_;
    QStringList currentPath_;
    // The database's own indexes: it holds any number of libraries.
    std::vector<int> ExportList;
    std::array<QRadioButton*, 2> SortBy{};
    QToolBar* Toolbar1;
    QTreeWidget* treeview1;
};

// Shows the browser modally; the database has been saved when it returns.
void ShowRS232Selector(ApplicationState& state, QWidget* parent);
