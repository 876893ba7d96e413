#pragma once

#include "controls/LibraryBrowser.h"

#include <string>

class ApplicationState;

// The browser of the projector database: a tree of manufacturers and their
// models, and the commands that create, edit, copy, cut, paste, delete,
// export and import definitions.
class ProjectorSelector final : public LibraryBrowser {
    Q_OBJECT
public:
    explicit ProjectorSelector(ApplicationState& state, QWidget* parent = nullptr);

private:
    void EmptyClipboard() override;
    void BuildTree() override;
    std::string TreeNames() const override;
    // Adds the nodes of definitions not yet in the tree.
    void RefreshTree();
    int EntryCount() const override;
    bool ClipboardHolds() const override;
    void SaveDatabase() override;

    int CurrentProjectorIndex() const;
    int ProjectorIndexOf(const QTreeWidgetItem& node) const;
    // The first definition with each of these names, -1 where none has them.
    std::vector<int> ProjectorIndexesOf(const std::vector<LibraryTree::Names>& names) const;
    void SelectProjectorNode(const std::string& manufacturer, const std::string& model);

    void NewKey() override;
    void EditKey() override;
    void CopyKey() override;
    void CutKey() override;
    bool AskSure(const QString& verb);
    void DeleteKey() override;
    void RemoveProjector(int index);
    void PasteKey() override;
    bool ModelNodeExists(const std::string& manufacturer, const std::string& model) const;

    void ExportKey() override;
    void WriteExportFile(const std::vector<int>& indices, const std::filesystem::path& target) override;
    ImportEnd ReadImportFile(const std::filesystem::path& source) override;
    // Settles the record in the buffer; false when it had a blank name.
    bool ImportRecord();
    void Imported(bool chosen, bool complete) override;

    ApplicationState& state_;
    // Whether the last record an import read had both names.
    bool lastHadNames_ = false;
};
