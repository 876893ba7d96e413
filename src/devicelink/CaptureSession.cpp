#include "devicelink/CaptureSession.h"

#include "devicelink/CaptureView.h"
#include "devicelink/PortSearch.h"
#include "platform/SerialPort.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"

#include <QCoreApplication>
#include <array>

namespace {

std::unique_ptr<LinkTimer> MakeTimer(const CaptureSession::TimerMaker& makeTimer)
{
    return makeTimer ? makeTimer() : std::make_unique<WindowLoopTimer>();
}

}  // namespace

CaptureSession::CaptureSession(SerialPort& port, UserPrompts& prompts, const DeviceTypeTable& deviceTypes,
                               CaptureView& view, CaptureDurations durations, const TimerMaker& makeTimer)
    : port_(port),
      prompts_(prompts),
      deviceTypes_(deviceTypes),
      view_(view),
      durations_(durations),
      link_(port, flags_.EditorAbortWait, prompts, deviceTypes, MakeTimer(makeTimer)),
      powerDownTimer_(MakeTimer(makeTimer)),
      timer4_(MakeTimer(makeTimer)),
      shutDownTimer_(MakeTimer(makeTimer)),
      pod_(link_, flags_, view, prompts, durations_, *powerDownTimer_)
{
    link_.SetWaits(durations_.Link);
}

bool CaptureSession::RunCaptureSession(ConfigIRCommandRecord& captureBuffer)
{
    bool result = false;
    flags_.CaptureRetry = true;
    while (flags_.CaptureRetry) {
        flags_.CaptureRetry = false;
        flags_.CaptureCancelled = false;
        result = CaptureAttempt(captureBuffer);
        EndAttempt();
        if (flags_.EditorAbortWait) return result;
    }
    return result;
}

bool CaptureSession::CaptureAttempt(ConfigIRCommandRecord& captureBuffer)
{
    // A capture that fails part-way must not leave the buffer half new.
    ConfigIRCommandRecord capture = captureBuffer;
    const CaptureOutcome outcome = pod_.CaptureRemoteButton(capture);
    if (outcome == CaptureOutcome::Captured) {
        view_.ShowPanel(CapturePanel::Downloading);
        if (pod_.ReadCaptureMemory(capture)) {
            capture.Mode = flags_.RepeatCaptured ? 1 : 0;
            captureBuffer = capture;
            view_.RedrawCodeView();
            view_.ShowPanel(CapturePanel::DoneOk);
            timer4_->Start(durations_.ButtonCapturedMilliseconds);
            WaitWhile(*timer4_);
            timer4_->Stop();
            return true;
        }
    }
    if (link_.Interrupted()) return false;
    // A window that ran out, a cancel or no pod needs no failure panel.
    if (outcome == CaptureOutcome::Captured || outcome == CaptureOutcome::Failed) {
        view_.ShowPanel(CapturePanel::DoneFailed);
        WaitForRetryOrCancel();
    }
    return false;
}

void CaptureSession::WaitWhile(LinkTimer& timer)
{
    while (timer.IsActive() && !flags_.CaptureCancelled && !link_.Interrupted()) timer.WaitForEvents();
}

