#pragma once

class QWidget;

// Tells in the control's tooltip which device its port number stands for,
// and whether that device exists, on a line after any tooltip it has. Told
// afresh at each showing, so an adapter plugged in meanwhile shows as present.
void ShowSerialDeviceInToolTip(QWidget& control, int commPort);
