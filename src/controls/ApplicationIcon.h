#pragma once

#include <QIcon>

// The editor's own picture: the window icon, and the icon installed for the
// desktop's menus and file managers under the same name.
QIcon ApplicationIcon();
