#include "messages/ProjectorSerialEditor.h"

#include "controls/ByteValueControl.h"
#include "controls/IntegerEntry.h"
#include "controls/VolumeEditorLauncher.h"
#include "messages/MessageDialogs.h"
#include "model/ApplicationState.h"
#include "model/WorkSerialHandOff.h"
#include "platform/ObjectName.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString CountTip = "Number of bytes in this message";

}  // namespace

ProjectorSerialEditor::ProjectorSerialEditor(ApplicationState& state, QWidget* parent)
    : QDialog(parent),
      state_(state),
      cells_{.Message = state.Messages.WorkSerial,
             .ControlCodeNames = state.Names.ControlCodeNames,
             .VolumeEditor = state.Installed.Find<VolumeEditorLauncher>()}
{
    setWindowTitle("Serial String Editor");
    auto* countFrame = new QGroupBox("Number of bytes in message");
    auto* countRow = new QHBoxLayout(countFrame);
    NumberOfBytes1 = WithName(new IntegerEntry, "NumberOfBytes1");
    NumberOfBytes1->setMaximumWidth(NumberOfBytes1->sizeHint().width());
    countRow->addWidget(NumberOfBytes1);
    countRow->addStretch();

    auto* contents = new QGroupBox("Contents");
    auto* grid = new QGridLayout(contents);
    for (std::size_t i = 0; i < ByteValueControl1.size(); ++i) {
        ByteValueControl1[i] = WithName(new ByteValueControl(cells_), "ByteValueControl1", i);
        grid->addWidget(ByteValueControl1[i], static_cast<int>(i % 8), static_cast<int>(i / 8));
        connect(ByteValueControl1[i], &ByteValueControl::ModeChanged, this, &ProjectorSerialEditor::Apply);
    }

    Test = WithName(new QPushButton("Test"), "Test");
    CancelCommand = WithName(new QPushButton("Cancel"), "CancelCommand");
    Done = WithName(new QPushButton("Done"), "Done");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Test);
    buttons->addStretch();
    buttons->addWidget(CancelCommand);
    buttons->addWidget(Done);
    // Return in a byte cell finishes the edit; the count's entry keeps it.
    Done->setDefault(true);

    auto* main = new QVBoxLayout(this);
    // A form of fixed controls: always as large as they need, so no entry
    // or cell is squeezed below its text, whatever the screen.
    main->setSizeConstraint(QLayout::SetFixedSize);
    main->addWidget(countFrame);
    main->addWidget(contents);
    main->addLayout(buttons);

    connect(NumberOfBytes1, &IntegerEntry::ValueChanged, this, &ProjectorSerialEditor::EnableCellsBelowCount);
    connect(Done, &QPushButton::clicked, this, &ProjectorSerialEditor::DoneClicked);
    connect(CancelCommand, &QPushButton::clicked, this, &ProjectorSerialEditor::reject);
    connect(Test, &QPushButton::clicked, this, &ProjectorSerialEditor::TestClicked);
    Load();
}

ProjectorSerialEditor::~ProjectorSerialEditor() = default;

void ProjectorSerialEditor::Load()
{
    SerialClass& message = *state_.Messages.WorkSerial;
    backup_.CopyFrom(message);
    const RS232_String_Class& bytes = message.MyRS232StringClass();
    NumberOfBytes1->set_values(bytes.NumberOfBytes(), 0, 32, CountTip);
    for (std::size_t i = 0; i < ByteValueControl1.size(); ++i) {
        ByteValueControl* cell = ByteValueControl1[i];
        const int index = static_cast<int>(i);
        const bool inMessage = index < bytes.NumberOfBytes();
        cell->setEnabled(inMessage);
        cell->Mode(inMessage ? bytes.ContentTypes(index) : uint8_t{ContentAscii});
        cell->value(inMessage ? bytes.ContentBytes(index) : 0);
        cell->MyIndex(static_cast<uint8_t>(index + 1));
    }
    cells_.CanBeInput = state_.Messages.EditStringCanBeInput = message.CanBeInput();
}

void ProjectorSerialEditor::EnableCellsBelowCount()
{
    const int count = NumberOfBytes1->return_value();
    for (std::size_t i = 0; i < ByteValueControl1.size(); ++i)
        ByteValueControl1[i]->setEnabled(static_cast<int>(i) < count);
}

void ProjectorSerialEditor::Apply()
{
    SerialClass& message = *state_.Messages.WorkSerial;
    RS232_String_Class& bytes = message.MyRS232StringClass();
    bytes.NumberOfBytes(NumberOfBytes1->return_value());
    const auto& format = message.VolumeExtension();
    if (format) format->VolumeInsertByteNumber(0);
    NumberOfBytes1->set_values(bytes.NumberOfBytes(), 0, 32, CountTip);
    for (std::size_t i = 0; i < ByteValueControl1.size(); ++i) {
        const int index = static_cast<int>(i);
        const ByteValueControl* cell = ByteValueControl1[i];
        // Only a VARIABLE byte inside the message can take the level; a
        // message without a level format keeps its VARIABLE bytes as they are.
        if (cell->Mode() == ContentVariable && format && index < bytes.NumberOfBytes())
            format->VolumeInsertByteNumber(static_cast<int16_t>(index + 1));
        bytes.ContentBytes(index, cell->value());
        bytes.ContentTypes(index, static_cast<uint8_t>(cell->Mode()));
    }
}

void ProjectorSerialEditor::DoneClicked()
{
    Apply();
    state_.Messages.WorkSerial = nullptr;
    accept();
}

// Cancel, Escape and the close box all end here: every edit applied so far,
// by Test or by a change of type, is undone. Done has released WorkSerial.
void ProjectorSerialEditor::reject()
{
    if (state_.Messages.WorkSerial) state_.Messages.WorkSerial->CopyFrom(backup_);
    QDialog::reject();
}

void ProjectorSerialEditor::TestClicked()
{
    Apply();
    ShowProjectorSerialTestForm(state_, *state_.Messages.WorkSerial, this);
}

bool ShowSerialStringEditor(ApplicationState& state, SerialClass& message, QWidget* parent)
{
    const WorkSerialHandOff handOff(state.Messages, message);
    ProjectorSerialEditor editor(state, parent);
    return editor.exec() == QDialog::Accepted;
}
