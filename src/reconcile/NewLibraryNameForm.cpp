#include "reconcile/NewLibraryNameForm.h"

#include "controls/BlankNameMessages.h"
#include "model/ApplicationState.h"
#include "model/IRDatabaseFull.h"
#include "platform/FixedText.h"

namespace {

constexpr std::size_t NameLength = 16;

// Manufacturer, type and model, each caption above its name; the model's
// box is "Text2" and the type's "Text3", as the dialog has always named them.
NewNamesDescription ArrivingLibraryNames(ApplicationState& state, LibraryKind kind)
{
    const LibraryNames names = BufferNames(state, kind);
    const auto trimmed = [](const std::string& name) { return FixedText<1>::TrimSpaces(name); };
    NewNamesDescription description;
    description.title = kind == LibraryKind::IR ? "New IR Manufacturer/Type/Model" : "New RS232 Manufacture/Type/Model";
    description.minimumWidth = 480;
    description.nameLength = NameLength;
    description.captionsAbove = true;
    description.fields = {
        {"Manufacturer", trimmed(names.Manufacturer), {}, {}, "Label1", "Label3", "Label5", "Text1"},
        {"Type", trimmed(names.Type), {}, {}, "Label7", "Label8", "Label10", "Text3"},
        {"Model", trimmed(names.Model), {}, {}, "Label2", "Label4", "Label6", "Text2"},
    };
    // A library of blank names would be dropped at the next start.
    if (kind == LibraryKind::IR)
        RefuseBlankIRLibraryNames(description, 0, 1, 2);
    else
        RefuseBlankRS232LibraryNames(description, 0, 1, 2);
    description.inUseLead = kind == LibraryKind::IR ? "IR Library " : "RS232 Library ";
    description.inUseNameOrder = {0, 1, 2};
    description.InUse = [&state, kind](const NewNamesDescription::Names& name) {
        return FindDatabaseLibrary(state, kind, LibraryNames{name[0], name[1], name[2]}) >= 0;
    };
    description.Add = [&state, kind](const NewNamesDescription::Names& name) {
        RenameBuffer(state, kind, LibraryNames{name[0], name[1], name[2]});
        AppendBufferToDatabase(state, kind);
    };
    return description;
}

bool ShowNewNameForm(ApplicationState& state, LibraryKind kind, QWidget* parent)
{
    // No names the user could type would make room; the buffer keeps its names.
    if (kind == LibraryKind::IR && RefusedAsIRDatabaseFull(state.IR, state.Prompts())) return false;
    NewLibraryNameForm form(state, kind, parent);
    return form.exec() == QDialog::Accepted;
}

}  // namespace

NewLibraryNameForm::NewLibraryNameForm(ApplicationState& state, LibraryKind kind, QWidget* parent)
    : NewNamesForm(state, ArrivingLibraryNames(state, kind), parent)
{
}

bool ShowNewIRNameForm(ApplicationState& state, QWidget* parent)
{
    return ShowNewNameForm(state, LibraryKind::IR, parent);
}

bool ShowNewRS232NameForm(ApplicationState& state, QWidget* parent)
{
    return ShowNewNameForm(state, LibraryKind::RS232, parent);
}

bool ShowNewRs232Name2Form(ApplicationState& state, QWidget* parent)
{
    return ShowNewNameForm(state, LibraryKind::RS232, parent);
}
