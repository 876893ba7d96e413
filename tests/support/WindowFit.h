#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

// Checks that a window fits an installer's laptop screen: 1366x768 device
// pixels, at whatever scaling the test runs with (CTest runs the WindowFit
// suites at 100% and 125% on such an offscreen screen).

// The primary screen is the laptop's; without it a fit would prove nothing.
bool OnLaptopScreen();
inline constexpr const char* LaptopScreenHint =
    "run on the 1366x768 screen: -platform offscreen:configfile=tests/support/LaptopScreen.json";

// The window's frame lies within the screen's available area, and every
// button that ends it (Save, Cancel, Done, OK, Close) is shown whole, not
// cut by a scroll area or a parent, and on the screen.
void ExpectFits(const QWidget& window, const std::string& view);

// A way the window changes what it shows, and what to call it.
struct WindowView {
    std::string name;
    std::function<void(QWidget&)> show;
};

// Shows the window (waiting for it to be exposed) and checks that it fits
// as it opens, in each of the given views in turn, on each tab of each of
// its tab bars, and with every check box ticked one after another; a tick
// never changes the window's width.
void ExpectEveryViewFits(QWidget& window, const std::vector<WindowView>& views = {});
