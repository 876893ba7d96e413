#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The test level of the volume editor and the serial test: the level's
// bytes, its value in decimal and hexadecimal, and the buttons that move it.
class LevelControls : public QWidget {
    Q_OBJECT
public:
    explicit LevelControls(QWidget* parent = nullptr);

    QLineEdit* DemoText;
    QLabel* Label4;
    QPushButton* Up;
    QPushButton* Down;
    QPushButton* PowerUp;
};
