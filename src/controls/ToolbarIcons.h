#pragma once

#include <QIcon>
#include <QString>

class QAction;
class QToolBar;

// The picture of a toolbar key ("NEW", "SAVEAS", ...): the desktop theme's
// icon where one means the same thing, otherwise the editor's own drawing.
QIcon ToolbarIcon(const QString& key);

// Adds the key's button to a toolbar: an action named by the key, with its
// tooltip and the picture of `picture` (empty: of the key itself).
QAction* AddToolbarKey(QToolBar& toolbar, const QString& key, const QString& tooltip, const QString& picture = {});
