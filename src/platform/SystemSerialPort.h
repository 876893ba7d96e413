#pragma once

#include "platform/SerialPort.h"

#include <QElapsedTimer>
#include <memory>

class QSocketNotifier;

// The system's serial ports, COMn being the device SerialDevicePath names. A
// device that cannot be opened and set up as a serial line counts as a port
// that does not exist.
class SystemSerialPort final : public SerialPort {
public:
    SystemSerialPort();
    ~SystemSerialPort() override;

    bool Open() override;
    void Close() override;
    bool IsOpen() const override { return fd_ >= 0; }
    using SerialPort::Output;
    void Output(const Bytes& bytes) override;
    Bytes Input() override;
    int InBufferCount() override;

protected:
    void ApplySettings(const SerialSettings& settings) override;

private:
    bool Configure(const SerialSettings& settings);
    void Drain();
    void SendBreakFor(int characters);
    void EndBreak();
    void ReadAvailable();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    Bytes received_;
    // Set while the line holds a break in place of bytes at a rate the port
    // cannot do.
    bool rateUnsupported_ = false;
    bool inBreak_ = false;
    QElapsedTimer breakClock_;
    qint64 breakMilliseconds_ = 0;
};
