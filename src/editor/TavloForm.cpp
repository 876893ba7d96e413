#include "editor/TavloForm.h"

#include "controls/ScreenFit.h"
#include "devicelink/TavloComms.h"
#include "editor/AboutForm.h"
#include "editor/Captions.h"
#include "editor/DeviceTabs.h"
#include "editor/MainToolbar.h"
#include "editor/defaults/DefaultEditForm.h"
#include "editor/defaults/DefaultFileDropDown.h"
#include "editor/pages/ControlPages.h"
#include "editor/pages/InputPage.h"
#include "editor/pages/MicrophonePage.h"
#include "editor/pages/NotesPage.h"
#include "editor/pages/OnOffPage.h"
#include "editor/pages/OtherMeshloPage.h"
#include "editor/pages/ProjectorPage.h"
#include "editor/pages/SecondRS232Page.h"
#include "editor/pages/VolumePage.h"
#include "infrared/IRSelector.h"
#include "model/ApplicationState.h"
#include "model/ApplicationTitle.h"
#include "model/DeviceTypes.h"
#include "platform/RecordFile.h"
#include "platform/Registry.h"
#include "platform/UserPrompts.h"
#include "projectors/ProjectorReplaceForm.h"
#include "projectors/ProjectorSelector.h"
#include "rs232/RS232Selector.h"

#include <QAction>
#include <QCloseEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int StartUpDelayMilliseconds = 500;
// The first 32 messages: 0 to 28 may be received with ignored bytes, 29 to 31 are sent.
constexpr int FirstMessages = 32;
constexpr int LastReceivedMessage = 28;
constexpr int LastLoadedSlot = 38;

// Wide enough for both rows of tabs with the HD captions, where the screen has room.
constexpr QSize PreferredSize(1100, 720);
// The window manager's frame is not known before the window is first shown:
// room for a title bar and borders is kept free.
constexpr QMargins AssumedFrame(4, 40, 4, 8);

// A page that needs more room than the window has left scrolls, so the
// window fits a small screen with every control still in reach.
QScrollArea* Scrolled(QWidget* page)
{
    auto* area = new QScrollArea;
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setWidget(page);
    return area;
}

}  // namespace

TavloForm::TavloForm(ApplicationState& state, const std::filesystem::path& registryFile, QWidget* parent)
    : QMainWindow(parent), state_(state), commands_(state, *this)
{
    StartUpTimer = new QTimer(this);
    StartUpTimer->setObjectName("StartUpTimer");
    StartUpTimer->setSingleShot(true);
    StartUpTimer->setInterval(StartUpDelayMilliseconds);
    connect(StartUpTimer, &QTimer::timeout, this, [this] { commands_.OpenConfiguration(CommandLinePath); });
    StartUp(registryFile);
}

TavloForm::~TavloForm() = default;

void TavloForm::StartUp(const std::filesystem::path& registryFile)
{
    Registry registry(registryFile);
    LoadDeviceTypes(state_.DeviceTypes, registry);
    std::error_code ignored;  // a folder that cannot be made shows as an empty list of defaults
    std::filesystem::create_directories(state_.ProgramFolder / "Defaults", ignored);
    ResetFirstMessages();

    setWindowTitle(StartUpCaption());
    Toolbar1 = MakeMainToolbar(this);
    addToolBar(Toolbar1);
    // The defaults drop down at the press of their button, not at its release.
    defaults_ = new DefaultFileDropDown(state_, commands_, this);
    auto* defaultsButton =
        qobject_cast<QToolButton*>(Toolbar1->widgetForAction(Toolbar1->findChild<QAction*>("DEFAULTS")));
    connect(defaultsButton, &QToolButton::pressed, this,
            [this, defaultsButton] { defaults_->ButtonPressed(defaultsButton); });
    connect(defaults_, &DefaultFileDropDown::CaptionChanged, this, &TavloForm::SetCaption);
    connect(Toolbar1, &QToolBar::actionTriggered, this, &TavloForm::KeyTriggered);
    BuildTabs();
    PlaceOnScreen();

    LoadDatabases();
    commands_.NewConfiguration();
    DeviceTab->SetTab(ProjectorTab);
    ArrangeDeviceTab();
    ShowConfiguration();
}

