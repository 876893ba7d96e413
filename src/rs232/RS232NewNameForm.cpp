#include "rs232/RS232NewNameForm.h"

#include "controls/NameBox.h"
#include "model/ApplicationState.h"
#include "platform/ObjectName.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace {

constexpr std::size_t NameLength = RS232FileBlockClass::NameLength;

struct Column {
    const char* caption;
    const char* originalCaptionName;
    const char* originalName;
    const char* newCaptionName;
};

// Manufacturer, type and model, each caption above its name.
constexpr std::array<Column, 3> Columns{{
    {"Manufacturer", "Label3", "Label1", "Label5"},
    {"Type", "Label4", "Label2", "Label6"},
    {"Model", "Label8", "Label7", "Label9"},
}};

}  // namespace

RS232NewNameForm::RS232NewNameForm(ApplicationState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setWindowTitle("New RS232 Manufacturer/Model");
    const RS232FileBlockClass& clipboard = state_.RS232Libraries.RS232LibraryClipboard;
    const std::array<std::string, 3> names{clipboard.ManufacturerField().trimmed(), clipboard.MyTypeField().trimmed(),
                                           clipboard.ModelField().trimmed()};
    Text1 = NewNameBox("Text1", names[0], NameLength);
    Text2 = NewNameBox("Text2", names[1], NameLength);
    Text3 = NewNameBox("Text3", names[2], NameLength);
    const std::array<QLineEdit*, 3> boxes{Text1, Text2, Text3};

    auto* original = WithName(new QGroupBox("Original"), "Frame1");
    auto* originalGrid = new QGridLayout(original);
    auto* fresh = WithName(new QGroupBox("New"), "Frame2");
    auto* freshGrid = new QGridLayout(fresh);
    for (std::size_t i = 0; i < Columns.size(); ++i) {
        const Column& column = Columns[i];
        const int at = static_cast<int>(i);
        originalGrid->addWidget(WithName(new QLabel(column.caption), column.originalCaptionName), 0, at);
        originalGrid->addWidget(WithName(new QLabel(FromWindows1252(names[i])), column.originalName), 1, at);
        freshGrid->addWidget(WithName(new QLabel(column.caption), column.newCaptionName), 0, at);
        freshGrid->addWidget(boxes[i], 1, at);
        originalGrid->setColumnStretch(at, 1);
        freshGrid->setColumnStretch(at, 1);
    }

    Done = WithName(new QPushButton("Done"), "Done");
    Cancel = WithName(new QPushButton("Cancel"), "Cancel");
    Done->setDefault(true);
    connect(Done, &QPushButton::clicked, this, &RS232NewNameForm::DoneClicked);
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Done);
    buttons->addWidget(Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(original);
    layout->addWidget(fresh);
    layout->addLayout(buttons);
    setMinimumWidth(480);
}

void RS232NewNameForm::DoneClicked()
{
    // Cut to the field's length first, so the name looked up is the name stored.
    const std::string manufacturer = TakeName(*Text1, NameLength);
    const std::string type = TakeName(*Text2, NameLength);
    const std::string model = TakeName(*Text3, NameLength);
    if (Refused(manufacturer, type, model)) return;

    SerialClassGlobals& libraries = state_.RS232Libraries;
    RS232FileBlockClass& clipboard = libraries.RS232LibraryClipboard;
    clipboard.Manufacturer(manufacturer);
    clipboard.Model(model);
    clipboard.MyType(type);
    libraries.AddRS232Library();
    libraries.RS232Database[libraries.RS232Database.LastIndex()].CopyFrom(clipboard);
    accept();
}

// A blank name would add a library that the next start drops when it loads
// the database; a name in use would give the database two libraries of one name.
bool RS232NewNameForm::Refused(const std::string& manufacturer, const std::string& type, const std::string& model)
{
    const auto refuse = [this](const QString& text, const QString& title) {
        state_.Prompts().Message(text, title, PromptButtons::Ok, PromptIcon::Exclamation);
        return true;
    };
    if (manufacturer.empty()) return refuse("Cannot save as no manufacturer name has been defined!", "Sorry!");
    if (model.empty()) return refuse("Cannot save as no model name has been defined!", "Sorry!");
    if (type.empty()) return refuse("Cannot save as no equipment type has been defined!", "Sorry!");
    std::string foundManufacturer = manufacturer;
    std::string foundType = type;
    std::string foundModel = model;
    if (state_.RS232Libraries.FindRS232Library(foundManufacturer, foundType, foundModel) >= 0)
        return refuse("Equipment " + FromWindows1252(manufacturer) + " / " + FromWindows1252(type) + " / " +
                          FromWindows1252(model) + " already exists cannot paste to this name!",
                      "Sorry cannot paste");
    return false;
}

void ShowRS232NewNameForm(ApplicationState& state, QWidget* parent)
{
    RS232NewNameForm form(state, parent);
    form.exec();
}
