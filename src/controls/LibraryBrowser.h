#pragma once

#include "controls/ExchangeFilePrompts.h"
#include "controls/LibraryTree.h"

#include <QDialog>
#include <QStringList>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QRadioButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class UserPrompts;

// The keys of a browser's toolbar; each key's action is named by it ("NEW", ...).
enum class BrowserKey { NEW, COPY, CUT, PASTE, DELETE, EDIT, EXPORT, EXPORTALL, IMPORT, EXIT };

// A key's tooltip. It has no empty default, so a browser whose tips leave a
// key out does not compile.
struct KeyTip {
    KeyTip(const char* tip) : text(tip) {}
    QString text;
};

// The tooltips of a browser's keys, each given by the key's name; EXIT's is "Exit".
struct LibraryBrowserKeyTips {
    KeyTip NEW;
    KeyTip COPY;
    KeyTip CUT;
    KeyTip PASTE;
    KeyTip DELETE;
    KeyTip EDIT;
    KeyTip EXPORT;
    KeyTip EXPORTALL;
    KeyTip IMPORT;
};

// The words a database browser shows.
struct LibraryBrowserTexts {
    QString title;
    LibraryBrowserKeyTips keyTips;
    QString exchangeFilter;
    QString exportTitle;
    QString importTitle;
    PromptText exported;
    PromptText exportFailed;
    PromptText importDamaged;
};

// What the database browsers share: the key toolbar "Toolbar1", the tree
// "treeview1" with its current node kept by the names on its path, the
// highlighted node being the current one however it was reached (a click,
// the keys, a command), each key's keyboard keys and a menu of the keys
// (the menu key, Shift+F10 or a right click), the export and import
// of the exchange file, the save of the database however the browser
// closes, and each opening, the first or a later one, showing the browser
// as a newly made one. A browser adds its own commands and what its tree
// holds.
class LibraryBrowser : public QDialog {
    Q_OBJECT
public:
    // Shows the browser modally; the database has been saved when it
    // returns. A browser shown before is first made ready again as at its
    // making (PrepareOpening).
    void ShowModal();
    ~LibraryBrowser() override;
    void done(int result) override;
    // Fills the tree whole from the database as it stands; the current node
    // is found again by its path.
    void FillTree();

protected:
    enum class Sorting {
        Fixed,  // manufacturer and model
        // "Sort By Manufacturer" or "Sort By Type" (`SortBy_0`, `SortBy_1`).
        ByManufacturerOrType,
    };
    LibraryBrowser(UserPrompts& prompts, LibraryBrowserTexts texts, Sorting sorting, QWidget* parent);

    // What every opening does, so that a browser opened again looks and
    // behaves as a newly made one: the clipboard emptied, "Sort By
    // Manufacturer", nothing current, the tree as the database stands,
    // collapsed and from its top, the keys as RefreshToolbar sets them, the
    // opening size and the focus in the tree. A browser's constructor ends
    // with it.
    void PrepareOpening();
    // The size a browser opens at; 640 by 480 unless a browser sets another
    // before PrepareOpening.
    void SetOpeningSize(QSize size) { openingSize_ = size; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;

    // Highlights the current node, which is none once it has left the tree,
    // and enables the keys for it.
    virtual void RefreshToolbar();
    // A paste is offered only after a copy or cut made in this opening.
    virtual void EmptyClipboard() = 0;
    // Replaces every node with those of the database in the current arrangement.
    virtual void BuildTree() = 0;
    // What the tree is filled from (TreeNames.h), in the current arrangement.
    virtual std::string TreeNames() const = 0;
    virtual int EntryCount() const = 0;
    // The entries EXPORTALL writes, counted from what the database holds
    // once they can be written; by default those listed.
    virtual int ExportAllCount() { return EntryCount(); }
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

    // Writes the entries of these database indexes to the chosen file,
    // unless there are none or the browser finds nothing in them to export.
    void Export(const std::vector<int>& indices);
    // Whether these entries give an export file anything; when they do not,
    // the browser has told the user, and no file is asked for or written.
    virtual bool AnythingToExport(const std::vector<int>& /*indices*/) { return true; }
    // Throws FileError when the file cannot be written.
    virtual void WriteExportFile(const std::vector<int>& indices, const std::filesystem::path& target) = 0;
    // Throws FileError when the file cannot be read.
    virtual ImportEnd ReadImportFile(const std::filesystem::path& source) = 0;
    // After an import: whether a file was chosen and whether it was read whole.
    virtual void Imported(bool chosen, bool complete) = 0;

    UserPrompts& Prompts() const { return prompts_; }
    QAction* Key(BrowserKey key) const;
    QTreeWidget& Tree() const { return *treeview1; }
    LibraryTree::Arrangement Arrangement() const;
    bool IsModel(const QTreeWidgetItem& node) const;
    std::vector<LibraryTree::Names> NamesOfModels(const std::vector<QTreeWidgetItem*>& models) const;

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
    void AddKey(BrowserKey key, const KeyTip& tip, void (LibraryBrowser::*command)(), const char* picture = nullptr);
    void RunCommand(void (LibraryBrowser::*command)());
    // The highlight moved: its node becomes current, as after a click.
    void HighlightMoved();
    // A double click on a model node edits it.
    void EditModel(QTreeWidgetItem* node);
    // The keys' commands, as enabled as the keys, at that place on the screen.
    void ShowCommandMenu(const QPoint& place);
    QTreeWidgetItem* LastShownNode() const;
    // Below the current node when it is in view, else the tree's top left.
    QPoint CurrentNodeMenuPlace() const;
    // Shows the current node highlighted and nothing else, so what the user
    // sees is what the commands act on.
    void HighlightCurrentNode();
    void AddSortOptions(class QVBoxLayout& layout);
    // Any change to the tree's nodes but a whole fill: the tree is no longer
    // known to be what a fill would make.
    void WatchTreeChanges();
    // Builds the tree from the database unless it was filled whole from
    // these names and changed in no other way since.
    void FillTreeUnlessShown(std::string names);
    // The view as a fill leaves it, shown from the top left.
    void ShowTreeFromTop();

    UserPrompts& prompts_;
    LibraryBrowserTexts texts_;
    // Wide enough for every key, pictured or not.
    QSize openingSize_{640, 480};
    // Whether the browser has been shown since PrepareOpening.
    bool shownSincePrepared_ = false;
    // What the tree was last filled whole from; none while nothing is known.
    std::optional<std::string> treeNames_;
    // The tree's own changes while it is filled whole.
    bool filling_ = false;
    QStringList currentPath_;
    std::array<QRadioButton*, 2> SortBy{};
    QToolBar* Toolbar1;
    QTreeWidget* treeview1;
};
