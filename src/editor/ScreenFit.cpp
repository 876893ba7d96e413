#include "editor/ScreenFit.h"

#include <algorithm>

QRect FrameWithin(QRect frame, const QRect& available)
{
    frame.setSize(frame.size().boundedTo(available.size()));
    frame.moveLeft(std::clamp(frame.left(), available.left(), available.right() - frame.width() + 1));
    frame.moveTop(std::clamp(frame.top(), available.top(), available.bottom() - frame.height() + 1));
    return frame;
}
