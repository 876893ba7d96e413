#include "ModelBuilders.h"
#include "model/ApplicationState.h"
#include "platform/RecordFile.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

namespace {

struct Database {
    std::string name;
    std::function<void(ApplicationState&, const std::string&)> add;
    std::function<void(ApplicationState&)> save;
};

std::vector<Database> Databases()
{
    return {
        {"RS232Serials",
         [](ApplicationState& state, const std::string& maker) {
             SerialClassGlobals& rs232 = state.RS232Libraries;
             rs232.AddRS232Library();
             ModelBuilders::FillLibrary(rs232.RS232Database()[rs232.RS232Database().LastIndex()], maker);
         },
         [](ApplicationState& state) { state.RS232Libraries.SaveRS232Database(); }},
        {"Projectors",
         [](ApplicationState& state, const std::string& maker) {
             ProjectorClassGlobals& projectors = state.Projectors;
             projectors.AddProjectorDefinition();
             ModelBuilders::FillProjector(projectors.ProjectorDatabase()[projectors.ProjectorDatabase().LastIndex()],
                                          maker);
         },
         [](ApplicationState& state) { state.Projectors.SaveProjectorDatabase(); }},
        {"InfraRed",
         [](ApplicationState& state, const std::string& maker) {
             IRclass& library = state.IR.AddIRLibrary();
             library.Manufacturer(maker);
             library.IRtype("TV");
             library.Model("M1");
             library.AddIRCommand().Name("ON");
         },
         [](ApplicationState& state) { state.IR.SaveIRDatabase(); }},
    };
}

}  // namespace

// A save that runs out of disk space while it writes the new database fails,
// keeps the old file, and takes its half-written ".TMP" with it: left behind,
// that file would hold the very space the user needs to try again.
TEST(SaveDatabaseFile, ASaveThatFillsTheDiskKeepsTheOldFileAndLeavesNoTemporary)
{
    for (const Database& database : Databases()) {
        TempProgramFolder folder;
        ScriptedPrompts prompts;
        ApplicationState state(folder.path(), prompts);
        database.add(state, "MAKER 0");
        database.save(state);
        const std::string saved = folder.ReadBytes(database.name + ".DEF");
        for (int i = 1; i < 100; ++i) database.add(state, "MAKER " + std::to_string(i));
        {
            const FileSizeLimitWhileInScope full(saved.size() * 10);
            EXPECT_THROW(database.save(state), FileError) << database.name;
        }
        EXPECT_EQ(folder.ReadBytes(database.name + ".DEF"), saved) << database.name;
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            files.push_back(entry.path().filename());
        EXPECT_THAT(files, ElementsAre(database.name + ".DEF")) << database.name;
    }
}

// A link planted at the ".TMP" is removed as itself, never written through:
// the file it leads to keeps its content and the ".DEF" is a file of its own.
// A save that fails names the ".DEF" and the cause, not the ".TMP".
TEST(SaveDatabaseFile, TheTemporaryFileIsNeverALinkAndAFailureNamesTheDatabaseFile)
{
    namespace fs = std::filesystem;
    for (const Database& database : Databases()) {
        TempProgramFolder folder;
        ScriptedPrompts prompts;
        ApplicationState state(folder.path(), prompts);
        folder.WriteBytes("outside.txt", "kept");
        fs::create_symlink(folder / "outside.txt", folder / (database.name + ".TMP"));
        database.add(state, "MAKER");
        database.save(state);
        EXPECT_EQ(folder.ReadBytes("outside.txt"), "kept") << database.name;
        EXPECT_EQ(fs::symlink_status(folder / (database.name + ".DEF")).type(), fs::file_type::regular)
            << database.name;
        EXPECT_FALSE(fs::exists(fs::symlink_status(folder / (database.name + ".TMP")))) << database.name;

        fs::create_directories(folder / (database.name + ".TMP") / "in the way");
        try {
            database.save(state);
            ADD_FAILURE() << database.name << " saved past a folder in the way";
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()),
                      (folder / (database.name + ".DEF")).string() + ": " + std::strerror(ENOTEMPTY));
        }
    }
}
