#include "infrared/NewIRName2Form.h"

#include "controls/NameBox.h"
#include "model/ApplicationState.h"
#include "model/FindByNames.h"
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

namespace {

// The IR name fields keep 16 characters.
constexpr std::size_t NameLength = 16;

void AddRow(QGridLayout& grid, int row, const QString& caption, QWidget* field)
{
    grid.addWidget(new QLabel(caption), row, 0);
    grid.addWidget(field, row, 1);
}

}  // namespace

NewIRName2Form::NewIRName2Form(ApplicationState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setWindowTitle("New IR name");
    const IRclass& clipboard = state_.IR.IRClipboard;
    const std::string manufacturer = clipboard.ManufacturerField().trimmed();
    const std::string model = clipboard.ModelField().trimmed();
    const std::string irType = clipboard.IRtypeField().trimmed();

    auto* original = WithName(new QGroupBox("Original"), "Frame1");
    auto* originalGrid = new QGridLayout(original);
    AddRow(*originalGrid, 0, "Manufacturer",
           WithName(new QLabel(FromWindows1252(manufacturer)), "OriginalManufacturer"));
    AddRow(*originalGrid, 1, "Model", WithName(new QLabel(FromWindows1252(model)), "OriginalModel"));
    AddRow(*originalGrid, 2, "Type", WithName(new QLabel(FromWindows1252(irType)), "OriginalType"));
    originalGrid->setColumnStretch(1, 1);

    Text1 = NewNameBox("Text1", manufacturer, NameLength);
    Text2 = NewNameBox("Text2", model, NameLength);
    Text3 = NewNameBox("Text3", irType, NameLength);
    auto* fresh = WithName(new QGroupBox("New"), "Frame2");
    auto* freshGrid = new QGridLayout(fresh);
    AddRow(*freshGrid, 0, "Manufacturer", Text1);
    AddRow(*freshGrid, 1, "Model", Text2);
    AddRow(*freshGrid, 2, "Type", Text3);

    Done = WithName(new QPushButton("Done"), "Done");
    Cancel = WithName(new QPushButton("Cancel"), "Cancel");
    Done->setDefault(true);
    connect(Done, &QPushButton::clicked, this, &NewIRName2Form::DoneClicked);
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Done);
    buttons->addWidget(Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(original);
    layout->addWidget(fresh);
    layout->addLayout(buttons);
    setMinimumWidth(320);
}

void NewIRName2Form::DoneClicked()
{
    const std::string manufacturer = TakeName(*Text1, NameLength);
    const std::string model = TakeName(*Text2, NameLength);
    const std::string irType = TakeName(*Text3, NameLength);
    if (Refused(manufacturer, irType, model)) return;

    IRClassGlobals& ir = state_.IR;
    ir.IRClipboard.Manufacturer(manufacturer);
    ir.IRClipboard.IRtype(irType);
    ir.IRClipboard.Model(model);
    ir.AddIRLibrary().CopyFrom(ir.IRClipboard);
    accept();
}

// A library without all three names would be dropped the next time the
// database is loaded; one under names in use would hide behind the other.
bool NewIRName2Form::Refused(const std::string& manufacturer, const std::string& irType, const std::string& model)
{
    const auto refuse = [this](const QString& text, const QString& title) {
        state_.Prompts().Message(text, title, PromptButtons::Ok, PromptIcon::Exclamation);
        return true;
    };
    if (manufacturer.empty())
        return refuse("Cannot add IR library as no manufacturer has been defined!", "No Manufacturer!");
    if (irType.empty()) return refuse("Cannot add IR library as no type has been defined!", "No Type!");
    if (model.empty()) return refuse("Cannot add IR library as no model has been defined!", "No Model!");
    std::string m = manufacturer;
    std::string t = irType;
    std::string n = model;
    if (state_.IR.FindIRLibrary(m, t, n) >= 0)
        return refuse("IR Library " + FromWindows1252(manufacturer) + " / " + FromWindows1252(irType) + " / " +
                          FromWindows1252(model) + " already exists cannot paste to this name!",
                      "Sorry cannot paste");
    return false;
}

void ShowNewIRName2Form(ApplicationState& state, QWidget* parent)
{
    NewIRName2Form form(state, parent);
    form.exec();
}
