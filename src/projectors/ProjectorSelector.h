#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>
#include <vector>

class ApplicationState;
enum class ImportEnd;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

// The browser of the projector database: a tree of manufacturers and their
// models, and the commands that create, edit, copy, cut, paste, delete,
// export and import definitions. The database is written to disk when the
// browser closes, however it is closed.
class ProjectorSelector : public QDialog {
    Q_OBJECT
public:
    explicit ProjectorSelector(ApplicationState& state, QWidget* parent = nullptr);

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The button shows the picture of its key, or of `picture` when one is given.
    void AddKey(const char* key, const char* tooltip, void (ProjectorSelector::*command)(),
                const char* picture = nullptr);
    void RunCommand(void (ProjectorSelector::*command)());
    void RefreshToolbar();

    void BuildTree();
    // Adds the nodes of definitions not yet in the tree.
    void RefreshTree();
    // The node of the definition of these names, trimmed; nullptr when there is none.
    QTreeWidgetItem* FindModel(const std::string& manufacturer, const std::string& model) const;
    // The current node is kept by its path, so a rebuilt tree finds it again.
    QTreeWidgetItem* CurrentNode() const;
    void MakeCurrent(QTreeWidgetItem* node);
    int CurrentProjectorIndex() const;
    int ProjectorIndexOf(const QTreeWidgetItem& node) const;
    void SelectProjectorNode(const std::string& manufacturer, const std::string& model);
    void RemoveProjector(int index);
    bool AskSure(const QString& verb);

    void NewKey();
    void CopyKey();
    void CutKey();
    void PasteKey();
    void DeleteKey();
    void EditKey();
    void ExportKey();
    void ExportAllKey();
    void ImportKey();

    void Export(const std::vector<int>& indices);
    // Reads the file's definitions into the database; lastHadNames tells
    // whether the last record read had both names. Throws FileError.
    ImportEnd ImportFile(const std::filesystem::path& path, bool& lastHadNames);
    // Settles the record in the buffer; false when it had a blank name.
    bool ImportRecord();

    ApplicationState& state_;
    QStringList currentPath_;
    QToolBar* Toolbar1;
    QTreeWidget* treeview1;
};

// Shows the browser modally; the database has been saved when it returns.
void ShowProjectorSelector(ApplicationState& state, QWidget* parent);