void CaptureSession::WaitForRetryOrCancel()
{
    while (!flags_.CaptureCancelled && !flags_.CaptureRetry && !link_.Interrupted())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void CaptureSession::EndAttempt()
{
    view_.ShowPanel(CapturePanel::None);
    powerDownTimer_->Stop();
    if (!flags_.PodNotFound && !link_.Interrupted()) link_.restart_unit();
    if (port_.IsOpen()) port_.Close();
}

bool CaptureSession::PlayBack(const ConfigIRCommandRecord& record)
{
    view_.EnableEditorControls(false);
    bool played = false;
    if (pod_.OpenChosenPort()) {
        bool restart = false;
        if (link_.Find_pod(restart) != 0) {
            if (pod_.UploadCaptureBuffer(record)) played = pod_.SendPodCommand(CapturePod::Play, 0);
        } else if (!link_.Interrupted()) {
            prompts_.Message("Failed to find pod for playback", "Error!", PromptButtons::Ok, PromptIcon::None);
        }
    }
    view_.EnableEditorControls(true);
    view_.UpdateCommandButtons();
    return played;
}

void CaptureSession::SearchClicked()
{
    view_.EnableEditorControls(false);
    SearchCapturePods();
    view_.EnableEditorControls(true);
    view_.UpdateCommandButtons();
}

void CaptureSession::SearchCapturePods()
{
    flags_.PortChosen = false;
    view_.UpdateCommandButtons();
    for (int row = 0; row < CaptureView::PortRows; ++row) {
        view_.SetBlanking(row, true);
        view_.SetPortOption(row, false, false);
    }
    view_.SetBlanking(CaptureView::SearchingBlanking, true);
    if (port_.IsOpen()) port_.Close();

    std::array<bool, CaptureView::PortRows> isPod{};
    for (int row = 0; row < CaptureView::PortRows; ++row) {
        port_.SetCommPort(row + 1);
        // The rows a close kept the search from show as ports that cannot be
        // opened, not as rows still being searched.
        if (!flags_.EditorAbortWait && port_.Open()) {
            bool restart = true;
            link_.Find_pod(restart);
            view_.SetPodTypeVisible(row, true);
            // Only the second answer counts: the first may come from a device just woken.
            restart = true;
            const SerialLink::DeviceIdentity identity = link_.Find_pod(restart);
            const DeviceTypeEntry* type =
                identity == 0 ? nullptr : FindDeviceTypeByReply(deviceTypes_, IdentityByte(identity));
            QString text = NoDeviceText;
            if (type != nullptr) {
                text = FromWindows1252(type->Name);
                isPod[static_cast<std::size_t>(row)] = type->Reply == CapturePodReply;
            }
            if (identity != 0) text += QString("%1.%2").arg(MajorVersion(identity)).arg(MinorVersion(identity));
            view_.SetPodType(row, text);
        } else {
            view_.SetPodType(row, NoDeviceText);
            view_.SetPodTypeVisible(row, false);
        }
        view_.SetPortOption(row, isPod[static_cast<std::size_t>(row)], false);
        if (port_.IsOpen()) port_.Close();
        view_.SetBlanking(row, false);
    }

    for (int row = 0; row < CaptureView::PortRows; ++row)
        view_.SetPortOption(row, isPod[static_cast<std::size_t>(row)], isPod[static_cast<std::size_t>(row)]);
    flags_.PortChosen = false;
    view_.SetBlanking(CaptureView::SearchingBlanking, false);
    view_.UpdateCommandButtons();
}

void CaptureSession::PortClicked()
{
    flags_.PortChosen = true;
    view_.UpdateCommandButtons();
}

void CaptureSession::CloseEditor()
{
    flags_.EditorAbortWait = true;
    powerDownTimer_->Stop();
    timer4_->Stop();
    // Every wait under way sees the flag and returns before the port goes.
    shutDownTimer_->Start(durations_.ShutDownMilliseconds);
    while (shutDownTimer_->IsActive()) shutDownTimer_->WaitForEvents();
    if (port_.IsOpen()) port_.Close();
}

void CaptureSession::AbortForClose(bool podAnsweredCapture)
{
    flags_.EditorAbortWait = true;
    if (podAnsweredCapture) restartOwed_ = true;
}

void CaptureSession::Resume()
{
    flags_.EditorAbortWait = false;
    if (!restartOwed_) return;
    view_.EnableEditorControls(false);
    if (pod_.OpenChosenPort()) link_.restart_unit();
    // Another close during the restart leaves it owed.
    restartOwed_ = flags_.EditorAbortWait;
    if (port_.IsOpen()) port_.Close();
    view_.EnableEditorControls(true);
    view_.UpdateCommandButtons();
}

void CaptureSession::EditorWindowClosing()
{
    shutDownTimer_->Stop();
    powerDownTimer_->Stop();
    timer4_->Stop();
    // The waits under way learn of the closing from the flag, not from a port
    // that has gone: nothing is sent after this.
    flags_.EditorAbortWait = true;
    if (port_.IsOpen()) port_.Close();
}
