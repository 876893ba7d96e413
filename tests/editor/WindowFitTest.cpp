#include "devicelink/TavloComms.h"
#include "editor/AboutForm.h"
#include "editor/DeviceTabs.h"
#include "editor/TavloForm.h"
#include "editor/defaults/DefaultEditForm.h"
#include "infrared/EditIR.h"
#include "infrared/EnterName.h"
#include "infrared/IRSelector.h"
#include "infrared/NewIRName2Form.h"
#include "messages/ProjectorSerialEditor.h"
#include "messages/ProjectorSerialTestForm.h"
#include "messages/RS232CaptureForm.h"
#include "messages/SerialTestForm.h"
#include "messages/VolumeEditorForm.h"
#include "model/ApplicationState.h"
#include "projectors/NewNameForm.h"
#include "projectors/ProjectorReplaceForm.h"
#include "projectors/ProjectorReplaceForm2.h"
#include "projectors/ProjectorSelector.h"
#include "projectors/ProjectorSetupForm.h"
#include "reconcile/NewLibraryNameForm.h"
#include "rs232/RS232LibraryLoader.h"
#include "rs232/RS232NewNameForm.h"
#include "rs232/RS232Selector.h"
#include "rs232/RS232SettingsDiferentForm.h"
#include "rs232/SerialLibraryEdit.h"
#include "support/NamedChild.h"
#include "support/ProgramStateTest.h"
#include "support/WindowFit.h"
#include "support/devices/SimulatedController.h"
#include "support/devices/SimulatedPortMaker.h"

#include <QAction>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// Every database holds a screenful and more, so that each list must scroll.
constexpr int LongList = 60;

class WindowFit : public ProgramStateTest {
protected:
    WindowFit()
    {
        FillDefaultDeviceTypes(state.DeviceTypes);
        state.Names.InitNameTables();
        state.Config.ClearConfiguration();
        controller.Minor = 2;
        InstallSimulatedPorts(state.Installed, [this](SimulatedSerialPort& port) {
            port.AddPort(1);
            port.AddPort(2, &controller);
        });
        for (int i = 0; i < LongList; ++i) {
            const std::string model = "MODEL " + std::to_string(i);
            state.Projectors.AddProjectorDefinition();
            ProjectorClass& projector = state.Projectors.ProjectorDatabase()[i];
            projector.Clear();
            projector.Manufacturer("MAKER " + std::to_string(i % 7));
            projector.Model(model);
            state.RS232Libraries.AddRS232Library();
            RS232FileBlockClass& library = state.RS232Libraries.RS232Database()[i];
            library.Clear();
            library.Manufacturer("MAKER " + std::to_string(i % 7));
            library.MyType("TYPE " + std::to_string(i % 3));
            library.Model(model);
            library.Command(0, "POWER");
            library.My_RS232_String_Class(0).NumberOfBytes(1);
            IRclass& remote = state.IR.AddIRLibrary();
            remote.Manufacturer("MAKER " + std::to_string(i % 7));
            remote.IRtype("TV");
            remote.Model(model);
        }
        IRclass& work = state.IR.WorkIRLibrary;
        work.CopyFrom(state.IR.IRDatabase()[0]);
        for (int c = 0; c < LongList; ++c) work.AddIRCommand().Name("BUTTON " + std::to_string(c));
        state.Projectors.WorkProjector.CopyFromProjectorClass(state.Projectors.ProjectorDatabase()[0]);
        state.Config.ConfigProjector().CopyFromProjectorClass(state.Projectors.ProjectorDatabase()[1]);
        state.Config.ConfigProjector().WarmUpTime(99);
        state.RS232Libraries.WorkRS232Library.CopyFrom(state.RS232Libraries.RS232Database()[0]);
        message.VolumeExtension(std::make_shared<VolumeExtensionClass>());
        message.VolumeExtension()->Clear();
        state.Messages.WorkSerial = &message;
    }

