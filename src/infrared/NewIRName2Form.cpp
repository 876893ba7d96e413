#include "infrared/NewIRName2Form.h"

#include "controls/BlankNameMessages.h"
#include "model/ApplicationState.h"
#include "model/IRDatabaseFull.h"

namespace {

// The IR name fields keep 16 characters.
constexpr std::size_t NameLength = 16;

// Manufacturer, model and type, in rows; the messages name the type second.
NewNamesDescription IRNames(ApplicationState& state)
{
    const IRclass& clipboard = state.IR.IRClipboard;
    NewNamesDescription names;
    names.title = "New IR name";
    names.minimumWidth = 320;
    names.nameLength = NameLength;
    names.fields = {
        {"Manufacturer", clipboard.ManufacturerField().trimmed(), {}, {}, "OriginalManufacturer"},
        {"Model", clipboard.ModelField().trimmed(), {}, {}, "OriginalModel"},
        {"Type", clipboard.IRtypeField().trimmed(), {}, {}, "OriginalType"},
    };
    RefuseBlankIRLibraryNames(names, 0, 2, 1);
    names.inUseLead = "IR Library ";
    names.inUseNameOrder = {0, 2, 1};
    names.InUse = [&state](const NewNamesDescription::Names& name) {
        std::string manufacturer = name[0];
        std::string irType = name[2];
        std::string model = name[1];
        return state.IR.FindIRLibrary(manufacturer, irType, model) >= 0;
    };
    names.Add = [&state](const NewNamesDescription::Names& name) {
        IRClassGlobals& ir = state.IR;
        ir.IRClipboard.Manufacturer(name[0]);
        ir.IRClipboard.IRtype(name[2]);
        ir.IRClipboard.Model(name[1]);
        ir.AddIRLibrary().CopyFrom(ir.IRClipboard);
    };
    return names;
}

}  // namespace

NewIRName2Form::NewIRName2Form(ApplicationState& state, QWidget* parent) : NewNamesForm(state, IRNames(state), parent)
{
}

void ShowNewIRName2Form(ApplicationState& state, QWidget* parent)
{
    // No names the user could type would make room.
    if (RefusedAsIRDatabaseFull(state.IR, state.Prompts())) return;
    NewIRName2Form form(state, parent);
    form.exec();
}
