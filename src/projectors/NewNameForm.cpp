#include "projectors/NewNameForm.h"

#include "controls/BlankNameMessages.h"
#include "model/ApplicationState.h"

namespace {

NewNamesDescription ProjectorNames(ApplicationState& state)
{
    const ProjectorClass& clipboard = state.Projectors.ProjectorClipboard;
    NewNamesDescription names;
    names.title = "New Projector Manufacturer/Model";
    names.minimumWidth = 360;
    names.nameLength = NewNameForm::MaximumNameLength;
    names.fields = {
        {"Manufacturer", clipboard.ManufacturerField().trimmed(), {}, {}, "OriginalManufacturer"},
        {"Model", clipboard.ModelField().trimmed(), {}, {}, "OriginalModel"},
    };
    RefuseBlankProjectorNames(names, 0, 1);
    names.inUseLead = "Projector ";
    names.inUseNameOrder = {0, 1};
    names.InUse = [&state](const NewNamesDescription::Names& name) {
        return state.Projectors.FindProjector(name[0], name[1]) >= 0;
    };
    names.Add = [&state](const NewNamesDescription::Names& name) {
        ProjectorClassGlobals& projectors = state.Projectors;
        projectors.ProjectorClipboard.Manufacturer(name[0]);
        projectors.ProjectorClipboard.Model(name[1]);
        projectors.AddProjectorDefinition();
        projectors.ProjectorDatabase()[projectors.ProjectorDatabase().LastIndex()].CopyFromProjectorClass(
            projectors.ProjectorClipboard);
    };
    return names;
}

}  // namespace

NewNameForm::NewNameForm(ApplicationState& state, QWidget* parent) : NewNamesForm(state, ProjectorNames(state), parent)
{
}

void ShowNewNameForm(ApplicationState& state, QWidget* parent)
{
    NewNameForm form(state, parent);
    form.exec();
}
