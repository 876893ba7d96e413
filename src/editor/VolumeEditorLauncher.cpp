#include "editor/VolumeEditorLauncher.h"

#include "model/ApplicationState.h"

void NoVolumeEditorForm::ShowVolumeEditorForm(QWidget*, MessageToolsState& tools)
{
    tools.VolumeParametersChanged = false;
}
