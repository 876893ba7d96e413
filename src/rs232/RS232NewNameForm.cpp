#include "rs232/RS232NewNameForm.h"

#include "controls/BlankNameMessages.h"
#include "model/ApplicationState.h"

namespace {

// Manufacturer, type and model, each caption above its name.
NewNamesDescription RS232Names(ApplicationState& state)
{
    const RS232FileBlockClass& clipboard = state.RS232Libraries.RS232LibraryClipboard;
    NewNamesDescription names;
    names.title = "New RS232 Manufacturer/Model";
    names.minimumWidth = 480;
    names.nameLength = RS232FileBlockClass::NameLength;
    names.captionsAbove = true;
    names.fields = {
        {"Manufacturer", clipboard.ManufacturerField().trimmed(), {}, {}, "Label1", "Label3", "Label5"},
        {"Type", clipboard.MyTypeField().trimmed(), {}, {}, "Label2", "Label4", "Label6"},
        {"Model", clipboard.ModelField().trimmed(), {}, {}, "Label7", "Label8", "Label9"},
    };
    RefuseBlankRS232LibraryNames(names, 0, 1, 2);
    names.inUseLead = "Equipment ";
    names.inUseNameOrder = {0, 1, 2};
    names.InUse = [&state](const NewNamesDescription::Names& name) {
        std::string manufacturer = name[0];
        std::string type = name[1];
        std::string model = name[2];
        return state.RS232Libraries.FindRS232Library(manufacturer, type, model) >= 0;
    };
    names.Add = [&state](const NewNamesDescription::Names& name) {
        SerialClassGlobals& libraries = state.RS232Libraries;
        RS232FileBlockClass& clipboard = libraries.RS232LibraryClipboard;
        clipboard.Manufacturer(name[0]);
        clipboard.Model(name[2]);
        clipboard.MyType(name[1]);
        libraries.AddRS232Library();
        libraries.RS232Database()[libraries.RS232Database().LastIndex()].CopyFrom(clipboard);
    };
    return names;
}

}  // namespace

RS232NewNameForm::RS232NewNameForm(ApplicationState& state, QWidget* parent)
    : NewNamesForm(state, RS232Names(state), parent)
{
}

void ShowRS232NewNameForm(ApplicationState& state, QWidget* parent)
{
    RS232NewNameForm form(state, parent);
    form.exec();
}
