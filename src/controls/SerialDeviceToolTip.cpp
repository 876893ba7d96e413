#include "controls/SerialDeviceToolTip.h"

#include "platform/SerialDevice.h"

#include <QEvent>
#include <QWidget>

namespace {

// Rewrites the control's tooltip just before it is shown.
class SerialDeviceToolTip final : public QObject {
public:
    SerialDeviceToolTip(QWidget& control, int commPort)
        : QObject(&control), control_(control), ownText_(control.toolTip()), commPort_(commPort)
    {
        Update();
        control.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &control_ && event->type() == QEvent::ToolTip) Update();
        return false;
    }

private:
    void Update()
    {
        const QString device = SerialDeviceDescription(commPort_);
        control_.setToolTip(ownText_.isEmpty() ? device : ownText_ + "\n" + device);
    }

    QWidget& control_;
    QString ownText_;
    int commPort_;
};

}  // namespace

void ShowSerialDeviceInToolTip(QWidget& control, int commPort)
{
    new SerialDeviceToolTip(control, commPort);
}
