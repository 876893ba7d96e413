#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>
#include <optional>
#include <vector>

class ApplicationState;
class QAction;
class QPlainTextEdit;
class QTreeWidget;
class QTreeWidgetItem;

// Manages the default configurations, the ".tvd" archives in the program
// folder's "Defaults": lists them with a preview of their notes, saves the
// configuration being edited as a new default, copies a default out as an
// ordinary configuration file, deletes, imports and exports defaults.
class DefaultEditForm : public QDialog {
    Q_OBJECT
public:
    explicit DefaultEditForm(ApplicationState& state, QWidget* parent = nullptr);

private:
    void FillDefaultList();
    void UpdateToolbarButtons();
    void ShowDefaultNotes(const std::filesystem::path& path);
    void NodeClicked(QTreeWidgetItem* node);
    // Runs a key's action, then refills the list, keeping the selection on
    // the same file when it is still there.
    void RunKey(void (DefaultEditForm::*action)());

    void SaveKey();
    void SaveAsKey();
    void DeleteKey();
    void ImportKey();
    void ExportKey();

    std::filesystem::path DefaultsFolder() const;
    std::filesystem::path SelectedPath() const;
    // False, after telling the user, when the copy failed.
    bool CopyFile(const std::filesystem::path& from, const std::filesystem::path& to);
    void Warn(const QString& text);

    ApplicationState& state_;
    std::vector<QString> DefaultFileNames;
    // The selected default by its file name, so a refill never moves the
    // selection onto another file.
    std::optional<QString> selectedFile_;
    QString DocumentsFolder;

    QTreeWidget* treeview1;
    QPlainTextEdit* DefaultNotes;
    QAction* saveAsKey_;
    QAction* deleteKey_;
    QAction* exportKey_;
};

// Opens the default file editor modally.
void ShowDefaultEditForm(ApplicationState& state, QWidget* parent);