void TavloForm::ResetFirstMessages()
{
    const ConfigurationRecord& record = state_.Config.Record;
    for (int i = 0; i < FirstMessages; ++i) {
        SerialClass& message = state_.Config.ConfigSerialStrings(i);
        message.Clear();
        message.CanBeInput(i <= LastReceivedMessage);
        message.CanBeVariable(false);
        message.IsFromLibrary(false);
        message.SerialType(0);
        message.Baudrate(record.ControlPortBaudrate);
        message.Parity(record.ControlPortParity);
        message.InterByteDelay(record.ControlPortInterByteDelay);
        message.Manufacturer("");
        message.Model("");
        message.MyType("");
        message.VolumeExtension(nullptr);
    }
}

void TavloForm::LoadDatabases()
{
    state_.Projectors.LoadProjectorDatabase();
    state_.RS232Libraries.LoadRS232Database();
    projectorPage_->FillProjectorTree();
    try {
        state_.IR.LoadIRDatabase();
    } catch (const FileError& error) {
        // The editor goes on without the IR libraries rather than not at all.
        state_.IR.ClearIRDatabase();
        state_.Prompts().Message(
            "Infra-red configuration file could not be loaded!\r\n" + QString::fromStdString(error.what()),
            ApplicationTitle, PromptButtons::Ok, PromptIcon::Exclamation);
    }
    state_.Names.InitNameTables();
}

void TavloForm::BuildTabs()
{
    DeviceTab = new DeviceTabs;
    pages_ = new QStackedWidget;

    auto* empty = new QWidget;
    pages_->addWidget(empty);
    tabPages_.assign(DeviceTabs::Tabs, empty);
    const auto place = [this](int tab, ConfigurationPage* page) {
        QWidget* shown = ScrollAreaOf(page);
        if (shown == nullptr) {
            shown = Scrolled(page);
            pages_->addWidget(shown);
            configurationPages_.push_back(page);
            connect(page, &ConfigurationPage::LockingSourcesChanged, this, [this] { lockingPage_->RefillLocking(); });
        }
        tabPages_[static_cast<std::size_t>(tab)] = shown;
    };
    inputPage_ = new InputPage(state_);
    for (int input = 0; input < Inputs; ++input) place(input, inputPage_);
    connect(inputPage_, &InputPage::ShapeChanged, this, &TavloForm::ArrangeDeviceTab);
    lockingPage_ = new LockingPage(state_);
    projectorPage_ = new ProjectorPage(state_);
    place(ProjectorTab, projectorPage_);
    place(12, new ControlInputsPage(state_));
    place(13, new ControlOutputsPage(state_));
    place(14, lockingPage_);
    place(10, new MicrophonePage(state_));
    place(15, new VolumePage(state_));
    place(16, new SecondRS232Page(state_));
    place(17, new OtherMeshloPage(state_));
    place(18, new OnOffPage(state_));
    place(19, new NotesPage(state_));

    auto* central = new QWidget;
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 4);
    column->addWidget(DeviceTab);
    column->addWidget(pages_, 1);
    setCentralWidget(central);
    connect(DeviceTab, &DeviceTabs::TabChanged, this, [this] { ArrangeDeviceTab(); });
}

QWidget* TavloForm::ScrollAreaOf(const QWidget* page) const
{
    for (int i = 0; i < pages_->count(); ++i) {
        const auto* area = qobject_cast<QScrollArea*>(pages_->widget(i));
        if (area != nullptr && area->widget() == page) return pages_->widget(i);
    }
    return nullptr;
}

void TavloForm::PlaceOnScreen()
{
    const QRect available = screen()->availableGeometry();
    QRect frame(QPoint(), PreferredSize.grownBy(AssumedFrame));
    frame.moveCenter(available.center());
    setGeometry(FrameWithin(frame, available).marginsRemoved(AssumedFrame));
}

void TavloForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (shownBefore_) return;
    shownBefore_ = true;
    // Once the window manager has framed the window.
    QTimer::singleShot(0, this, &TavloForm::KeepFrameOnScreen);
}

void TavloForm::KeepFrameOnScreen()
{
    const QRect frame = frameGeometry();
    const QRect fitted = FrameWithin(frame, screen()->availableGeometry());
    if (fitted == frame) return;
    const QRect client = geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                           frame.bottom() - client.bottom());
    setGeometry(fitted.marginsRemoved(margins));
}

