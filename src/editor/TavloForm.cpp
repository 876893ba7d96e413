#include "editor/TavloForm.h"

#include "controls/PageChange.h"
#include "controls/ScreenFit.h"
#include "devicelink/TavloComms.h"
#include "editor/AboutForm.h"
#include "editor/Captions.h"
#include "editor/ConfigTab.h"
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
#include "model/DeviceTypes.h"
#include "platform/Registry.h"
#include "projectors/ProjectorReplaceForm.h"
#include "projectors/ProjectorSelector.h"
#include "rs232/RS232Selector.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
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
    // Tab goes through to the page's controls: the area itself is no stop.
    area->setFocusPolicy(Qt::NoFocus);
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
    // The defaults drop down at the press of their button, not at its
    // release; their shortcut presses the button.
    defaults_ = new DefaultFileDropDown(state_, commands_, this);
    QAction* defaultsKey = ToolbarKey(MainKey::DEFAULTS);
    defaultsButton_ = qobject_cast<QToolButton*>(Toolbar1->widgetForAction(defaultsKey));
    connect(defaultsButton_, &QToolButton::pressed, this, [this] { defaults_->ButtonPressed(defaultsButton_); });
    defaultsKey->installEventFilter(this);
    connect(defaults_, &DefaultFileDropDown::CaptionChanged, this, &TavloForm::SetCaption);
    BindKeys();
    BuildTabs();
    PlaceOnScreen();

    // The databases are read when first used, so start-up costs the same at
    // any database size.
    state_.Names.InitNameTables();
    // Choosing the tab arranges it; the new configuration is then shown once.
    DeviceTab->SetTab(ConfigTab::Projector);
    commands_.NewConfiguration();
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

void TavloForm::BuildTabs()
{
    DeviceTab = new DeviceTabs;
    pages_ = new QStackedWidget;
    pages_->setObjectName("Pages");

    auto* empty = new QWidget;
    pages_->addWidget(empty);
    tabPages_.fill(empty);
    const auto place = [this](ConfigTab tab, ConfigurationPage* page) {
        QWidget* shown = ScrollAreaOf(page);
        if (shown == nullptr) {
            shown = Scrolled(page);
            pages_->addWidget(shown);
            configurationPages_.push_back(page);
        }
        tabPages_[static_cast<std::size_t>(TabNumber(tab))] = shown;
    };
    inputPage_ = new InputPage(state_);
    for (int input = 0; input < ConfigurationRecord::Inputs; ++input) place(InputTab(input), inputPage_);
    connect(inputPage_, &InputPage::ShapeChanged, this, &TavloForm::ArrangeDeviceTab);
    lockingPage_ = new LockingPage(state_);
    projectorPage_ = new ProjectorPage(state_);
    place(ConfigTab::Projector, projectorPage_);
    place(ConfigTab::ControlInputs, new ControlInputsPage(state_.Config));
    place(ConfigTab::ControlOutputs, new ControlOutputsPage(state_.Config));
    place(ConfigTab::ControlLocking, lockingPage_);
    place(ConfigTab::Microphone, new MicrophonePage(state_));
    place(ConfigTab::Volume, new VolumePage(state_));
    place(ConfigTab::SecondRS232, new SecondRS232Page(state_));
    place(ConfigTab::OtherMeshlo, new OtherMeshloPage(state_.Config));
    place(ConfigTab::OnOff, new OnOffPage(state_));
    place(ConfigTab::Notes, new NotesPage(state_.Config));

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
    for (int slot = 0; slot <= LastLoadedSlot; ++slot) state_.Config.LoadSerialSlotFromConfig(slot);
    for (ConfigurationPage* page : configurationPages_) page->Fill();
    const ConfigurationRecord& record = state_.Config.Record;
    ToolbarKey(MainKey::QUILMARDRAVENT)->setChecked(record.QuilmarDraventEnabled);
    ToolbarKey(MainKey::ZENVARA)->setChecked(record.ZenvaraEnabled);
    ArrangeDeviceTab();
}

