#pragma once

#include "support/ScopedVariable.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <vector>

// A device helper process on the far end of a pseudo-terminal: the
// controller unless another helper is named.
class PtyControllerProcess {
public:
    explicit PtyControllerProcess(const QString& program = TAVLO_PTY_CONTROLLER);
    ~PtyControllerProcess();

    bool Started() const { return !nearEnd_.isEmpty(); }
    // The device path the system serial port opens.
    const QString& NearEnd() const { return nearEnd_; }
    // Ends the helper and returns the file it wrote: for the controller the
    // image it received.
    std::vector<uint8_t> ReceivedImage();

private:
    QTemporaryDir folder_;
    QProcess process_;
    QString nearEnd_;
};
