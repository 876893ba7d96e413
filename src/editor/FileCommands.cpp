#include "editor/FileCommands.h"

#include "editor/Captions.h"
#include "model/ApplicationState.h"
#include "model/CleanedName.h"
#include "model/ConfigurationArchive.h"
#include "platform/PathError.h"
#include "platform/RecordFile.h"
#include "platform/SaveFileChoice.h"
#include "platform/UserPrompts.h"

const QString FileCommands::FileFilter = "BRENLO Tavlo file (*.tvl)| *.tvl";

namespace {

std::filesystem::path PathOf(const QString& text)
{
    return std::filesystem::path(text.toStdString());
}

// A configuration saved under a name typed without an extension must still
// be one the open dialog's filter shows.
std::optional<QString> ChooseConfigurationToSave(UserPrompts& prompts, const QString& title)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = FileCommands::FileFilter;
    request.promptOverwrite = true;
    request.defaultExtension = "tvl";
    return ChooseFileToSaveWithExtension(prompts, request);
}

// A name typed as the caption shows it ("Room 12" for "Room 12.tvl").
QString ExistingConfigurationPath(const QString& path)
{
    const std::filesystem::path typed = PathOf(path);
    std::error_code error;
    if (path.isEmpty() || typed.has_extension() || std::filesystem::exists(typed, error)) return path;
    const QString withExtension = path + ".tvl";
    return std::filesystem::is_regular_file(PathOf(withExtension), error) ? withExtension : path;
}

}  // namespace

FileCommands::FileCommands(ApplicationState& state, ConfigurationView& view) : state_(state), view_(view) {}

void FileCommands::NewConfiguration()
{
    state_.Projectors.WorkProjector.Clear();
    view_.ClearIRDisplay();
    state_.Config.ClearConfiguration();
    view_.ShowConfiguration();
    state_.Config.ConfigChanged = false;
    state_.Config.ConfigFileName.clear();
}

void FileCommands::StartUntitled()
{
    NewConfiguration();
    view_.SetCaption(UntitledCaption());
}

bool FileCommands::QuerySave()
{
    if (!state_.Config.ConfigChanged) return true;
    switch (state_.Prompts().Message("Do you wish to save changes?", "Save change?", PromptButtons::YesNoCancel,
                                     PromptIcon::None)) {
    case PromptAnswer::Yes: return SaveConfiguration();
    case PromptAnswer::No: return true;
    default: return false;
    }
}

// The file name is taken only once the archive is written, so a failed
// first save leaves the configuration untitled.
bool FileCommands::SaveConfiguration()
{
    QString path = QString::fromStdString(state_.Config.ConfigFileName);
    if (path.isEmpty()) {
        const std::optional<QString> chosen = ChooseConfigurationToSave(state_.Prompts(), "Save");
        if (!chosen) return false;
        path = *chosen;
    }
    if (!SaveConfigurationFile(state_, PathOf(path))) return false;
    state_.Config.ConfigFileName = path.toStdString();
    view_.ShowConfiguration();
    state_.Config.ConfigChanged = false;
    return true;
}

bool FileCommands::OpenConfiguration(const QString& typedPath)
{
    const QString path = ExistingConfigurationPath(typedPath);
    std::string cause;
    bool loaded = false;
    try {
        loaded = LoadConfigurationFile(state_, PathOf(path), cause);
    } catch (const PathError& error) {  // a file or an archive that fails on the way
        cause = error.cause();
    }
    if (!loaded) {
        state_.Prompts().Message("Failed to open file! '" + path + ": " + QString::fromStdString(cause) + "'", "Error!",
                                 PromptButtons::Ok, PromptIcon::Exclamation);
        StartUntitled();
        return false;
    }
    state_.Config.ConfigFileName = path.toStdString();
    view_.ShowConfiguration();
    state_.Config.ConfigChanged = false;
    view_.SetCaption(FileTitle(path));
    CheckOpenedProjector();
    return true;
}

void FileCommands::CheckOpenedProjector()
{
    state_.Config.LoadProjectorFromConfig();
    // A configuration saved with no projector carries blank names: the
    // database loader would drop such a definition, so it never joins.
    const ProjectorClass& opened = state_.Config.ConfigProjector();
    if (CleanedName(opened.ManufacturerField().view()).empty() || CleanedName(opened.ModelField().view()).empty())
        return;
    ProjectorClassGlobals& projectors = state_.Projectors;
    const int index = projectors.FindConfigProjector(state_.Config.Record.ConfigProjectorBlock);
    if (index < 0) {
        // Joins the database in memory; the file is written when a projector dialog saves it.
        projectors.AddProjectorDefinition();
        projectors.ProjectorDatabase()[projectors.ProjectorDatabase().LastIndex()].CopyFromProjectorClass(
            state_.Config.ConfigProjector());
        state_.Config.StoreProjectorToConfig();
        return;
    }
    if (state_.Config.ConfigProjector().IsSameAs(projectors.ProjectorDatabase()[index])) return;
    view_.ReplaceDifferingProjector();
    state_.Config.StoreProjectorToConfig();
}

void FileCommands::CheckEditedProjector()
{
    ProjectorClassGlobals& projectors = state_.Projectors;
    projectors.WorkProjector.CopyFromProjectorClass(state_.Config.ConfigProjector());
    const int index = projectors.FindWorkProjector();
    if (index < 0 || projectors.WorkProjector.IsSameAs(projectors.ProjectorDatabase()[index])) return;
    const QString question =
        "The projector included in this configuration has been edited!\r\nDo you wish to change it to the new version?";
    if (state_.Prompts().Message(question, "Projector Changed!", PromptButtons::YesNo, PromptIcon::None) !=
        PromptAnswer::Yes)
        return;
    state_.Config.Edit(ConfigGroup::Projector, [&] {
        state_.Config.ConfigProjector().CopyFromProjectorClass(projectors.ProjectorDatabase()[index]);
        state_.Config.StoreProjectorToConfig();
    });
}

void FileCommands::NewKey()
{
    if (!QuerySave()) return;
    StartUntitled();
}

void FileCommands::OpenKey()
{
    if (!QuerySave()) return;
    FileDialogRequest request;
    request.title = "Open";
    // An archive given another extension can still be opened.
    request.filter = FileFilter + "|All files (*)|*";
    const std::optional<QString> chosen = state_.Prompts().ChooseFileToOpen(request);
    if (!chosen || chosen->isEmpty()) return;
    OpenConfiguration(*chosen);
}

void FileCommands::SaveKey()
{
    if (SaveConfiguration()) view_.SetCaption(FileTitle(QString::fromStdString(state_.Config.ConfigFileName)));
}

// A failed Save As keeps the configuration, its file name and caption.
void FileCommands::SaveAsKey()
{
    const std::optional<QString> chosen = ChooseConfigurationToSave(state_.Prompts(), "Save As");
    if (!chosen) return;
    if (!SaveConfigurationFile(state_, PathOf(*chosen))) return;
    state_.Config.ConfigFileName = chosen->toStdString();
    view_.ShowConfiguration();
    state_.Config.ConfigChanged = false;
    view_.SetCaption(FileTitle(*chosen));
}
