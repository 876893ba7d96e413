#pragma once

#include <QString>
#include <optional>

// The capture panels, shown one at a time over one another.
enum class CapturePanel { None, Press, Release, Downloading, DoneOk, DoneFailed };

// What the capture, playback and search need of the IR library editor's
// window. The editor implements it; the device link never sees a widget.
class CaptureView {
public:
    static constexpr int PortRows = 4;           // IRport, PodType and Blanking 0..3 stand for COM1..COM4
    static constexpr int SearchingBlanking = 4;  // Blanking(4), "Please Wait Searching for Pods"

    virtual ~CaptureView() = default;

    // Shows the one panel in front and hides the other four; None hides all.
    virtual void ShowPanel(CapturePanel panel) = 0;
    // ProgressBar1, 0..33.
    virtual void SetProgress(int value) = 0;

    // The row whose IRport option is selected, if any.
    virtual std::optional<int> CheckedPortRow() const = 0;
    // PodType(row).
    virtual void SetPodType(int row, const QString& text) = 0;
    virtual void SetPodTypeVisible(int row, bool visible) = 0;
    // IRport(row): its value cleared, then enabled and shown as given.
    virtual void SetPortOption(int row, bool enabled, bool visible) = 0;
    // Blanking(index), 0..4.
    virtual void SetBlanking(int index, bool visible) = 0;

    virtual void UpdateCommandButtons() = 0;
    virtual void EnableEditorControls(bool enabled) = 0;
    // IRGraph1 redrawn from the current command, reset to its start part.
    virtual void RedrawCodeView() = 0;
};
