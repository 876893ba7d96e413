#pragma once

#include "controls/LibraryBrowser.h"

#include <string>
#include <vector>

class ApplicationState;

// The browser of the RS232 database: a three-level tree of the libraries,
// sorted by manufacturer or by type, each name trimmed and upper-cased, and
// the commands that create, edit, copy, cut, paste, delete, export and
// import them.
class RS232Selector final : public LibraryBrowser {
    Q_OBJECT
public:
    explicit RS232Selector(ApplicationState& state, QWidget* parent = nullptr);

    // The IMPORT command.
    void ImportRS232Library() { ImportKey(); }

private:
    void EmptyClipboard() override;
    void BuildTree() override;
    std::string TreeNames() const override;
    // Also shows the current node.
    void RefreshToolbar() override;
    void SaveDatabase() override;
    int LibraryIndexOf(const QTreeWidgetItem& node) const;
    // The first library with each of these names, -1 where none has them.
    std::vector<int> LibraryIndexesOf(const std::vector<LibraryTree::Names>& names) const;
    int EntryCount() const override;
    // All three names are needed.
    bool ClipboardHolds() const override;

    void NewKey() override;
    void EditKey() override;
    // The database indexes of the libraries the current leaf names, in order.
    std::vector<int> CurrentLibraryIndexes() const;
    void CopyKey() override;
    void CutKey() override;
    void DeleteKey() override;
    bool AskSure(const QString& verb, int index);
    void RemoveCurrentLibrary(int index);
    void RemoveLibrary(int index);
    void PasteKey() override;

    void ExportKey() override;
    void WriteExportFile(const std::vector<int>& indices, const std::filesystem::path& target) override;
    ImportEnd ReadImportFile(const std::filesystem::path& source) override;
    void Imported(bool chosen, bool complete) override;

    ApplicationState& state_;
};
