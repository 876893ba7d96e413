#pragma once

#include <functional>

class QWidget;

// Ctrl+Tab and Ctrl+PgDown step to the next tab of a window, Ctrl+Shift+Tab
// and Ctrl+PgUp to the previous one, whichever control of the window has
// the focus: `step` is called with 1 or -1.
void AddTabStepKeys(QWidget& window, const std::function<void(int places)>& step);

// The tab that many places on from `from` among `tabs`, wrapping round at
// either end; from no tab (-1) the steps count from the first.
int SteppedTab(int from, int places, int tabs);
