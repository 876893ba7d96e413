#include "devicelink/PromEncode.h"
#include "model/ApplicationState.h"
#include "platform/WholeFile.h"
#include "support/FolderSnapshot.h"
#include "support/HeldLibraries.h"
#include "support/KeepingReconciliation.h"
#include "support/PropertyCheck.h"
#include "support/ScratchFolder.h"
#include "support/SilentPrompts.h"

#include <filesystem>
#include <memory>

namespace {

std::unique_ptr<ApplicationState> StateIn(const std::filesystem::path& folder, SilentPrompts& prompts)
{
    auto state = std::make_unique<ApplicationState>(folder, prompts);
    state->Installed.Install<LibraryReconciliation>(std::make_unique<KeepingReconciliation>());
    return state;
}

// Opens the archive, checking what an open must leave: "temp" empty or
// gone, and every other file and folder of the program folder (the
// databases and the archive included) as it was. The open merges new
// libraries in memory only, and the reconciliation installed here keeps
// the database's library, so no open has a reason to write anything.
bool OpenChecked(ApplicationState& state, const std::filesystem::path& archive)
{
    const FolderSnapshot before = SnapshotFolder(state.ProgramFolder, "temp");
    const bool opened = LoadConfigurationFile(state, archive);
    CheckProperty(TempFolderIsEmptyOrAbsent(state.ProgramFolder / "temp"), "an open leaves \"temp\" empty or absent");
    CheckProperty(SnapshotFolder(state.ProgramFolder, "temp") == before,
                  "an open leaves the program folder's other files as they were");
    return opened;
}

}  // namespace

// A configuration archive from another computer, opened in a program folder
// whose databases hold libraries of the seeds' names and whose "temp" a
// crashed run left a file in. Once one opens, the editor shows its messages
// and projector and may download it, so those must work on whatever the
// archive held; saved again, it reopens to the configuration it was saved
// with.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ScratchFolder folder;
    const auto path = folder.Write("Fuzz.tvl", data, size);
    std::filesystem::create_directory(folder.Path() / "temp");
    WriteWholeFile(folder.Path() / "temp" / "Config.tmp", "left by a crashed run\r\n");
    SilentPrompts prompts;
    auto state = StateIn(folder.Path(), prompts);
    const HeldLibraries held(*state);
    state->RS232Libraries.SaveRS232Database();
    state->IR.SaveIRDatabase();

    const bool opened = OpenChecked(*state, path);
    CheckProperty(held.Unchanged(*state), "an open keeps the libraries the database held");
    if (!opened) return 0;
    for (int i = 0; i < Configuration::SerialStrings - 1; ++i) state->Config.LoadSerialSlotFromConfig(i);
    state->Config.LoadProjectorFromConfig();
    auto encoder = std::make_unique<PromEncode>();
    encoder->BuildControllerImage(state->Config.Record);

    // The save leaves the library names of the configuration normalised, but
    // the archive holds the configuration as it stood.
    const auto saved = std::make_unique<ConfigurationRecord>(state->Config.Record);
    const auto copy = folder.Path() / "Saved.tvl";
    CheckProperty(SaveConfigurationFile(*state, copy), "an archive that opened saves");
    auto reopened = StateIn(folder.Path(), prompts);
    CheckProperty(OpenChecked(*reopened, copy), "a saved archive opens");
    CheckProperty(reopened->Config.Record == *saved, "a saved archive reopens to the configuration it was saved with");
    return 0;
}
