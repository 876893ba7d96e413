#include "ModelBuilders.h"
#include "model/ApplicationState.h"
#include "platform/RecordFile.h"
#include "support/FileSizeLimit.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;

// A save that runs out of disk space while it writes the new database fails,
// keeps the old file, and takes its half-written ".TMP" with it: left behind,
// that file would hold the very space the user needs to try again.
TEST(SaveDatabaseFile, ASaveThatFillsTheDiskKeepsTheOldFileAndLeavesNoTemporary)
{
    struct Database {
        std::string name;
        std::function<void(ApplicationState&, const std::string&)> add;
        std::function<void(ApplicationState&)> save;
    };
    const Database databases[] = {
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
    for (const Database& database : databases) {
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
