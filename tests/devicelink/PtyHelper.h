#pragma once

#include "support/ScopedVariable.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

// A device helper process on the far end of a pseudo-terminal, started with
// the given options (wire timing, faults): the controller unless another
// helper is named.
class PtyDeviceProcess {
public:
    explicit PtyDeviceProcess(const QString& program = TAVLO_PTY_CONTROLLER, const QStringList& options = {});
    ~PtyDeviceProcess();

    bool Started() const { return !nearEnd_.isEmpty(); }
    // The device path the system serial port opens.
    const QString& NearEnd() const { return nearEnd_; }
    // Ends the helper and returns the file it wrote: for the controller the
    // image, how often it stored each block and its restarts; for the
    // capture pod what a playback sent it.
    std::vector<uint8_t> Finish();

private:
    QTemporaryDir folder_;
    QProcess process_;
    QString nearEnd_;
};

// COM1 to COM4 for one test: the given port is the helper's terminal, the
// others do not exist.
class OnlyComPort {
public:
    OnlyComPort(int commPort, const QString& device);

private:
    std::vector<std::unique_ptr<ComPortVariable>> ports_;
};

// What the controller helper wrote.
struct ControllerRecord {
    static constexpr std::size_t ImageSize = 8192;
    static constexpr std::size_t Blocks = ImageSize / 8;

    explicit ControllerRecord(const std::vector<uint8_t>& file);
    bool Whole() const { return image.size() == ImageSize; }

    std::vector<uint8_t> image;
    std::vector<int> timesStored;  // per block
    int restarts = 0;
};
