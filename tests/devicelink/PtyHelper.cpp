#include "PtyHelper.h"

#include <QFile>

PtyDeviceProcess::PtyDeviceProcess(const QString& program, const QStringList& options)
{
    process_.start(program, QStringList{folder_.filePath("device.bin")} + options);
    if (!process_.waitForStarted(5000)) return;
    while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
    }
    nearEnd_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

PtyDeviceProcess::~PtyDeviceProcess()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

std::vector<uint8_t> PtyDeviceProcess::Finish()
{
    process_.closeWriteChannel();
    if (!process_.waitForFinished(10000)) return {};
    QFile file(folder_.filePath("device.bin"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

OnlyComPort::OnlyComPort(int commPort, const QString& device)
{
    for (int port = 1; port <= 4; ++port)
        ports_.push_back(std::make_unique<ComPortVariable>(
            port, port == commPort ? device : QString("/nonexistent/tavlo-com%1").arg(port)));
}

ControllerRecord::ControllerRecord(const std::vector<uint8_t>& file)
{
    if (file.size() != ImageSize + Blocks + 1) return;
    image.assign(file.begin(), file.begin() + ImageSize);
    timesStored.assign(file.begin() + ImageSize, file.begin() + ImageSize + Blocks);
    restarts = file.back();
}
