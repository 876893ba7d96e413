#include "ReconcileFixture.h"
#include "reconcile/IRConfigurationLibrary.h"
#include "reconcile/IRReplace2Form.h"
#include "reconcile/LibraryReplaceForm.h"

#include <QPushButton>
#include <QRadioButton>

namespace {

// The database's ACME / TV / T1 holds as many commands as a file can count,
// K0 among them; the arriving copy holds K0 with other data and two commands
// the database's lacks.
IRclass& FullLibrary(ApplicationState& state)
{
    IRclass& stored = AddIRLibrary(state, "ACME", "TV", "T1", {});
    for (int c = 0; c < IRclass::MaximumCommands; ++c) FillIRCommand(stored.AddIRCommand(), "K" + std::to_string(c), c);
    return stored;
}

void Prepare(ApplicationState& state)
{
    FullLibrary(state);
    AddIRLibrary(state, "ACME", "TV", "T1", {"K0:300", "NEWA:1", "NEWB:2"});
    state.IR.IRLibraryToRecord(1);
    state.IR.IRDatabase.Remove(1);
}

}  // namespace

TEST_F(ReconcileTest, CommandsAFullIRLibraryHasNoRoomForAreNamedInOneMessageAndTheRestIsMovedAndSaved)
{
    using Open = std::function<std::unique_ptr<QDialog>(ApplicationState&)>;
    const std::pair<const char*, Open> flows[] = {
        {"configuration",
         [](ApplicationState& s) {
             return std::make_unique<LibraryReplaceForm>(s, std::make_unique<IRConfigurationLibrary>(s, 0));
         }},
        {"import", [](ApplicationState& s) { return std::make_unique<IRReplace2Form>(s); }},
    };
    const std::vector<std::string> expected = DescribedIRLibraries(
        [](ApplicationState& reference) { FillIRCommand(*FullLibrary(reference).CommandAt(0), "K0", 300); });
    for (const auto& [label, open] : flows) {
        SCOPED_TRACE(label);
        state = NewState();
        Prepare(*state);
        std::unique_ptr<QDialog> dialog = open(*state);
        dialog->show();
        Named<QRadioButton>(*dialog, "Option1", 4)->click();
        Named<QPushButton>(*dialog, "Command2", 1)->click();
        prompts.ExpectMessage("Cannot add NEWA, NEWB as the library holds 255 commands already!", "Error!",
                              PromptButtons::Ok, PromptIcon::Exclamation);
        Named<QPushButton>(*dialog, "Command2", 4)->click();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(SavedIRLibraries(folder.path()), expected);
    }
}
