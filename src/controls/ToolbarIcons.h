#pragma once

#include <QIcon>
#include <QString>

// The picture of a toolbar key ("NEW", "SAVEAS", ...): the desktop theme's
// icon where one means the same thing, otherwise the editor's own drawing.
QIcon ToolbarIcon(const QString& key);
