#pragma once

#include <QRect>

class QPainter;
class QPalette;

// The focus of a control that draws its own face (a message pane, a picker's
// label): a frame in the highlight colour just inside the area, thick enough
// to show over the control's own border.
void DrawFocusFrame(QPainter& painter, const QRect& area, const QPalette& palette);