    SimulatedController controller;
    SerialClass message;
};

using Open = std::function<std::unique_ptr<QWidget>(ApplicationState&)>;

template <class Window>
Open Opening()
{
    return [](ApplicationState& state) { return std::make_unique<Window>(state); };
}

struct WindowCase {
    const char* name;
    Open open;
    std::vector<WindowView> views;
};

// The download dialog searches the ports as it opens; the controller's row
// shows once the search is done.
WindowView SearchDone()
{
    return {"after the search", [](QWidget& window) {
                auto* controllerRow = Named<QRadioButton>(window, "Option1", 1);
                EXPECT_TRUE(QTest::qWaitFor([controllerRow] { return controllerRow->isVisible(); }, 20000));
                controllerRow->click();
            }};
}

}  // namespace

TEST_F(WindowFit, EveryDialogFitsInEachOfItsViews)
{
    const WindowCase cases[] = {
        {"projector browser", Opening<ProjectorSelector>(), {}},
        {"RS232 browser", Opening<RS232Selector>(), {}},
        {"IR browser", Opening<IRSelector>(), {}},
        {"projector definition editor", Opening<ProjectorSetupForm>(), {}},
        {"RS232 library editor", Opening<SerialLibraryEdit>(), {}},
        {"IR library editor", Opening<EditIR>(), {}},
        {"default file editor", Opening<DefaultEditForm>(), {}},
        {"download dialog", Opening<TavloComms>(), {SearchDone()}},
        {"about box", Opening<AboutForm>(), {}},
        {"projector new names", Opening<NewNameForm>(), {}},
        {"RS232 new names", Opening<RS232NewNameForm>(), {}},
        {"IR new names", Opening<NewIRName2Form>(), {}},
        {"IR command name",
         [](ApplicationState& state) { return std::make_unique<EnterName>(state.IR.WorkIRLibrary, state.Prompts()); },
         {}},
        {"library new names",
         [](ApplicationState& state) { return std::make_unique<NewLibraryNameForm>(state, LibraryKind::RS232); },
         {}},
        {"projector replace", Opening<ProjectorReplaceForm>(), {}},
        {"projector import replace", Opening<ProjectorReplaceForm2>(), {}},
        {"RS232 command loader", Opening<RS232LibraryLoader>(), {}},
        {"RS232 settings differ", Opening<RS232SettingsDiferentForm>(), {}},
        {"serial test", Opening<SerialTestForm>(), {}},
        {"projector serial test", Opening<ProjectorSerialTestForm>(), {}},
        {"serial capture", Opening<RS232CaptureForm>(), {}},
        {"message editor", Opening<ProjectorSerialEditor>(), {}},
        {"volume format editor", Opening<VolumeEditorForm>(), {}},
    };
    for (const WindowCase& test : cases) {
        SCOPED_TRACE(test.name);
        std::unique_ptr<QWidget> window = test.open(state);
        ExpectEveryViewFits(*window, test.views);
    }
}

TEST_F(WindowFit, TheMainWindowFitsOnEveryTabWithTheAddOnsOffAndOn)
{
    TavloForm window(state, folder / "registry");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(0);  // the frame is checked once the window is shown
    std::vector<WindowView> views;
    for (const bool addOns : {false, true}) {
        const std::string switches = addOns ? "add-ons on" : "add-ons off";
        if (addOns)
            views.push_back({switches, [](QWidget& shown) {
                                 for (const char* key : {"ZENVARA", "QUILMARDRAVENT"})
                                     Named<QAction>(shown, key)->trigger();
                             }});
        for (int tab = 0; tab < 20; ++tab)
            views.push_back({switches + ", tab " + std::to_string(tab),
                             [tab](QWidget& shown) { Named<DeviceTabs>(shown, "DeviceTab")->SetTab(tab); }});
    }
    ExpectEveryViewFits(window, views);
    state.Config.ConfigChanged = false;
}
