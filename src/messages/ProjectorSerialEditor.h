#pragma once

#include "controls/ByteCellContext.h"
#include "model/SerialClass.h"

#include <QDialog>
#include <array>
#include <memory>

class ApplicationState;
class ByteValueControl;
class IntegerEntry;
class QPushButton;

// Edits the message in WorkSerial byte by byte, in place; Cancel puts back
// the message as it was when the dialog opened, level format included.
// Return presses Done, Escape Cancel.
class ProjectorSerialEditor : public QDialog {
    Q_OBJECT
public:
    explicit ProjectorSerialEditor(ApplicationState& state, QWidget* parent = nullptr);
    ~ProjectorSerialEditor() override;

public slots:
    void reject() override;

private:
    void Load();
    // Writes the cells into the message.
    void Apply();
    void EnableCellsBelowCount();
    void DoneClicked();
    void TestClicked();

    ApplicationState& state_;
    SerialClass backup_;
    ByteCellContext cells_;
    IntegerEntry* NumberOfBytes1;
    std::array<ByteValueControl*, 32> ByteValueControl1{};
    QPushButton* Test;
    QPushButton* CancelCommand;
    QPushButton* Done;
};
