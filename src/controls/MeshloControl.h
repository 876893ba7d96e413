#pragma once

#include <QWidget>
#include <cstdint>

class IntegerEntry;
class QCheckBox;
class QLabel;

// A check box that switches one Meshlo address on, with the entry for the
// address beside it. The host gives the entry its range and value through
// set_values and reads it back with return_value.
class MeshloControl : public QWidget {
    Q_OBJECT
public:
    explicit MeshloControl(QWidget* parent = nullptr);

    void MyAddress(bool active);
    bool MyAddress() const;
    void MyName(const QString& name);
    // The address entry's value, range and tooltip, as IntegerEntry takes them.
    void set_values(int16_t address, int16_t minimum, int16_t maximum, const QString& tooltip);
    int16_t return_value();

signals:
    // After the user ticked or cleared the box and the entry followed it.
    void ActiveChanged(bool active);
    // After a user edit of the address.
    void ValueChanged();

private:
    IntegerEntry* MeshloAddress;
    QCheckBox* ActiveCheck;
    QLabel* Label1;
};
