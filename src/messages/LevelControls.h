#pragma once

#include "messages/LevelInsertion.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class VolumeExtensionClass;

// The test level of the volume editor and the serial test: the level's
// bytes, its value in decimal and hexadecimal, and the buttons that move it.
class LevelControls : public QWidget {
    Q_OBJECT
public:
    explicit LevelControls(QWidget* parent = nullptr);

    // The level's bytes in the format and its value; the caller has kept
    // the level within the format's range.
    void Show(int16_t level, const VolumeExtensionClass& format, RawLevelPreview rawPreview);

    QLineEdit* DemoText;
    QLabel* Label4;
    QPushButton* Up;
    QPushButton* Down;
    QPushButton* PowerUp;
};