void TavloForm::OpenFromCommandLine(const QString& argument)
{
    CommandLinePath = PathFromCommandLine(argument);
    if (!CommandLinePath.isEmpty()) StartUpTimer->start();
}

void TavloForm::ShowConfiguration()
{
    const QScopedValueRollback<bool> showing(ShowingConfiguration, true);
    for (int slot = 0; slot <= LastLoadedSlot; ++slot) state_.Config.LoadSerialSlotFromConfig(slot);
    for (ConfigurationPage* page : configurationPages_) page->Fill();
    const ConfigurationRecord& record = state_.Config.Record;
    Toolbar1->findChild<QAction*>("QUILMARDRAVENT")->setChecked(record.QuilmarDraventEnabled);
    Toolbar1->findChild<QAction*>("ZENVARA")->setChecked(record.ZenvaraEnabled);
    ArrangeDeviceTab();
}

void TavloForm::ArrangeDeviceTab()
{
    const int tab = DeviceTab->Tab();
    const bool zenvara = state_.Config.Record.ZenvaraEnabled;
    DeviceTab->SetCaption(6, zenvara ? "Video 3 (Hi Def 1)" : "Video 3");
    DeviceTab->SetCaption(7, zenvara ? "Video 4 (Hi Def 2)" : "Video 4");
    for (ConfigurationPage* page : configurationPages_) page->Arrange();
    if (tab < 0) return;
    if (tab < Inputs) inputPage_->ArrangeFor(tab);
    // A computer tab's caption follows its kind while it is current.
    if (tab < ComputerInputs)
        DeviceTab->SetCaption(tab, InputPage::ComputerTabCaption(
                                       tab, state_.Config.Record.ComputerIsComponent[static_cast<std::size_t>(tab)]));
    pages_->setCurrentWidget(tabPages_[static_cast<std::size_t>(tab)]);
}

void TavloForm::KeyTriggered(QAction* key)
{
    const QString name = key->objectName();
    RunKey(name, key);
    if (name != "EXIT") ShowConfiguration();
}

void TavloForm::RunKey(const QString& key, QAction* action)
{
    ConfigurationRecord& record = state_.Config.Record;
    if (key == "DEFAULTEDIT") {
        ShowDefaultEditForm(state_, this);
    } else if (key == "QUILMARDRAVENT" || key == "ZENVARA") {
        (key == "ZENVARA" ? record.ZenvaraEnabled : record.QuilmarDraventEnabled) = action->isChecked();
        state_.Config.ConfigChanged = true;
        ArrangeDeviceTab();
    } else if (key == "NEW") {
        commands_.NewKey();
    } else if (key == "OPEN") {
        commands_.OpenKey();
    } else if (key == "SAVE") {
        commands_.SaveKey();
    } else if (key == "SAVEAS") {
        commands_.SaveAsKey();
    } else if (key == "DOWNLOAD") {
        if (commands_.QuerySave()) ShowTavloComms(state_, this);
    } else if (key == "EDITPROJECTOR") {
        ShowProjectorSelector(state_, this);
        // The browser may have changed the configuration's projector in the database.
        commands_.CheckEditedProjector();
        projectorPage_->FillProjectorTree();
    } else if (key == "EDITRS232") {
        ShowRS232Selector(state_, this);
    } else if (key == "EDITIR") {
        ShowIRSelector(state_, this);
    } else if (key == "ABOUT") {
        ShowAboutForm(state_, this);
    } else if (key == "EXIT") {
        // The ordinary close, with its save prompt: nothing unsaved is lost.
        close();
    }
}

void TavloForm::closeEvent(QCloseEvent* event)
{
    if (!commands_.QuerySave()) {
        event->ignore();
        return;
    }
    state_.RS232Libraries.ClearRS232Database();
    event->accept();
}

void TavloForm::ClearIRDisplay()
{
    inputPage_->ClearIRDisplay();
}

void TavloForm::SetCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void TavloForm::ReplaceDifferingProjector()
{
    ShowProjectorReplaceForm(state_, this);
    // The dialog may have added a definition under a new name.
    projectorPage_->FillProjectorTree();
}
