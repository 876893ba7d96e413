#pragma once

#include <functional>

class QWidget;

// Changes the page a window shows, `show` doing it, so that no key reaches a
// control the user does not see. The focus stays where the user sees it
// inside the page shown or inside `kept` (the tabs); from anywhere else it
// goes to the control the page had it on last, if the page still shows that
// control, else to the page's first Tab stop. A focus parked on the window
// (FocusReturn) waits there.
void ChangePage(QWidget& page, const QWidget& kept, const std::function<void()>& show);
