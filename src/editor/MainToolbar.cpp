#include "editor/MainToolbar.h"

#include "controls/ToolbarIcons.h"

#include <QAction>
#include <QKeySequence>
#include <QToolBar>
#include <array>

namespace {

struct Key {
    const char* key;
    const char* tooltip;
};

constexpr std::array<Key, 15> Keys{{
    {"NEW", "Start New Configuration"},
    {"OPEN", "Open Existing Configuration"},
    {"SAVE", "Save Configuration"},
    {"SAVEAS", "Save Configuration As New File"},
    {"DEFAULTS", "Load Default Configuration"},
    {"QUILMARDRAVENT", "En/disable  Quilmar and Dravent infra-red control"},
    {"ZENVARA", "En/disable Zenvara high def video facilities"},
    {"EDITPROJECTOR", "Edit projectors"},
    {"EDITRS232", "Edit RS232 definitions"},
    {"EDITIR", "Edit Infrared commands"},
    {"DEFAULTEDIT", "Edit default files"},
    {"DOWNLOAD", "Donload Configuration to Controller"},
    {"HELP", "Diplay help"},
    {"ABOUT", "Display information about this program"},
    {"EXIT", "Exit "},
}};

struct Shortcut {
    const char* key;
    QKeySequence::StandardKey standard;
    // Kept where the platform's own keys for the command differ or are none.
    QKeyCombination common;
};

constexpr std::array<Shortcut, 5> Shortcuts{{
    {"NEW", QKeySequence::New, Qt::CTRL | Qt::Key_N},
    {"OPEN", QKeySequence::Open, Qt::CTRL | Qt::Key_O},
    {"SAVE", QKeySequence::Save, Qt::CTRL | Qt::Key_S},
    {"SAVEAS", QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S},
    {"EXIT", QKeySequence::Quit, Qt::CTRL | Qt::Key_Q},
}};

QList<QKeySequence> KeysOf(const Shortcut& shortcut)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(shortcut.standard);
    if (!keys.contains(QKeySequence(shortcut.common))) keys.append(QKeySequence(shortcut.common));
    return keys;
}

}  // namespace

QToolBar* MakeMainToolbar(QWidget* parent)
{
    auto* toolbar = new QToolBar(parent);
    toolbar->setObjectName("Toolbar1");
    toolbar->setMovable(false);
    toolbar->setIconSize(QSize(24, 24));
    for (const Key& key : Keys) {
        QAction* action = AddToolbarKey(*toolbar, key.key, key.tooltip);
        const QString name(key.key);
        action->setCheckable(name == "QUILMARDRAVENT" || name == "ZENVARA");
    }
    for (const Shortcut& shortcut : Shortcuts)
        toolbar->findChild<QAction*>(shortcut.key)->setShortcuts(KeysOf(shortcut));
    return toolbar;
}

QString PathFromCommandLine(QString argument)
{
    if (argument.startsWith('"')) argument.remove(0, 1);
    if (argument.endsWith('"')) argument.chop(1);
    return argument;
}
