#include "model/ConfigurationArchive.h"

#include "model/ApplicationState.h"
#include "model/ArchiveMerge.h"
#include "model/ConfigText.h"
#include "model/ConfigurationArchiveLimits.h"
#include "platform/FolderListing.h"
#include "platform/LinkTarget.h"
#include "platform/RecordFile.h"
#include "platform/TemporaryFile.h"
#include "platform/UserPrompts.h"
#include "platform/WholeFile.h"
#include "platform/ZipArchive.h"

#include <QString>
#include <optional>

namespace fs = std::filesystem;

namespace {

constexpr const char* NotesMember = "Notes.txt";
constexpr const char* ConfigMember = "Config.tmp";

// The whole field as one line.
void WriteNotes(const fs::path& file, const FixedText<200>& notes)
{
    WriteWholeFile(file, notes.full() + "\r\n");
}

// "x.tvl" keeps its previous content in "x.BAK": "BAK" takes the place of
// an extension of three characters. Any other name is followed by ".BAK"
// ("room-2.BAK"), so that the backup stays beside the file, under a name
// that is this file's alone.
fs::path BackupPathOf(const fs::path& path)
{
    std::string name = path.filename().string();
    if (name.size() >= 4 && name[name.size() - 4] == '.') {
        name.resize(name.size() - 3);
    } else {
        name += '.';
    }
    name += "BAK";
    return path.parent_path() / name;
}

void WriteMembers(ApplicationState& state)
{
    PrepareTempFolder(state);
    const fs::path& temp = state.Archive.ConfigTempFolder;
    WriteNotes(temp / NotesMember, state.Config.Record.ConfigNotes);
    WriteConfigText(temp / ConfigMember, state.Config.Record);
    WriteIRLibraryFiles(state);
    WriteRS232LibraryFiles(state);
}

std::optional<fs::path> ConfigMemberIn(const fs::path& folder)
{
    for (const fs::path& file : OrdinaryFilesMatching(folder, ConfigMember)) return file;
    return std::nullopt;
}

// After every open and save, failed ones included. A file that cannot be
// deleted stays until the next open or save, whose preparation of the folder
// then fails and reports it.
void RemoveTempFolderAfterUse(ApplicationState& state)
{
    try {
        DeleteTempFolder(state);
    } catch (const FileError&) {
    }
}

struct TempFolderRemoval {
    ApplicationState& state;
    ~TempFolderRemoval() { RemoveTempFolderAfterUse(state); }
};

}  // namespace

// A "temp" that is a link is removed as a link: what it points to is no
// folder of ours to empty.
void PrepareTempFolder(ApplicationState& state)
{
    state.Archive.ConfigTempFolder = state.ProgramFolder / "temp";
    MakeEmptyFolder(state.Archive.ConfigTempFolder);
}

void DeleteTempFolder(ApplicationState& state)
{
    RemoveFolderWithContents(state.ProgramFolder / "temp");
}

bool SaveConfigurationFile(ApplicationState& state, const fs::path& path)
{
    std::optional<std::string> cause;
    try {
        // A link stays a link: the file it leads to takes the new archive, and
        // the archive is written beside that file, its backup too.
        const fs::path target = FollowLinks(path);
        TemporaryFile partial(PartialPathOf(target));
        WriteMembers(state);
        CompressFolder(state.Archive.ConfigTempFolder, partial.path());
        // Only a complete new archive, on the disk, replaces the file at the path.
        FlushFile(partial.path());
        ReplaceKeepingBackup(partial.path(), target, BackupPathOf(target));
        partial.Placed();
    } catch (const PathError& error) {
        cause = error.cause();
    } catch (const fs::filesystem_error& error) {
        cause = error.code().message();
    }
    RemoveTempFolderAfterUse(state);
    if (!cause) return true;
    // The user's file, whichever of ours the failure hit.
    state.Prompts().Message("Failed to save file! '" + QString::fromStdString(path.string() + ": " + *cause) + "'",
                            "Save Fail!", PromptButtons::Ok, PromptIcon::Exclamation);
    return false;
}

bool LoadConfigurationFile(ApplicationState& state, const fs::path& path)
{
    std::string cause;
    return LoadConfigurationFile(state, path, cause);
}

bool LoadConfigurationFile(ApplicationState& state, const fs::path& path, std::string& cause)
{
    // Nothing extracted outlives the open, however it ends.
    const TempFolderRemoval removal{state};
    try {
        PrepareTempFolder(state);
        std::error_code error;
        const fs::file_status status = fs::status(path, error);
        if (!fs::is_regular_file(status)) {
            if (status.type() == fs::file_type::not_found) {
                cause = std::make_error_code(std::errc::no_such_file_or_directory).message();
            } else if (fs::is_directory(status)) {
                cause = std::make_error_code(std::errc::is_a_directory).message();
            } else {
                cause = error ? error.message() : "not an ordinary file";
            }
            return false;
        }
        // Only the members the open reads; "Notes.txt" travels in "Config.tmp" too.
        ExtractMatching(path, {ConfigMember, "*.IRT", "*.RST"}, state.Archive.ConfigTempFolder,
                        ConfigurationArchiveLimits);
    } catch (const ZipError& error) {
        // The caller's message names the archive; a file made from it keeps its name.
        cause = error.file() == path ? error.cause() : error.what();
        return false;
    } catch (const FileError& error) {
        cause = error.what();  // no "temp" to extract into
        return false;
    }
    const fs::path& temp = state.Archive.ConfigTempFolder;

    // A damaged or missing "Config.tmp" leaves the configuration and the
    // databases as they were, so that no later save writes half a
    // configuration over a good archive.
    try {
        const std::optional<fs::path> configMember = ConfigMemberIn(temp);
        if (!configMember) {
            cause = "no Config.tmp in the archive";
            return false;
        }
        ReadConfigText(*configMember, state.Config.Record);
    } catch (const ConfigTextError& error) {
        cause = error.what();
        return false;
    } catch (const FileError& error) {
        cause = "Config.tmp: " + error.cause();
        return false;
    }

    MergeIRMembers(state, temp);
    MergeRS232Members(state, temp);
    return true;
}

std::string BaseNameFromPath(std::string_view path)
{
    const std::size_t separator = path.find_last_of("\\/");
    const std::string_view name = separator == std::string_view::npos ? path : path.substr(separator + 1);
    return std::string(name.substr(0, name.size() < 4 ? 0 : name.size() - 4));
}
