#include "rs232/RS232commandControl.h"

#include "messages/SerialStringDisplay.h"
#include "platform/FixedText.h"
#include "platform/ObjectName.h"
#include "platform/Windows1252.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QLabel* Mark(const QString& caption, const QString& tip)
{
    auto* mark = new QLabel(caption);
    mark->setToolTip(tip);
    mark->setAlignment(Qt::AlignCenter);
    // The marks keep their places whichever of them shows.
    QSizePolicy policy = mark->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    mark->setSizePolicy(policy);
    return mark;
}

}  // namespace

RS232commandControl::RS232commandControl(ApplicationState& state, LibraryCommandMessages& messages, QWidget* parent)
    : QWidget(parent), messages_(messages)
{
    Label1 = WithName(new QLabel, "Label1");
    Label1->setMinimumWidth(Label1->fontMetrics().horizontalAdvance("00") + 4);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Command = WithName(new QLineEdit, "Command");
    Command->setMaxLength(static_cast<int>(RS232FileBlockClass::NameLength));
    Command->setFixedWidth(Command->fontMetrics().horizontalAdvance(QString(18, 'W')));
    Label2[0] = WithName(Mark("I", "Can be used as INPUT RS232 serial"), "Label2", 0);
    Label2[1] = WithName(Mark("O", "Can be used as OUTPUT RS232 serial"), "Label2", 1);
    SerialStringDisplay1 = WithName(new SerialStringDisplay(state), "SerialStringDisplay1");

    auto* marks = new QVBoxLayout;
    marks->setSpacing(0);
    marks->addWidget(Label2[0]);
    marks->addWidget(Label2[1]);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(Label1);
    row->addWidget(Command);
    row->addLayout(marks);
    row->addWidget(SerialStringDisplay1, 1);

    // Stored as typed, not when the box loses the focus: a tab change rebinds
    // the row while the box may still hold the focus, and a late store would
    // give the typed name to the newly bound command.
    connect(Command, &QLineEdit::textEdited, this, &RS232commandControl::StoreName);
    connect(SerialStringDisplay1, &SerialStringDisplay::Changed, this, &RS232commandControl::MessageChanged);
    MyIndex(0);
}

void RS232commandControl::MyIndex(int16_t index)
{
    myIndex_ = index;
    Label1->setText(QString::number(index));
    SerialClass& message = MySerialClass();
    SerialStringDisplay1->SetupSerial(message);
    RefreshOutputMark();
    Command->setText(FromWindows1252(UpperCase1252(FixedText<1>::TrimSpaces(message.Command()))));
}

void RS232commandControl::StoreName()
{
    const std::string typed =
        WithoutControlCharacters(ToWindows1252(Command->text())).substr(0, RS232FileBlockClass::NameLength);
    MySerialClass().Command(FixedText<1>::TrimSpaces(UpperCase1252(typed)));
}

void RS232commandControl::RefreshOutputMark()
{
    Label2[1]->setVisible(!MySerialClass().MyRS232StringClass().ContainsIgnore());
}

// A pasted or cleared message brings another name or none: the command keeps
// the name its box shows, which is the one Save stores.
void RS232commandControl::MessageChanged()
{
    StoreName();
    RefreshOutputMark();
    SerialStringDisplay1->display(-1);
}
