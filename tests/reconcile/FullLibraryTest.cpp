#include "ReconcileFixture.h"
#include "reconcile/IRConfigurationLibrary.h"
#include "reconcile/IRReplace2Form.h"
#include "reconcile/LibraryReplaceForm.h"
#include "reconcile/RS232ConfigurationLibrary.h"
#include "reconcile/RS232Replace2Form.h"
#include "support/FullDatabases.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

// The database's ACME / TV / T1 holds as many commands as a file can count,
// K0 among them; the arriving copy holds K0 with other data and two commands
// the database's lacks.
IRclass& FullIRLibrary(ApplicationState& state)
{
    IRclass& stored = AddIRLibrary(state, "ACME", "TV", "T1", {});
    for (int c = 0; c < IRclass::MaximumCommands; ++c) FillIRCommand(stored.AddIRCommand(), "K" + std::to_string(c), c);
    return stored;
}

void PrepareIR(ApplicationState& state)
{
    FullIRLibrary(state);
    AddIRLibrary(state, "ACME", "TV", "T1", {"K0:300", "NEWA:1", "NEWB:2"});
    state.IR.IRLibraryToRecord(1);
    state.IR.IRDatabase().Remove(1);
}

// The same for RS232: every slot of the database's ACME / PROJECTOR / PJ1 is
// named, C0 among them.
RS232FileBlockClass& FullRS232Library(ApplicationState& state)
{
    RS232FileBlockClass& stored = AddRS232Library(state, "ACME", "PROJECTOR", "PJ1", {});
    for (int c = 0; c < RS232FileBlockClass::Commands; ++c) {
        stored.Command(c, "C" + std::to_string(c));
        stored.My_RS232_String_Class(c).NumberOfBytes(1);
        stored.My_RS232_String_Class(c).ContentBytes(0, static_cast<uint8_t>('a' + c));
    }
    return stored;
}

void PrepareRS232(ApplicationState& state)
{
    FullRS232Library(state);
    AddRS232Library(state, "ACME", "PROJECTOR", "PJ1", {"C0:zz", "NEWA:b", "NEWB:c"});
    state.RS232Libraries.RS232LibraryToRecord(1);
    state.RS232Libraries.RS232Database().Remove(1);
}

using Open = std::function<std::unique_ptr<QDialog>(ApplicationState&)>;

struct FullLibraryCase {
    const char* label;
    std::function<void(ApplicationState&)> prepare;
    Open open;
    QString message;
    std::function<std::vector<std::string>(const std::filesystem::path&)> saved;
    std::vector<std::string> expected;
};

}  // namespace

TEST_F(ReconcileTest, CommandsAFullLibraryHasNoRoomForAreNamedInOneMessageAndTheRestIsMovedAndSaved)
{
    const std::vector<std::string> ir = DescribedIRLibraries(
        [](ApplicationState& reference) { FillIRCommand(*FullIRLibrary(reference).CommandAt(0), "K0", 300); });
    const std::vector<std::string> rs232 = DescribedRS232Libraries([](ApplicationState& reference) {
        RS232_String_Class& c0 = FullRS232Library(reference).My_RS232_String_Class(0);
        c0.NumberOfBytes(2);
        c0.ContentBytes(0, 'z');
        c0.ContentBytes(1, 'z');
        c0.ContentTypes(1, ContentAscii);
    });
    const QString irMessage = "Cannot add NEWA, NEWB as the library holds 255 commands already!";
    const QString rs232Message = "Cannot add NEWA, NEWB as the library holds 32 commands already!";
    const FullLibraryCase cases[] = {
        {"IR configuration", PrepareIR,
         [](ApplicationState& s) {
             return std::make_unique<LibraryReplaceForm>(s, std::make_unique<IRConfigurationLibrary>(s, 0));
         },
         irMessage, SavedIRLibraries, ir},
        {"IR import", PrepareIR, [](ApplicationState& s) { return std::make_unique<IRReplace2Form>(s); }, irMessage,
         SavedIRLibraries, ir},
        {"RS232 configuration", PrepareRS232,
         [](ApplicationState& s) {
             return std::make_unique<LibraryReplaceForm>(s, std::make_unique<RS232ConfigurationLibrary>(s, 0));
         },
         rs232Message, SavedRS232Libraries, rs232},
        {"RS232 import", PrepareRS232, [](ApplicationState& s) { return std::make_unique<RS232Replace2Form>(s); },
         rs232Message, SavedRS232Libraries, rs232},
    };
    for (const FullLibraryCase& test : cases) {
        SCOPED_TRACE(test.label);
        state = NewState();
        test.prepare(*state);
        std::unique_ptr<QDialog> dialog = test.open(*state);
        dialog->show();
        Named<QRadioButton>(*dialog, "Option1", 4)->click();
        Named<QPushButton>(*dialog, "Command2", 1)->click();
        prompts.ExpectMessage(test.message, "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
        Named<QPushButton>(*dialog, "Command2", 4)->click();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(test.saved(folder.path()), test.expected);
    }
}

// With the IR database full, "add under new names" asks for no names: it
// says so, and the dialog waits for another choice, the database and the
// arriving library's names as they were and nothing saved.
TEST_F(ReconcileTest, AFullIRDatabaseRefusesANewNameAtOnceAndTheDialogWaitsForAnotherChoice)
{
    const struct {
        const char* label;
        Open open;
    } cases[] = {
        {"IR configuration",
         [](ApplicationState& s) {
             return std::make_unique<LibraryReplaceForm>(s, std::make_unique<IRConfigurationLibrary>(s, 0));
         }},
        {"IR import", [](ApplicationState& s) { return std::make_unique<IRReplace2Form>(s); }},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.label);
        state = NewState();
        AddIRLibrary(*state, "ACME", "TV", "T1", {"ON:1"});
        AddIRLibrary(*state, "ACME", "TV", "T1", {"ON:2"});
        state->IR.IRLibraryToRecord(1);
        state->IR.IRDatabase().Remove(1);
        FillIRDatabase(state->IR, IRClassGlobals::MaximumLibraries);
        std::unique_ptr<QDialog> dialog = test.open(*state);
        dialog->show();
        QStringList asked;
        const ModalWatch watch([&asked](QWidget* names) {
            asked << names->windowTitle();
            static_cast<QDialog*>(names)->reject();
        });
        prompts.ExpectMessage("The IR data base is full!", "Sorry!", PromptButtons::Ok, PromptIcon::Exclamation);
        Named<QRadioButton>(*dialog, "Option1", 2)->click();
        EXPECT_EQ(asked, QStringList());
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(Named<QRadioButton>(*dialog, "Option1", 2)->isChecked());
        EXPECT_EQ(state->IR.IRDatabase().Count(), IRClassGlobals::MaximumLibraries);
        EXPECT_EQ(state->IR.IRHeaderRecordBuffer.Model.trimmed(), "T1");
        EXPECT_FALSE(folder.Exists("InfraRed.DEF"));
    }
}
