#pragma once

#include "controls/ExchangeFilePrompts.h"
#include "controls/LibraryTree.h"

#include <QDialog>
#include <QStringList>
#include <array>
#include <filesystem>
#include <vector>

class QAction;
class QRadioButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class UserPrompts;

// The words a database browser shows.
struct LibraryBrowserTexts {
    QString title;
    // The tooltips of NEW, COPY, CUT, PASTE, DELETE, EDIT, EXPORT, EXPORTALL
    // and IMPORT; EXIT's is "Exit".
    std::array<QString, 9> keyTips;
    QString exchangeFilter;
    QString exportTitle;
    QString importTitle;
    PromptText exported;
    PromptText exportFailed;
    PromptText importDamaged;
};

// What the database browsers share: the key toolbar "Toolbar1", the tree
// "treeview1" with its current node kept by the names on its path, the
// clicks that make a node current, the export and import of the exchange
// file, and the save of the database however the browser closes. A browser
// adds its own commands and what its tree holds.
class LibraryBrowser : public QDialog {
    Q_OBJECT
public:
    void done(int result) override;
    // Fills the tree from the database as it stands; the current node is
    // found again by its path.
    virtual void FillTree() = 0;

protected:
    enum class Sorting {
        Fixed,  // manufacturer and model
        // "Sort By Manufacturer" or "Sort By Type" (`SortBy_0`, `SortBy_1`).
        ByManufacturerOrType,
    };
    LibraryBrowser(UserPrompts& prompts, LibraryBrowserTexts texts, Sorting sorting, QWidget* parent);

    bool eventFilter(QObject* watched, QEvent* event) override;

    // Enables the keys for the current node, which is none once it has left the tree.
    virtual void RefreshToolbar();
    virtual int EntryCount() const = 0;
    virtual bool ClipboardHolds() const = 0;
    virtual void SaveDatabase() = 0;

    virtual void NewKey() = 0;
    virtual void CopyKey() = 0;
    virtual void CutKey() = 0;
    virtual void PasteKey() = 0;
    virtual void DeleteKey() = 0;
    // Also a double-click on a model node.
    virtual void EditKey() = 0;
    virtual void ExportKey() = 0;
    void ExportAllKey();
    void ImportKey();

    // Writes the entries of these database indexes to the chosen file, unless there are none.
    void Export(const std::vector<int>& indices);
    // Throws FileError when the file cannot be written.
    virtual void WriteExportFile(const std::vector<int>& indices, const std::filesystem::path& target) = 0;
    // Throws FileError when the file cannot be read.
    virtual ImportEnd ReadImportFile(const std::filesystem::path& source) = 0;
    // After an import: whether a file was chosen and whether it was read whole.
    virtual void Imported(bool chosen, bool complete) = 0;

    UserPrompts& Prompts() const { return prompts_; }
    QAction* Key(const char* key) const;
    QTreeWidget& Tree() const { return *treeview1; }
    LibraryTree::Arrangement Arrangement() const;
    bool IsModel(const QTreeWidgetItem& node) const;

    QTreeWidgetItem* CurrentNode() const;
    void MakeCurrent(QTreeWidgetItem* node);
    // Selects the node, shows it and makes it current.
    void SelectNode(QTreeWidgetItem* node);
    // The model node of these names becomes the selected and current node, when there is one.
    void SelectModel(const LibraryTree::Names& names);
    // Runs `remove`, which takes the current model node's entry out of the
    // database and the tree; the model before it under the same parent, if
    // any, then becomes the selected and current node.
    void RemoveCurrentModel(const std::function<void()>& remove);

private:
    void AddKey(const char* key, const QString& tooltip, void (LibraryBrowser::*command)(),
                const char* picture = nullptr);
    void RunCommand(void (LibraryBrowser::*command)());
    void AddSortOptions(class QVBoxLayout& layout);

    UserPrompts& prompts_;
    LibraryBrowserTexts texts_;
    QStringList currentPath_;
    std::array<QRadioButton*, 2> SortBy{};
    QToolBar* Toolbar1;
    QTreeWidget* treeview1;
};
