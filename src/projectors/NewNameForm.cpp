#include "projectors/NewNameForm.h"

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

NewNameForm::NewNameForm(ApplicationState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setWindowTitle("New Projector Manufacturer/Model");
    const ProjectorClass& clipboard = state_.Projectors.ProjectorClipboard;
    const std::string manufacturer = clipboard.ManufacturerField().trimmed();
    const std::string model = clipboard.ModelField().trimmed();

    auto* original = WithName(new QGroupBox("Original"), "Frame1");
    auto* originalGrid = new QGridLayout(original);
    originalGrid->addWidget(new QLabel("Manufacturer"), 0, 0);
    originalGrid->addWidget(WithName(new QLabel(FromWindows1252(manufacturer)), "OriginalManufacturer"), 0, 1);
    originalGrid->addWidget(new QLabel("Model"), 1, 0);
    originalGrid->addWidget(WithName(new QLabel(FromWindows1252(model)), "OriginalModel"), 1, 1);
    originalGrid->setColumnStretch(1, 1);

    Text1 = NewNameBox("Text1", manufacturer, MaximumNameLength);
    Text2 = NewNameBox("Text2", model, MaximumNameLength);
    auto* fresh = WithName(new QGroupBox("New"), "Frame2");
    auto* freshGrid = new QGridLayout(fresh);
    freshGrid->addWidget(new QLabel("Manufacturer"), 0, 0);
    freshGrid->addWidget(Text1, 0, 1);
    freshGrid->addWidget(new QLabel("Model"), 1, 0);
    freshGrid->addWidget(Text2, 1, 1);

    Done = WithName(new QPushButton("Done"), "Done");
    Cancel = WithName(new QPushButton("Cancel"), "Cancel");
    Done->setDefault(true);
    connect(Done, &QPushButton::clicked, this, &NewNameForm::DoneClicked);
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Done);
    buttons->addWidget(Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(original);
    layout->addWidget(fresh);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

void NewNameForm::DoneClicked()
{
    const std::string manufacturer = TakeName(*Text1, MaximumNameLength);
    const std::string model = TakeName(*Text2, MaximumNameLength);
    if (Refused(manufacturer, model)) return;

    ProjectorClassGlobals& projectors = state_.Projectors;
    projectors.ProjectorClipboard.Manufacturer(manufacturer);
    projectors.ProjectorClipboard.Model(model);
    projectors.AddProjectorDefinition();
    projectors.ProjectorDatabase[projectors.ProjectorDatabase.LastIndex()].CopyFromProjectorClass(
        projectors.ProjectorClipboard);
    accept();
}

// A blank name would add a definition that can be neither found nor loaded
// again; a name in use would give the database two entries of one name.
bool NewNameForm::Refused(const std::string& manufacturer, const std::string& model)
{
    const auto refuse = [this](const QString& text, const QString& title) {
        state_.Prompts().Message(text, title, PromptButtons::Ok, PromptIcon::Exclamation);
        return true;
    };
    if (manufacturer.empty()) return refuse("Cannot save as no manufacturer name has been defined!", "Sorry!");
    if (model.empty()) return refuse("Cannot save as no model name has been defined!", "Sorry!");
    if (state_.Projectors.FindProjector(manufacturer, model) >= 0)
        return refuse("Projector " + FromWindows1252(manufacturer) + " / " + FromWindows1252(model) +
                          " already exists cannot paste to this name!",
                      "Sorry cannot paste");
    return false;
}

void ShowNewNameForm(ApplicationState& state, QWidget* parent)
{
    NewNameForm form(state, parent);
    form.exec();
}
