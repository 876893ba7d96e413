#include "editor/MainToolbar.h"

#include "controls/ToolbarIcons.h"

#include <QAction>
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
    return toolbar;
}

QString PathFromCommandLine(QString argument)
{
    if (argument.startsWith('"')) argument.remove(0, 1);
    if (argument.endsWith('"')) argument.chop(1);
    return argument;
}
