#pragma once

#include <QString>

class QAction;
class QToolBar;
class QWidget;

// The keys of the main window's toolbar, in their order; each key's action
// is named by the key.
enum class MainKey {
    NEW,
    OPEN,
    SAVE,
    SAVEAS,
    DEFAULTS,
    QUILMARDRAVENT,
    ZENVARA,
    EDITPROJECTOR,
    EDITRS232,
    EDITIR,
    DEFAULTEDIT,
    DOWNLOAD,
    HELP,
    ABOUT,
    EXIT,
    Count,  // not a key: the number of keys
};

// The main window's toolbar "Toolbar1": the fifteen keys in their order,
// each with its tooltip and picture; the two add-on switches are check
// buttons. Every key but HELP, which has nothing to show, answers a
// shortcut: the file keys and EXIT the platform's standard ones as well as
// Ctrl+N, O, S, Shift+S and Q; the others those of MainKeyShortcuts.
QToolBar* MakeMainToolbar(QWidget* parent);

// The key's action on a toolbar MakeMainToolbar made.
QAction* MainToolbarKey(const QToolBar& toolbar, MainKey key);

// The name of the key, as its action is named ("DEFAULTS").
const char* MainKeyName(MainKey key);

// A command line's path: one leading and one trailing double quote removed.
QString PathFromCommandLine(QString argument);
