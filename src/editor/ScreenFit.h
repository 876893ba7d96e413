#pragma once

#include <QRect>

// A window's frame brought onto the screen's free area: no larger than the
// area, and moved no further than it must to lie inside it.
QRect FrameWithin(QRect frame, const QRect& available);
