#include "ModelBuilders.h"
#include "model/IRClassGlobals.h"
#include "model/SerialClassGlobals.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// A command by its name and the one byte that tells it apart.
struct Command {
    std::string name;
    uint8_t byte;
};

void FillIRLibrary(IRclass& library, const std::vector<Command>& commands)
{
    library.Clear();
    library.Manufacturer("ACME");
    library.IRtype("TV");
    library.Model("T1");
    for (const Command& c : commands) {
        IRCommandClass& command = library.AddIRCommand();
        command.Name(c.name);
        command.Data(IRPart::Start, 0, c.byte);
    }
}

void FillRS232Library(RS232FileBlockClass& library, const std::vector<Command>& commands)
{
    library.Manufacturer("ACME");
    library.MyType("TV");
    library.Model("T1");
    for (std::size_t i = 0; i < commands.size(); ++i) {
        library.Command(static_cast<int>(i), commands[i].name);
        ModelBuilders::SetMessage(library.My_RS232_String_Class(static_cast<int>(i)),
                                  std::string(1, static_cast<char>(commands[i].byte)));
    }
}

}  // namespace

// Commands pair by name, the n-th of a name with the n-th of that name in
// the other library; their order otherwise does not matter.
TEST(LibraryMatch, CommandsOfOneNamePairInTurn)
{
    struct Case {
        std::vector<Command> database;
        std::vector<Command> archive;
        bool matches;
    };
    const Case cases[] = {
        {{{"POWER", 11}, {"POWER", 22}}, {{"POWER", 11}, {"POWER", 22}}, true},
        {{{"POWER", 11}, {"POWER", 22}}, {{"POWER", 11}, {"POWER", 11}}, false},
        {{{"POWER", 11}, {"POWER", 11}}, {{"POWER", 11}, {"POWER", 22}}, false},
        {{{"POWER", 11}, {"POWER", 22}}, {{"POWER", 22}, {"POWER", 11}}, false},
        {{{"POWER", 11}, {"VOLUME", 5}, {"POWER", 22}}, {{"VOLUME", 5}, {"POWER", 11}, {"POWER", 22}}, true},
        {{{"POWER", 11}, {"VOLUME", 5}}, {{"POWER", 11}, {"POWER", 11}}, false},
    };
    TempProgramFolder folder;
    ScriptedPrompts prompts;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];

        IRClassGlobals ir(folder.path(), prompts);
        FillIRLibrary(ir.AddIRLibrary(), c.archive);
        ir.IRLibraryToRecord(0);
        FillIRLibrary(ir.IRDatabase()[0], c.database);
        EXPECT_EQ(ir.IRRecordMatchesLibrary(0), c.matches) << "IR case " << i;

        SerialClassGlobals rs232(folder.path(), prompts);
        rs232.AddRS232Library();
        FillRS232Library(rs232.RS232Database()[0], c.archive);
        rs232.RS232LibraryToRecord(0);
        FillRS232Library(rs232.RS232Database()[0], c.database);
        EXPECT_EQ(rs232.RS232RecordMatchesLibrary(0), c.matches) << "RS232 case " << i;
    }
}
