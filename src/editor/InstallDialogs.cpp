#include "editor/InstallDialogs.h"

#include "messages/VolumeEditorForm.h"
#include "model/ApplicationState.h"

#include <memory>

void InstallDialogs(ApplicationState& state)
{
    state.Installed.Install<VolumeEditorLauncher>(std::make_unique<VolumeEditorFormLauncher>());
}
