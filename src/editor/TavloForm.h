#pragma once

#include "editor/ConfigTab.h"
#include "editor/FileCommands.h"
#include "editor/MainToolbar.h"

#include <QMainWindow>
#include <array>
#include <filesystem>
#include <functional>
#include <vector>

class ApplicationState;
class ConfigurationPage;
class DefaultFileDropDown;
class DeviceTabs;
class InputPage;
class IRSelector;
class LockingPage;
class ProjectorPage;
class ProjectorSelector;
class QAction;
class QStackedWidget;
class QTimer;
class QToolBar;
class QToolButton;
class RS232Selector;

// The editor's main window: the toolbar of commands and the twenty tabs on
// which the configuration in memory is shown and edited. Building it starts
// the editor up: device types, databases, name tables, a new configuration.
class TavloForm : public QMainWindow, private ConfigurationView {
    Q_OBJECT
public:
    // The device types are read from (or first written to) the registry file.
    TavloForm(ApplicationState& state, const std::filesystem::path& registryFile, QWidget* parent = nullptr);
    ~TavloForm() override;

    // Opens the archive named on the command line half a second after the
    // window shows; quotes around it are dropped.
    void OpenFromCommandLine(const QString& argument);

    void ShowConfiguration() override;
    void ArrangeDeviceTab();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // The shortcut of DEFAULTS presses their button.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartUp(const std::filesystem::path& registryFile);
    // Sizes and places the window so that its frame lies on the screen's
    // free area: before the first show with a frame allowed for, after it
    // with the frame the window manager gave.
    void PlaceOnScreen();
    void KeepFrameOnScreen();
    void ResetFirstMessages();
    void BuildTabs();
    // The scroll area in which the stack shows a page, once it is there.
    QWidget* ScrollAreaOf(const QWidget* page) const;
    // Each toolbar key runs its own command.
    void BindKeys();
    void BindKey(MainKey key, const std::function<void()>& command);
    QAction* ToolbarKey(MainKey key) const;
    void SwitchAddOn(MainKey key, bool& enabled);
    void EditProjectorKey();
    // Shows the browser modally, made at the first call and kept in `kept`.
    template <class Browser>
    void OpenBrowser(Browser*& kept);

    void ClearIRDisplay() override;
    void SetCaption(const QString& caption) override;
    void ReplaceDifferingProjector() override;

    ApplicationState& state_;
    FileCommands commands_;
    QToolBar* Toolbar1;
    DeviceTabs* DeviceTab;
    QStackedWidget* pages_;
    // The page each tab shows; tabs without controls of their own show an empty page.
    std::array<QWidget*, ConfigTabs> tabPages_{};
    std::vector<ConfigurationPage*> configurationPages_;
    InputPage* inputPage_;
    LockingPage* lockingPage_;
    ProjectorPage* projectorPage_;
    DefaultFileDropDown* defaults_;
    QToolButton* defaultsButton_;
    QTimer* StartUpTimer;
    QString CommandLinePath;
    bool shownBefore_ = false;
    // The database browsers, each made at its key's first press and kept,
    // with its tree, for the later ones.
    ProjectorSelector* projectorSelector_ = nullptr;
    RS232Selector* rs232Selector_ = nullptr;
    IRSelector* irSelector_ = nullptr;
};
