#pragma once

#include "rs232/SerialLibraryEditSave.h"

#include <QWidget>
#include <array>
#include <cstdint>

class ApplicationState;
class QLabel;
class QLineEdit;
class SerialStringDisplay;

// One command row of the RS232 library editor: the command's index, its
// name, whether it can be received ("I") and sent ("O"), and its message.
// The row edits element MyIndex of the editor's command messages in place.
class RS232commandControl : public QWidget {
    Q_OBJECT
public:
    RS232commandControl(ApplicationState& state, LibraryCommandMessages& messages, QWidget* parent = nullptr);

    int16_t MyIndex() const { return myIndex_; }
    // Binds the row to command `index` (0 to 31).
    void MyIndex(int16_t index);
    SerialClass& MySerialClass() const { return messages_.at(static_cast<std::size_t>(myIndex_)); }

private:
    void StoreName();
    void RefreshOutputMark();
    void MessageChanged();

    LibraryCommandMessages& messages_;
    int16_t myIndex_ = 0;

    QLabel* Label1;
    QLineEdit* Command;
    std::array<QLabel*, 2> Label2{};
    SerialStringDisplay* SerialStringDisplay1;
};
