#pragma once

#include <QWidget>

class IntegerEntry;
class QCheckBox;
class QLabel;

// A check box that switches one Meshlo address on, with the entry for the
// address beside it. The host gives the entry its range and value.
class MeshloControl : public QWidget {
    Q_OBJECT
public:
    explicit MeshloControl(QWidget* parent = nullptr);

    void MyAddress(bool active);
    bool MyAddress() const;
    void MyName(const QString& name);

    IntegerEntry* MeshloAddress;

signals:
    // After the user ticked or cleared the box and the entry followed it.
    void ActiveChanged(bool active);

private:
    QCheckBox* ActiveCheck;
    QLabel* Label1;
};
