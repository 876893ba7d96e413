#include "editor/MainToolbar.h"

#include "controls/ToolbarIcons.h"

#include <QAction>
#include <QKeySequence>
#include <QToolBar>
#include <array>
#include <cstddef>
#include <optional>

namespace {

struct Key {
    MainKey key;
    const char* name;
    const char* tooltip;
    // The platform's own keys for the command, where it has them.
    QKeySequence::StandardKey standard;
    // Kept where the platform's own keys differ or are none; none for HELP.
    std::optional<QKeyCombination> common;
};

constexpr QKeySequence::StandardKey NoStandard = QKeySequence::UnknownKey;

// Ctrl+Shift and a letter the command's name suggests, where no text box
// and no other window key uses it (Ctrl+Shift+A, V and Z edit text); the
// about box takes Shift+F1, beside the F1 that help keeps.
constexpr std::array<Key, static_cast<std::size_t>(MainKey::Count)> Keys{{
    {MainKey::NEW, "NEW", "Start New Configuration", QKeySequence::New, Qt::CTRL | Qt::Key_N},
    {MainKey::OPEN, "OPEN", "Open Existing Configuration", QKeySequence::Open, Qt::CTRL | Qt::Key_O},
    {MainKey::SAVE, "SAVE", "Save Configuration", QKeySequence::Save, Qt::CTRL | Qt::Key_S},
    {MainKey::SAVEAS, "SAVEAS", "Save Configuration As New File", QKeySequence::SaveAs,
     Qt::CTRL | Qt::SHIFT | Qt::Key_S},
    {MainKey::DEFAULTS, "DEFAULTS", "Load Default Configuration", NoStandard, Qt::CTRL | Qt::SHIFT | Qt::Key_N},
    {MainKey::QUILMARDRAVENT, "QUILMARDRAVENT", "En/disable  Quilmar and Dravent infra-red control", NoStandard,
     Qt::CTRL | Qt::SHIFT | Qt::Key_Q},
    {MainKey::ZENVARA, "ZENVARA", "En/disable Zenvara high def video facilities", NoStandard,
     Qt::CTRL | Qt::SHIFT | Qt::Key_H},
    {MainKey::EDITPROJECTOR, "EDITPROJECTOR", "Edit projectors", NoStandard, Qt::CTRL | Qt::SHIFT | Qt::Key_P},
    {MainKey::EDITRS232, "EDITRS232", "Edit RS232 definitions", NoStandard, Qt::CTRL | Qt::SHIFT | Qt::Key_R},
    {MainKey::EDITIR, "EDITIR", "Edit Infrared commands", NoStandard, Qt::CTRL | Qt::SHIFT | Qt::Key_I},
    {MainKey::DEFAULTEDIT, "DEFAULTEDIT", "Edit default files", NoStandard, Qt::CTRL | Qt::SHIFT | Qt::Key_E},
    {MainKey::DOWNLOAD, "DOWNLOAD", "Donload Configuration to Controller", NoStandard,
     Qt::CTRL | Qt::SHIFT | Qt::Key_D},
    {MainKey::HELP, "HELP", "Diplay help", NoStandard, std::nullopt},
    {MainKey::ABOUT, "ABOUT", "Display information about this program", NoStandard, Qt::SHIFT | Qt::Key_F1},
    {MainKey::EXIT, "EXIT", "Exit ", QKeySequence::Quit, Qt::CTRL | Qt::Key_Q},
}};

constexpr bool EachKeyInItsPlace()
{
    for (std::size_t i = 0; i < Keys.size(); ++i)
        if (static_cast<std::size_t>(Keys[i].key) != i) return false;
    return true;
}
static_assert(EachKeyInItsPlace(), "the toolbar's table lists the keys in their order");

const Key& KeyOf(MainKey key)
{
    return Keys.at(static_cast<std::size_t>(key));
}

QList<QKeySequence> ShortcutsOf(const Key& key)
{
    QList<QKeySequence> shortcuts;
    if (key.standard != NoStandard) shortcuts = QKeySequence::keyBindings(key.standard);
    if (key.common && !shortcuts.contains(QKeySequence(*key.common))) shortcuts.append(QKeySequence(*key.common));
    return shortcuts;
}

}  // namespace

QToolBar* MakeMainToolbar(QWidget* parent)
{
    auto* toolbar = new QToolBar(parent);
    toolbar->setObjectName("Toolbar1");
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(24, 24));
    for (const Key& key : Keys) {
        QAction* action = AddToolbarKey(*toolbar, key.name, key.tooltip);
        action->setCheckable(key.key == MainKey::QUILMARDRAVENT || key.key == MainKey::ZENVARA);
        action->setShortcuts(ShortcutsOf(key));
    }
    return toolbar;
}

QAction* MainToolbarKey(const QToolBar& toolbar, MainKey key)
{
    return toolbar.findChild<QAction*>(MainKeyName(key), Qt::FindDirectChildrenOnly);
}

const char* MainKeyName(MainKey key)
{
    return KeyOf(key).name;
}

QString PathFromCommandLine(QString argument)
{
    if (argument.startsWith('"')) argument.remove(0, 1);
    if (argument.endsWith('"')) argument.chop(1);
    return argument;
}
