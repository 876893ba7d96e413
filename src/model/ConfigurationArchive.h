#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

class ApplicationState;

// State of the configuration archive module.
struct ConfigurationArchiveState {
    // Where archive members pass through: "temp" in the program folder.
    std::filesystem::path ConfigTempFolder;
};

// A configuration archive (".tvl", ".tvd") is a ZIP of "Notes.txt",
// "Config.tmp" and a copy of each IR and RS232 library the configuration
// uses, "IR000.IRT" and "RS000.RST" onwards.

// Sets ConfigTempFolder and leaves it an existing, empty folder: whatever
// it held goes, folders included, so that nothing left there stands in the
// way of a member. Links are never followed: a "temp" that is no folder (a
// link, even to a folder, or a file) is removed as itself and the folder
// made anew. Throws FileError on an entry it cannot delete.
void PrepareTempFolder(ApplicationState& state);
// Deletes the temp folder with everything in it, when it exists; a "temp"
// that is no folder is removed as itself. Throws FileError.
void DeleteTempFolder(ApplicationState& state);

// Saves the configuration and its libraries to the archive at path. The
// file there is replaced only once the new archive is complete and on the
// disk, and then kept as the backup beside it ("x.tvl" as "x.BAK", a name
// without a three-character extension with ".BAK" added). A path that is a
// symbolic link stays one: the file it leads to is replaced, and its backup
// made beside that file. A failure shows
// "Failed to save file!" with the path and the cause and returns false,
// leaving the old file where it was and no file of the save's own. The temp
// folder is removed afterwards, whatever the result.
bool SaveConfigurationFile(ApplicationState& state, const std::filesystem::path& path);

// Reads the archive's configuration into the record and merges its
// libraries into the databases (in memory; differing ones go through the
// reconciliation step). False, with nothing changed, when the archive is
// missing, cannot be extracted, the temp folder included, or holds no whole
// "Config.tmp". No message: the caller reports the failure once, naming the
// archive. An archive that holds more members or more bytes than a
// configuration can (ConfigurationArchiveLimits) cannot be extracted; only
// "Config.tmp" and the library members are, and the temp folder is removed
// afterwards, whatever the result.
bool LoadConfigurationFile(ApplicationState& state, const std::filesystem::path& path);
// The same, with why the archive did not open in `cause`, as a user reads it
// after the archive's path: a file it names is another one.
bool LoadConfigurationFile(ApplicationState& state, const std::filesystem::path& path, std::string& cause);

// The library members, written into the temp folder.
void WriteIRLibraryFiles(ApplicationState& state);
void WriteRS232LibraryFiles(ApplicationState& state);

// The last component of the path ('\' or '/' separated) without its last
// four characters, the extension: "Defaults\Hall1.tvd" gives "Hall1".
std::string BaseNameFromPath(std::string_view path);