void TavloForm::ArrangeDeviceTab()
{
    const int tab = DeviceTab->Tab();
    const bool zenvara = state_.Config.Record.ZenvaraEnabled;
    DeviceTab->SetCaption(ConfigTab::Video3, zenvara ? "Video 3 (Hi Def 1)" : DesignCaption(ConfigTab::Video3));
    DeviceTab->SetCaption(ConfigTab::Video4, zenvara ? "Video 4 (Hi Def 2)" : DesignCaption(ConfigTab::Video4));
    const auto arrange = [this] {
        for (ConfigurationPage* page : configurationPages_) page->Arrange();
    };
    if (tab < 0) {
        arrange();
        return;
    }
    // Every change of page, and every arrangement that may hide the control
    // with the focus, comes through here.
    QWidget* shown = tabPages_[static_cast<std::size_t>(tab)];
    ChangePage(*shown, *DeviceTab, [&] {
        arrange();
        if (IsInputTab(tab)) inputPage_->ArrangeFor(tab);
        // A computer tab's caption follows its kind while it is current.
        if (IsComputerTab(tab))
            DeviceTab->SetCaption(tab,
                                  InputPage::ComputerTabCaption(
                                      tab, state_.Config.Record.ComputerIsComponent[static_cast<std::size_t>(tab)]));
        pages_->setCurrentWidget(shown);
    });
}

void TavloForm::BindKeys()
{
    BindKey(MainKey::NEW, [this] { commands_.NewKey(); });
    BindKey(MainKey::OPEN, [this] { commands_.OpenKey(); });
    BindKey(MainKey::SAVE, [this] { commands_.SaveKey(); });
    BindKey(MainKey::SAVEAS, [this] { commands_.SaveAsKey(); });
    // The defaults drop down at the press of their button; help has nothing to show.
    BindKey(MainKey::DEFAULTS, [] {});
    BindKey(MainKey::HELP, [] {});
    BindKey(MainKey::QUILMARDRAVENT,
            [this] { SwitchAddOn(MainKey::QUILMARDRAVENT, state_.Config.Record.QuilmarDraventEnabled); });
    BindKey(MainKey::ZENVARA, [this] { SwitchAddOn(MainKey::ZENVARA, state_.Config.Record.ZenvaraEnabled); });
    BindKey(MainKey::EDITPROJECTOR, [this] { EditProjectorKey(); });
    BindKey(MainKey::EDITRS232, [this] { OpenBrowser(rs232Selector_); });
    BindKey(MainKey::EDITIR, [this] { OpenBrowser(irSelector_); });
    BindKey(MainKey::DEFAULTEDIT, [this] { ShowDefaultEditForm(state_, this); });
    BindKey(MainKey::DOWNLOAD, [this] {
        if (commands_.QuerySave()) ShowTavloComms(state_, this);
    });
    BindKey(MainKey::ABOUT, [this] { ShowAboutForm(state_, this); });
    // The ordinary close, with its save prompt: nothing unsaved is lost.
    connect(ToolbarKey(MainKey::EXIT), &QAction::triggered, this, &QWidget::close);
}

QAction* TavloForm::ToolbarKey(MainKey key) const
{
    return MainToolbarKey(*Toolbar1, key);
}

bool TavloForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Shortcut && watched == ToolbarKey(MainKey::DEFAULTS)) {
        defaults_->ButtonPressed(defaultsButton_);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TavloForm::BindKey(MainKey key, const std::function<void()>& command)
{
    // Whatever the key did, the window shows the configuration as it now
    // stands, and is the active window again: a window manager may leave
    // none active when a dialog hides as its own last message closes.
    connect(ToolbarKey(key), &QAction::triggered, this, [this, command] {
        command();
        ShowConfiguration();
        if (isVisible() && !isActiveWindow() && QApplication::activeModalWidget() == nullptr &&
            QApplication::activePopupWidget() == nullptr)
            activateWindow();
    });
}

void TavloForm::SwitchAddOn(MainKey key, bool& enabled)
{
    state_.Config.Edit(ConfigGroup::AddOns, [&] { enabled = ToolbarKey(key)->isChecked(); });
    ArrangeDeviceTab();
}

template <class Browser>
void TavloForm::OpenBrowser(Browser*& kept)
{
    // A later press finds its tree already filled while the database shows
    // the same names; the window owns the browser.
    if (kept == nullptr) kept = new Browser(state_, this);
    kept->ShowModal();
}

void TavloForm::EditProjectorKey()
{
    OpenBrowser(projectorSelector_);
    // The browser may have changed the configuration's projector in the database.
    commands_.CheckEditedProjector();
}

void TavloForm::closeEvent(QCloseEvent* event)
{
    if (!commands_.QuerySave()) {
        event->ignore();
        return;
    }
    state_.RS232Libraries.ReleaseRS232Database();
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
    // A definition the dialog adds shows at the picker's next opening.
    ShowProjectorReplaceForm(state_, this);
}
