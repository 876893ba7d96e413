#pragma once

#include "devicelink/CaptureView.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The IR library editor's window as the capture sees it: it keeps every
// panel shown, every progress value and the port rows, and plays the user
// through OnPanel.
class RecordingCaptureView final : public CaptureView {
public:
    std::vector<CapturePanel> Panels;
    std::vector<int> Progress;
    std::vector<std::string> Calls;  // the editor's own operations, in order
    std::optional<int> Checked = 0;
    std::array<QString, PortRows> PodTypes;
    std::array<bool, PortRows> PodTypeVisible{};
    std::array<bool, PortRows> OptionEnabled{};
    std::array<bool, PortRows> OptionVisible{};
    std::array<bool, PortRows + 1> Blanking{};
    int BlankingShown = 0;
    std::function<void(CapturePanel)> OnPanel;

    void ShowPanel(CapturePanel panel) override
    {
        Panels.push_back(panel);
        if (OnPanel) OnPanel(panel);
    }
    void SetProgress(int value) override { Progress.push_back(value); }
    std::optional<int> CheckedPortRow() const override { return Checked; }
    void SetPodType(int row, const QString& text) override { PodTypes[Row(row)] = text; }
    void SetPodTypeVisible(int row, bool visible) override { PodTypeVisible[Row(row)] = visible; }
    void SetPortOption(int row, bool enabled, bool visible) override
    {
        OptionEnabled[Row(row)] = enabled;
        OptionVisible[Row(row)] = visible;
    }
    void SetBlanking(int index, bool visible) override
    {
        Blanking[static_cast<std::size_t>(index)] = visible;
        BlankingShown += visible ? 1 : 0;
    }
    void UpdateCommandButtons() override { Calls.push_back("UpdateCommandButtons"); }
    void EnableEditorControls(bool enabled) override
    {
        Calls.push_back(enabled ? "EnableEditorControls(true)" : "EnableEditorControls(false)");
    }
    void RedrawCodeView() override { Calls.push_back("RedrawCodeView"); }

private:
    static std::size_t Row(int row) { return static_cast<std::size_t>(row); }
};
