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
    // "ERROR" in red in place of the bytes, the value greyed, until the next Show.
    void ShowFault();
    void PowerUpEnabled(bool enabled);
    void HidePowerUp();

signals:
    void UpClicked();
    void DownClicked();
    void PowerUpClicked();

private:
    QLineEdit* DemoText;
    QLabel* Label4;
    QPushButton* Up;
    QPushButton* Down;
    QPushButton* PowerUp;
    bool faultShown_ = false;
};
