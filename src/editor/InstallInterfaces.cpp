#include "editor/InstallInterfaces.h"

#include "controls/DesktopLinks.h"
#include "editor/pickers/PointerPosition.h"
#include "messages/RS232CaptureForm.h"
#include "messages/VolumeEditorForm.h"
#include "model/ApplicationState.h"
#include "platform/SerialPortMaker.h"
#include "reconcile/DialogReconciliation.h"
#include "rs232/RS232LibraryLoader.h"
#include "rs232/RS232SettingsDiferentForm.h"

#include <memory>

void InstallInterfaces(ApplicationState& state)
{
    InstalledInterfaces& installed = state.Installed;
    installed.Install<VolumeEditorLauncher>(std::make_unique<VolumeEditorFormLauncher>(state));
    installed.Install<SettingsDifferentDialog>(std::make_unique<RS232SettingsDiferentFormLauncher>());
    installed.Install<RS232CaptureDialog>(std::make_unique<RS232CaptureFormLauncher>());
    installed.Install<RS232LibraryLoaderDialog>(std::make_unique<RS232LibraryLoaderLauncher>());
    installed.Install<LibraryReconciliation>(std::make_unique<DialogReconciliation>());
    installed.Install<SerialPortMaker>(std::make_unique<SystemSerialPortMaker>());
    installed.Install<DesktopLinks>(std::make_unique<SystemDesktopLinks>());
    installed.Install<PointerPosition>(std::make_unique<CursorPointerPosition>());
}
