#pragma once

#include <QString>

class QToolBar;
class QWidget;

// The main window's toolbar "Toolbar1": the fifteen keys in their order,
// each an action named by its key, with its tooltip and picture; the two
// add-on switches are check buttons. The file keys and EXIT answer the
// platform's standard shortcuts as well as Ctrl+N, O, S, Shift+S and Q.
QToolBar* MakeMainToolbar(QWidget* parent);

// A command line's path: one leading and one trailing double quote removed.
QString PathFromCommandLine(QString argument);
