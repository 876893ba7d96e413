#include "PtyHelper.h"

#include <QFile>

PtyControllerProcess::PtyControllerProcess(const QString& program)
{
    process_.start(program, {folder_.filePath("image.bin")});
    if (!process_.waitForStarted(5000)) return;
    while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
    }
    nearEnd_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

PtyControllerProcess::~PtyControllerProcess()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

std::vector<uint8_t> PtyControllerProcess::ReceivedImage()
{
    process_.closeWriteChannel();
    if (!process_.waitForFinished(10000)) return {};
    QFile file(folder_.filePath("image.bin"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}
