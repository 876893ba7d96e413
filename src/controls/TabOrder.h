#pragma once

#include <vector>

class QWidget;

// Sets the Tab order of a window to run through the controls as listed, in
// the order the user sees them. A control that takes no focus itself stands
// for the controls inside it that do (a message pane, a frame), in the order
// Tab takes them there; one with a focus proxy for its proxy (an entry's
// text box). Hidden controls keep their places for when they show.
void SetTabOrder(const std::vector<QWidget*>& controls);

// Gives the focus to the first control inside the area that Tab stops on
// and the user can see, if there is one.
void FocusFirstStop(QWidget& area);
