#pragma once

#include "controls/LibraryBrowser.h"

#include <string>

class ApplicationState;

// The browser of the IR database: a tree of manufacturers, types and models
// and the commands that create, edit, copy, paste, delete, export and import
// libraries.
class IRSelector final : public LibraryBrowser {
    Q_OBJECT
public:
    explicit IRSelector(ApplicationState& state, QWidget* parent = nullptr);

    void ImportIRLibrary() { ImportKey(); }

private:
    // A tree made from names whose libraries were dropped since (their
    // commands could not be read) is made again first: the tree shows what
    // the database holds.
    void RefreshToolbar() override;
    void EmptyClipboard() override;
    void BuildTree() override;
    std::string TreeNames() const override;
    // The database index of the library of a model node, or -1; the
    // library has its commands.
    int LibraryIndexOf(const QTreeWidgetItem& node) const;
    // The first library with each of these names, -1 where none has them.
    std::vector<int> LibraryIndexesOf(const std::vector<LibraryTree::Names>& names) const;
    int EntryCount() const override;
    int ExportAllCount() override;
    // Any of the clipboard's names is enough.
    bool ClipboardHolds() const override;
    void SaveDatabase() override;

    void NewKey() override;
    void EditKey() override;
    void CopyKey() override;
    void CutKey() override;
    void PasteKey() override;
    void DeleteKey() override;
    void RemoveNode(QTreeWidgetItem* node);
    void RemoveLibrary(int index);

    void ExportKey() override;
    // A library without commands is left out of the file: libraries that
    // all lack them would leave a file with nothing to import.
    bool AnythingToExport(const std::vector<int>& indices) override;
    void WriteExportFile(const std::vector<int>& indices, const std::filesystem::path& target) override;
    ImportEnd ReadImportFile(const std::filesystem::path& source) override;
    void Imported(bool chosen, bool complete) override;

    ApplicationState& state_;
    // IRClassGlobals::ListingsDropped when the tree was last built.
    int treeListing_ = 0;
};
