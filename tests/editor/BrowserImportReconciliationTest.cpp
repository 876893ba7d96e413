// A browser's import file carrying libraries that differ from the database's,
// settled through the dialogs installed at start-up: one dialog per
// differing library, in the file's order, each choice acting on its own
// library only.
#include "infrared/IRExchangeFile.h"
#include "model/ApplicationState.h"
#include "reconcile/DialogReconciliation.h"
#include "rs232/RS232ExchangeFile.h"
#include "support/ModalDialogs.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QLabel>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct IRLibrarySketch {
    const char* manufacturer;
    const char* model;
    uint8_t firstByte;
};

void AddIRLibrary(ApplicationState& state, const IRLibrarySketch& sketch)
{
    IRclass& library = state.IR.AddIRLibrary();
    library.Manufacturer(sketch.manufacturer);
    library.IRtype("TV");
    library.Model(sketch.model);
    IRCommandClass& command = library.AddIRCommand();
    command.Name("POWER");
    command.Data(IRPart::Start, 0, sketch.firstByte);
}

void AddRS232Library(ApplicationState& state, const char* manufacturer, const char* firstCommand)
{
    state.RS232Libraries.AddRS232Library();
    RS232FileBlockClass& library =
        state.RS232Libraries.RS232Database()[state.RS232Libraries.RS232Database().LastIndex()];
    library.Manufacturer(manufacturer);
    library.MyType("PROJECTOR");
    library.Model("P1");
    library.Command(0, "ON");
    RS232_String_Class& message = library.My_RS232_String_Class(0);
    message.NumberOfBytes(1);
    message.ContentBytes(0, static_cast<uint8_t>(firstCommand[0]));
    message.ContentTypes(0, ContentAscii);
}

// Answers the next import dialogs with the options in turn, noting whose
// library each one showed.
void AnswerInTurn(std::vector<std::string>& shown, const std::vector<const char*>& options)
{
    if (options.empty()) return;
    WhenModalOpens([&shown, options](QWidget* dialog) {
        shown.push_back(Named<QLabel>(*dialog, "Label1")->text().toStdString());
        AnswerInTurn(shown, {options.begin() + 1, options.end()});
        Named<QRadioButton>(*dialog, options.front())->click();
    });
}

class BrowserImportReconciliation : public ::testing::Test {
protected:
    BrowserImportReconciliation()
    {
        state.Installed.Install<LibraryReconciliation>(std::make_unique<DialogReconciliation>());
    }

    TempProgramFolder folder;
    TempProgramFolder exportFolder;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
    ApplicationState exporter{exportFolder.path(), prompts};
};

}  // namespace

TEST_F(BrowserImportReconciliation, TwoDifferingIRLibrariesOpenTwoDialogsInTheFilesOrder)
{
    AddIRLibrary(state, {"ACME", "T1", 10});
    AddIRLibrary(state, {"BETA", "B1", 20});
    state.IR.SaveIRDatabase();
    AddIRLibrary(exporter, {"BETA", "B1", 21});
    AddIRLibrary(exporter, {"NEW", "N1", 30});
    AddIRLibrary(exporter, {"ACME", "T1", 11});
    const auto file = exportFolder / "three.BRI";
    WriteIRExchangeFile(exporter.IR, {0, 1, 2}, file);

    std::vector<std::string> shown;
    AnswerInTurn(shown, {"Option1_1", "Option1_0"});  // BETA replaced, ACME kept
    ImportIRExchangeFile(state, file);
    EXPECT_EQ(shown, (std::vector<std::string>{"BETA", "ACME"}));

    const auto firstByte = [this](const char* manufacturer, const char* model) {
        std::string wanted[] = {manufacturer, "TV", model};
        const int index = state.IR.FindIRLibrary(wanted[0], wanted[1], wanted[2]);
        return index < 0 ? -1 : state.IR.IRDatabase()[index].CommandAt(0)->Data(IRPart::Start, 0);
    };
    EXPECT_EQ(firstByte("NEW", "N1"), 30) << "a library of new names joins without a question";
    EXPECT_EQ(state.IR.IRDatabase().Count(), 3);
    // The replace saved the database; the rest waits for the browser's save.
    state.IR.LoadIRDatabase();
    EXPECT_EQ(firstByte("ACME", "T1"), 10) << "kept";
    EXPECT_EQ(firstByte("BETA", "B1"), 21) << "replaced and saved";
    EXPECT_EQ(state.IR.IRDatabase().Count(), 2);
}

TEST_F(BrowserImportReconciliation, ADifferingRS232LibraryIsReplacedOnlyWhenTheUserSaysSo)
{
    AddRS232Library(state, "ACME", "A");
    state.RS232Libraries.SaveRS232Database();
    AddRS232Library(exporter, "ACME", "B");
    const auto file = exportFolder / "one.BRS";
    WriteRS232ExchangeFile(exporter.RS232Libraries, {0}, file);

    std::vector<std::string> shown;
    AnswerInTurn(shown, {"Option1_0"});
    EXPECT_EQ(ImportRS232ExchangeFile(state, file), ImportEnd::Complete);
    state.RS232Libraries.LoadRS232Database();
    EXPECT_EQ(state.RS232Libraries.RS232Database()[0].My_RS232_String_Class(0).ContentBytes(0), 'A') << "kept";
    AnswerInTurn(shown, {"Option1_1"});
    ImportRS232ExchangeFile(state, file);
    EXPECT_EQ(shown, (std::vector<std::string>{"ACME", "ACME"}));

    state.RS232Libraries.LoadRS232Database();
    ASSERT_EQ(state.RS232Libraries.RS232Database().Count(), 1);
    EXPECT_EQ(state.RS232Libraries.RS232Database()[0].My_RS232_String_Class(0).ContentBytes(0), 'B');
}
