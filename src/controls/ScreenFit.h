#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// A window's frame brought onto the screen's free area: no larger than the
// area, and moved no further than it must to lie inside it.
QRect FrameWithin(QRect frame, const QRect& available);

// Room for a window on its screen: the screen's available area less what a
// window manager draws around it (title bar and borders), which is not
// known before the window is first shown.
QSize ScreenRoom(const QWidget& window);

// Sizes a window before it is shown: as its contents ask, within that room.
void FitToScreen(QWidget& window);

// Keeps a window that changes its own size, as its contents come and go,
// within the available area of its screen: whenever it grows past an edge
// it moves back in.
void KeepWithinScreen(QWidget& window);
