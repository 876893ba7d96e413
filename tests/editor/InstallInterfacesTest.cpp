#include "controls/DesktopLinks.h"
#include "controls/VolumeEditorLauncher.h"
#include "editor/InstallInterfaces.h"
#include "editor/pickers/PointerPosition.h"
#include "messages/MessagePaneDialogs.h"
#include "model/ApplicationState.h"
#include "model/LibraryReconciliation.h"
#include "platform/SerialPortMaker.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

// Each interface the program looks up has its implementation once start-up
// installed them: a line missing there shows here, not as a menu item a user
// never sees or a dialog that silently does not open.
TEST(InstallInterfacesTest, InstallsEveryInterfaceTheProgramLooksUp)
{
    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state(folder.path(), prompts);
    InstallInterfaces(state);
    const InstalledInterfaces& installed = state.Installed;
    const std::vector<std::pair<const char*, const void*>> interfaces = {
        {"VolumeEditorLauncher", installed.Find<VolumeEditorLauncher>()},
        {"SettingsDifferentDialog", installed.Find<SettingsDifferentDialog>()},
        {"RS232CaptureDialog", installed.Find<RS232CaptureDialog>()},
        {"RS232LibraryLoaderDialog", installed.Find<RS232LibraryLoaderDialog>()},
        {"LibraryReconciliation", installed.Find<LibraryReconciliation>()},
        {"SerialPortMaker", installed.Find<SerialPortMaker>()},
        {"DesktopLinks", installed.Find<DesktopLinks>()},
        {"PointerPosition", installed.Find<PointerPosition>()},
    };
    for (const auto& [name, implementation] : interfaces) EXPECT_NE(implementation, nullptr) << name;
    EXPECT_NE(dynamic_cast<SystemSerialPortMaker*>(installed.Find<SerialPortMaker>()), nullptr) << "the system's ports";
}

}  // namespace
