#include "editor/ConfigTab.h"

const char* DesignCaption(ConfigTab tab)
{
    // No default: a tab without a caption does not compile.
    switch (tab) {
    case ConfigTab::Computer1: return "Computer 1";
    case ConfigTab::Computer2: return "Computer 2";
    case ConfigTab::Computer3: return "Computer 3";
    case ConfigTab::Computer4: return "Computer 4";
    case ConfigTab::Video1: return "Video 1";
    case ConfigTab::Video2: return "Video 2";
    case ConfigTab::Video3: return "Video 3";
    case ConfigTab::Video4: return "Video 4";
    case ConfigTab::Audio1: return "Audio 1";
    case ConfigTab::Audio2: return "Audio 2";
    case ConfigTab::Microphone: return "Microphone";
    case ConfigTab::Projector: return "Projector/Display";
    case ConfigTab::ControlInputs: return "Control Inputs";
    case ConfigTab::ControlOutputs: return "Control Outputs";
    case ConfigTab::ControlLocking: return "Control Locking";
    case ConfigTab::Volume: return "Volume Control";
    case ConfigTab::SecondRS232: return "2nd RS232";
    case ConfigTab::OtherMeshlo: return "Other Meshlo";
    case ConfigTab::OnOff: return "On/Off";
    case ConfigTab::Notes: return "Notes";
    case ConfigTab::Count: break;
    }
    return "";
}
