#include "editor/defaults/DefaultEditForm.h"

#include "controls/ToolbarIcons.h"
#include "editor/FileCommands.h"
#include "editor/defaults/DefaultNotes.h"
#include "model/ApplicationState.h"
#include "model/ConfigurationArchive.h"
#include "platform/DocumentsFolder.h"
#include "platform/FolderListing.h"
#include "platform/RecordFile.h"
#include "platform/SaveFileChoice.h"
#include "platform/UserPrompts.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace fs = std::filesystem;

namespace {

const QString DefaultFileFilter = "BRENLO Tavlo Default file (*.tvd)| *.tvd";

fs::path PathOf(const QString& text)
{
    return fs::path(text.toStdString());
}

QString TextOf(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

QString BaseName(const QString& fileName)
{
    return QString::fromStdString(BaseNameFromPath(fileName.toStdString()));
}

}  // namespace

DefaultEditForm::DefaultEditForm(ApplicationState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setWindowTitle("Default File Editor");

    auto* toolbar = new QToolBar;
    toolbar->setObjectName("Toolbar1");
    toolbar->setIconSize(QSize(24, 24));
    const auto addKey = [this, toolbar](const char* key, const char* tooltip, void (DefaultEditForm::*action)()) {
        QAction* button = toolbar->addAction(ToolbarIcon(key), key);
        button->setObjectName(key);
        button->setToolTip(tooltip);
        connect(button, &QAction::triggered, this, [this, action] { RunKey(action); });
        return button;
    };
    addKey("SAVE", "Save current configuration as a default file", &DefaultEditForm::SaveKey);
    saveAsKey_ = addKey("SAVEAS", "Save default file as normal Tavlo file (*.tvl)", &DefaultEditForm::SaveAsKey);
    deleteKey_ = addKey("DELETE", "Delete default file", &DefaultEditForm::DeleteKey);
    addKey("IMPORT", "Import default file (*.tvd)", &DefaultEditForm::ImportKey);
    exportKey_ = addKey("EXPORT", "Export default file (*.tvd)", &DefaultEditForm::ExportKey);
    QAction* exitKey = toolbar->addAction(ToolbarIcon("EXIT"), "EXIT");
    exitKey->setObjectName("EXIT");
    exitKey->setToolTip("Exit default file editor");
    connect(exitKey, &QAction::triggered, this, &QDialog::accept);

    treeview1 = new QTreeWidget;
    treeview1->setObjectName("treeview1");
    treeview1->setHeaderHidden(true);
    treeview1->setRootIsDecorated(false);
    connect(treeview1, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { NodeClicked(node); });

    auto* frame = new QGroupBox("Notes");
    frame->setObjectName("Frame1");
    DefaultNotes = new QPlainTextEdit;
    DefaultNotes->setObjectName("DefaultNotes");
    DefaultNotes->setReadOnly(true);
    auto* notesColumn = new QVBoxLayout(frame);
    notesColumn->addWidget(DefaultNotes);

    auto* row = new QHBoxLayout;
    row->addWidget(treeview1, 1);
    row->addWidget(frame, 2);
    auto* column = new QVBoxLayout(this);
    column->addWidget(toolbar);
    column->addLayout(row);
    resize(620, 360);

    FillDefaultList();
    UpdateToolbarButtons();
    const QString documents = ::DocumentsFolder();
    DocumentsFolder = !documents.isEmpty() ? documents : TextOf(state_.ProgramFolder);
}

fs::path DefaultEditForm::DefaultsFolder() const
{
    return state_.ProgramFolder / "Defaults";
}

fs::path DefaultEditForm::SelectedPath() const
{
    return DefaultsFolder() / PathOf(*selectedFile_);
}

void DefaultEditForm::FillDefaultList()
{
    treeview1->clear();
    DefaultFileNames.clear();
    std::vector<fs::path> files;
    try {
        files = OrdinaryFilesMatching(DefaultsFolder(), "*.tvd");
    } catch (const FileError&) {
        // No "Defaults" folder (or none readable): an empty list.
    }
    for (const fs::path& file : files) {
        const QString name = QString::fromStdString(file.filename().string());
        auto* node = new QTreeWidgetItem(treeview1, QStringList(BaseName(name)));
        node->setData(0, Qt::UserRole, static_cast<int>(DefaultFileNames.size()));
        DefaultFileNames.push_back(name);
        if (selectedFile_ == name) treeview1->setCurrentItem(node);
    }
    if (selectedFile_ && treeview1->currentItem() == nullptr) selectedFile_.reset();
    if (!selectedFile_) treeview1->setCurrentItem(nullptr);
}

void DefaultEditForm::UpdateToolbarButtons()
{
    const bool selected = selectedFile_.has_value();
    saveAsKey_->setEnabled(selected);
    deleteKey_->setEnabled(selected);
    exportKey_->setEnabled(selected);
}

void DefaultEditForm::NodeClicked(QTreeWidgetItem* node)
{
    const int index = node->data(0, Qt::UserRole).toInt();
    if (index < 0 || index >= static_cast<int>(DefaultFileNames.size())) return;
    selectedFile_ = DefaultFileNames[static_cast<std::size_t>(index)];
    ShowDefaultNotes(SelectedPath());
    UpdateToolbarButtons();
}

// Read in memory: a default without notes shows none, and nothing is left
// behind in the program folder.
void DefaultEditForm::ShowDefaultNotes(const fs::path& path)
{
    DefaultNotes->setPlainText(NotesOfDefault(path));
}

void DefaultEditForm::RunKey(void (DefaultEditForm::*action)())
{
    (this->*action)();
    FillDefaultList();
    UpdateToolbarButtons();
}

void DefaultEditForm::SaveKey()
{
    FileDialogRequest request;
    request.title = "Save";
    request.filter = DefaultFileFilter;
    request.initialFolder = TextOf(DefaultsFolder());
    request.promptOverwrite = true;
    // Only ".tvd" files are listed as defaults.
    request.defaultExtension = "tvd";
    const std::optional<QString> chosen = ChooseFileToSaveWithExtension(state_.Prompts(), request);
    if (!chosen) return;
    const fs::path target = PathOf(*chosen);
    // The configuration keeps its own file and its unsaved state.
    const std::string fileName = state_.Config.ConfigFileName;
    const bool changed = state_.Config.ConfigChanged;
    SaveConfigurationFile(state_, target);
    state_.Config.ConfigFileName = fileName;
    state_.Config.ConfigChanged = changed;
}

void DefaultEditForm::SaveAsKey()
{
    if (!selectedFile_) return;
    FileDialogRequest request;
    request.title = "Save As";
    request.filter = FileCommands::FileFilter;
    request.initialFolder = DocumentsFolder;
    request.initialFileName = selectedFile_->left(selectedFile_->size() - 3) + "tvl";
    request.promptOverwrite = true;
    request.defaultExtension = "tvl";
    if (const std::optional<QString> chosen = ChooseFileToSaveWithExtension(state_.Prompts(), request))
        CopyFile(SelectedPath(), PathOf(*chosen));
}

void DefaultEditForm::DeleteKey()
{
    if (!selectedFile_) return;
    const QString question = "Do you really want to delete the default file " + BaseName(*selectedFile_) + "?";
    if (state_.Prompts().Message(question, "Really Delete?", PromptButtons::YesNo, PromptIcon::None) !=
        PromptAnswer::Yes)
        return;
    std::error_code error;
    if (!fs::remove(SelectedPath(), error) || error)
        Warn("The default file " + BaseName(*selectedFile_) + " could not be deleted.");
    selectedFile_.reset();
    DefaultNotes->clear();
}

void DefaultEditForm::ImportKey()
{
    FileDialogRequest request;
    request.title = "Open";
    request.filter = DefaultFileFilter;
    request.initialFolder = DocumentsFolder;
    const std::optional<QString> chosen = state_.Prompts().ChooseFileToOpen(request);
    if (!chosen) return;
    const QString base = BaseName(*chosen);
    const fs::path target = DefaultsFolder() / PathOf(base + ".tvd");
    if (fs::exists(target) && state_.Prompts().Message("Do you wish to overwrite " + base + "?", "Overwright?",
                                                       PromptButtons::YesNo, PromptIcon::None) != PromptAnswer::Yes)
        return;
    CopyFile(PathOf(*chosen), target);
    selectedFile_.reset();
    DefaultNotes->clear();
}

void DefaultEditForm::ExportKey()
{
    if (!selectedFile_) return;
    FileDialogRequest request;
    request.title = "Save As";
    request.filter = DefaultFileFilter;
    request.initialFolder = DocumentsFolder;
    request.initialFileName = *selectedFile_;
    request.promptOverwrite = true;
    request.defaultExtension = "tvd";
    if (const std::optional<QString> chosen = ChooseFileToSaveWithExtension(state_.Prompts(), request))
        CopyFile(SelectedPath(), PathOf(*chosen));
}

bool DefaultEditForm::CopyFile(const fs::path& from, const fs::path& to)
{
    std::error_code error;
    if (fs::exists(to, error) && fs::equivalent(from, to, error)) return true;  // already there
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    if (!error) return true;
    Warn("Could not copy '" + TextOf(from) + "' to '" + TextOf(to) + "':\r\n" +
         QString::fromStdString(error.message()));
    return false;
}

void DefaultEditForm::Warn(const QString& text)
{
    state_.Prompts().Message(text, "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
}

void ShowDefaultEditForm(ApplicationState& state, QWidget* parent)
{
    DefaultEditForm form(state, parent);
    form.exec();
}
