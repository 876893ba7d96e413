#include "ReconcileFixture.h"
#include "reconcile/IRConfigurationLibrary.h"
#include "reconcile/IRReplace2Form.h"
#include "reconcile/LibraryReplaceForm.h"
#include "reconcile/RS232ConfigurationLibrary.h"
#include "reconcile/RS232Replace2Form.h"
#include "support/WindowFit.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

using WindowFit = ReconcileTest;

// The database's ACME / TV / T1 holds 200 commands; the arriving library
// has the first 100 of them with other data and 100 the database lacks, one
// of which the configuration uses.
void PrepareIR(ApplicationState& state)
{
    InputIRRecord& input = state.Config.Record.InputIRRecords[0];
    input.DeviceSelected = true;
    input.Manufacturer = "ACME";
    input.IRtype = "TV";
    input.Model = "T1";
    input.SelectCommandNames[0] = "NEW150";
    input.SelectAssigned[0] = true;
    IRclass& stored = AddIRLibrary(state, "ACME", "TV", "T1", {});
    IRclass& arriving = AddIRLibrary(state, "ACME", "TV", "T1", {});
    for (int c = 0; c < 200; ++c) {
        FillIRCommand(stored.AddIRCommand(), "K" + std::to_string(c), c);
        FillIRCommand(arriving.AddIRCommand(), (c < 100 ? "K" : "NEW") + std::to_string(c), c + 1);
    }
    state.IR.IRLibraryToRecord(1);
    state.IR.IRDatabase().Remove(1);
}

// The same for RS232, in every one of its 32 slots.
void PrepareRS232(ApplicationState& state)
{
    RS232FileBlockClass& stored = AddRS232Library(state, "ACME", "PROJECTOR", "PJ1", {});
    RS232FileBlockClass& arriving = AddRS232Library(state, "ACME", "PROJECTOR", "PJ1", {});
    for (int c = 0; c < RS232FileBlockClass::Commands; ++c) {
        for (RS232FileBlockClass* library : {&stored, &arriving}) {
            const bool other = library == &arriving;
            library->Command(c, (other && c >= 16 ? "NEW" : "C") + std::to_string(c));
            library->My_RS232_String_Class(c).NumberOfBytes(1);
            library->My_RS232_String_Class(c).ContentBytes(0, static_cast<uint8_t>('a' + c + other));
        }
    }
    state.RS232Libraries.RS232LibraryToRecord(1);
    state.RS232Libraries.RS232Database().Remove(1);
}

WindowView Click(const char* what, const QString& button)
{
    return {what, [button](QWidget& window) { Named<QAbstractButton>(window, button)->click(); }};
}

struct ReconciliationCase {
    const char* name;
    std::function<void(ApplicationState&)> prepare;
    std::function<std::unique_ptr<QDialog>(ApplicationState&)> open;
    std::vector<WindowView> views;
};

}  // namespace

TEST_F(WindowFit, EveryReconciliationDialogWithALongListFits)
{
    const std::vector<WindowView> choices = {Click("deciding command by command", "Option1_4"),
                                             Click("back to the choices", "Command2_0")};
    std::vector<WindowView> withMissing = choices;
    withMissing.push_back(Click("commands missing from the database", "Option1_0"));
    withMissing.push_back(Click("back from the missing", "Command3_0"));
    const ReconciliationCase cases[] = {
        {"IR configuration", PrepareIR,
         [](ApplicationState& s) {
             return std::make_unique<LibraryReplaceForm>(s, std::make_unique<IRConfigurationLibrary>(s, 0));
         },
         withMissing},
        {"RS232 configuration", PrepareRS232,
         [](ApplicationState& s) {
             return std::make_unique<LibraryReplaceForm>(s, std::make_unique<RS232ConfigurationLibrary>(s, 0));
         },
         choices},
        {"IR import", PrepareIR, [](ApplicationState& s) { return std::make_unique<IRReplace2Form>(s); }, choices},
        {"RS232 import", PrepareRS232, [](ApplicationState& s) { return std::make_unique<RS232Replace2Form>(s); },
         choices},
    };
    for (const ReconciliationCase& test : cases) {
        SCOPED_TRACE(test.name);
        state = NewState();
        test.prepare(*state);
        std::unique_ptr<QDialog> dialog = test.open(*state);
        ExpectEveryViewFits(*dialog, test.views);
        EXPECT_TRUE(dialog->isVisible()) << "no view closes the dialog";
    }
}
