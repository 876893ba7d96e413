#pragma once

#include "platform/SerialSettings.h"

#include <QObject>
#include <cstdint>
#include <string_view>
#include <vector>

// A serial port as the device link uses it: a port number, a settings text,
// open and close, output, and an input buffer that is read and emptied in
// one go. Received bytes arrive through the window loop, so a wait that
// yields to it sees the count grow.
class SerialPort : public QObject {
    Q_OBJECT
public:
    using Bytes = std::vector<uint8_t>;

    ~SerialPort() override = default;

    // The port number, COM1 being 1; changed only while the port is closed.
    void SetCommPort(int port);
    int CommPort() const { return commPort_; }

    // Opens the current port; false, and the port stays closed, when it does
    // not exist or cannot be used.
    virtual bool Open() = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Takes effect for the next byte written; bytes already written leave
    // under the settings they were written with. Throws std::invalid_argument
    // for invalid text.
    void SetSettings(std::string_view text);
    const SerialSettings& Settings() const { return settings_; }

    // Writes the bytes in one piece; nothing happens on a closed port.
    virtual void Output(const Bytes& bytes) = 0;
    void Output(uint8_t byte) { Output(Bytes{byte}); }
    // Everything received so far; the buffer is empty afterwards.
    virtual Bytes Input() = 0;
    virtual int InBufferCount() = 0;

protected:
    virtual void ApplySettings(const SerialSettings& settings) = 0;

private:
    int commPort_ = 1;
    SerialSettings settings_;
};
