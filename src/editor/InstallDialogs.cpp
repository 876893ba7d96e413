#include "editor/InstallDialogs.h"

#include "messages/RS232CaptureForm.h"
#include "messages/VolumeEditorForm.h"
#include "model/ApplicationState.h"
#include "reconcile/DialogReconciliation.h"
#include "rs232/RS232LibraryLoader.h"
#include "rs232/RS232SettingsDiferentForm.h"

#include <memory>

void InstallDialogs(ApplicationState& state)
{
    state.Installed.Install<VolumeEditorLauncher>(std::make_unique<VolumeEditorFormLauncher>());
    state.Installed.Install<SettingsDifferentDialog>(std::make_unique<RS232SettingsDiferentFormLauncher>());
    state.Installed.Install<RS232CaptureDialog>(std::make_unique<RS232CaptureFormLauncher>());
    state.Installed.Install<RS232LibraryLoaderDialog>(std::make_unique<RS232LibraryLoaderLauncher>());
    state.Installed.Install<LibraryReconciliation>(std::make_unique<DialogReconciliation>());
}
