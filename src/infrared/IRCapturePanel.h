#pragma once

#include "devicelink/CaptureDurations.h"
#include "devicelink/CaptureView.h"

#include <QWidget>
#include <array>
#include <memory>

class ApplicationState;
class CaptureSession;
class IRGraph;
class QButtonGroup;
class QFrame;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStackedLayout;
class QTreeWidget;
class SerialPort;

// The IR library editor's lower right: its command buttons, the capture
// panels that stand in front of them while the pod works, the capture
// ports and the pod search. It owns the capture session and is what the
// session sees of the editor; the editor's command list and code view are
// enabled and redrawn through it.
class IRCapturePanel : public QWidget, public CaptureView {
    Q_OBJECT
public:
    // The pod's waits last as long as the durations say.
    IRCapturePanel(ApplicationState& state, QTreeWidget& commands, IRGraph& codeView, CaptureDurations durations,
                   QWidget* parent = nullptr);
    ~IRCapturePanel() override;

    CaptureSession& Session() { return *session_; }
    // A pod operation is running.
    bool Busy() const { return busy_; }
    // The closing notice in front, and the pod let go.
    void CloseDown();
    // The close box while the pod works: the operation ends, so that the
    // editor can ask before it closes.
    void AbortForClose();
    // Escape during a capture: clicks the Cancel of the panel in view; false
    // when no panel is.
    bool ClickPanelCancelInView();
    // The editor's own Cancel is there to press: not while the pod works or the editor closes.
    bool MainCancelInView() const;
    void ClickMainCancel();

    void ShowPanel(CapturePanel panel) override;
    void SetProgress(int value) override;
    std::optional<int> CheckedPortRow() const override;
    void SetPodType(int row, const QString& text) override;
    void SetPodTypeVisible(int row, bool visible) override;
    void SetPortOption(int row, bool enabled, bool visible) override;
    void SetBlanking(int index, bool visible) override;
    void UpdateCommandButtons() override;
    void EnableEditorControls(bool enabled) override;
    void RedrawCodeView() override;

signals:
    void AddCommandPressed();
    void DeletePressed();
    void ReCapturePressed();
    void PlayBackPressed();
    void SearchPressed();
    void MainCancelPressed();
    void DonePressed();

private:
    QWidget* BuildButtons();
    QWidget* BuildCapture();
    void ConnectControls();

    QTreeWidget& commands_;
    IRGraph& codeView_;
    bool busy_ = false;

    QStackedLayout* frontOfButtons_;
    QFrame* ControlFrame;
    QPushButton* AddCommand;
    QPushButton* Delete;
    QPushButton* ReCapture;
    QPushButton* PlayBack;
    QPushButton* MainCancel;
    QPushButton* Done;
    std::array<QRadioButton*, 4> IRport{};
    QButtonGroup* portGroup_;
    std::array<QLineEdit*, 4> PodType{};
    std::array<QStackedLayout*, 4> portRows_{};
    std::array<QFrame*, 5> Blanking{};
    QPushButton* search;
    QFrame* Press;
    QFrame* Release;
    QFrame* Downloading;
    QFrame* DoneOk;
    QFrame* DoneFailed;
    QFrame* ClosingFrame;
    QProgressBar* ProgressBar1;
    std::array<QPushButton*, 5> Cancel{};
    QPushButton* Retry;
    SerialPort* MSComm1;
    std::unique_ptr<CaptureSession> session_;
};
