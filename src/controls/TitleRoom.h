#pragma once

#include <QString>

class QWidget;

// The width a window needs for a window manager to show its title whole:
// the title in a bold face of the window's font, beside room for the
// window's icon and its three buttons. A window narrower than its title
// reads "Tavl…ram" in its title bar.
int TitleRoomWidth(const QWidget& window, const QString& title);
