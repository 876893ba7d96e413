#pragma once

// The main window's twenty tabs in their order: the ten inputs on the first
// row (an input's tab number is the input's number), the controller's other
// settings on the second.
enum class ConfigTab : int {
    Computer1,
    Computer2,
    Computer3,
    Computer4,
    Video1,
    Video2,
    Video3,
    Video4,
    Audio1,
    Audio2,
    Microphone,
    Projector,
    ControlInputs,
    ControlOutputs,
    ControlLocking,
    Volume,
    SecondRS232,
    OtherMeshlo,
    OnOff,
    Notes,
    Count,  // not a tab: the number of tabs, whatever is appended above
};

inline constexpr int ConfigTabs = static_cast<int>(ConfigTab::Count);

constexpr int TabNumber(ConfigTab tab)
{
    return static_cast<int>(tab);
}

// Whether tab number t is an input's tab, and a computer input's.
constexpr bool IsInputTab(int t)
{
    return t >= TabNumber(ConfigTab::Computer1) && t <= TabNumber(ConfigTab::Audio2);
}
constexpr bool IsComputerTab(int t)
{
    return t >= TabNumber(ConfigTab::Computer1) && t <= TabNumber(ConfigTab::Computer4);
}

// The tab of input 0 to 9.
constexpr ConfigTab InputTab(int input)
{
    return static_cast<ConfigTab>(TabNumber(ConfigTab::Computer1) + input);
}

// The caption a tab has until the configuration changes it.
const char* DesignCaption(ConfigTab tab);
