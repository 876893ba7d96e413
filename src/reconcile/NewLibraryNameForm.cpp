#include "reconcile/NewLibraryNameForm.h"

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

constexpr std::size_t NameLength = 16;

// The three captions over the names, with the given control names.
void AddCaptions(QGridLayout& grid, const char* manufacturer, const char* type, const char* model)
{
    grid.addWidget(WithName(new QLabel("Manufacturer"), manufacturer), 0, 0);
    grid.addWidget(WithName(new QLabel("Type"), type), 0, 1);
    grid.addWidget(WithName(new QLabel("Model"), model), 0, 2);
}

// The name as it will be stored: trimmed, upper case and cut to the field,
// so that the search sees the very name that would be added. Shown back in
// the box.
std::string NormalisedName(QLineEdit& box)
{
    std::string name = TrimmedUpper(ToWindows1252(box.text()));
    if (name.size() > NameLength) name = TrimmedUpper(std::string_view(name).substr(0, NameLength));
    box.setText(FromWindows1252(name));
    return name;
}

}  // namespace

NewLibraryNameForm::NewLibraryNameForm(ApplicationState& state, LibraryKind kind, QWidget* parent)
    : QDialog(parent), state_(state), kind_(kind)
{
    setWindowTitle(kind == LibraryKind::IR ? "New IR Manufacturer/Type/Model" : "New RS232 Manufacture/Type/Model");
    const LibraryNames names = BufferNames(state, kind);
    const QString manufacturer = FromWindows1252(FixedText<1>::TrimSpaces(names.Manufacturer));
    const QString type = FromWindows1252(FixedText<1>::TrimSpaces(names.Type));
    const QString model = FromWindows1252(FixedText<1>::TrimSpaces(names.Model));

    auto* original = WithName(new QGroupBox("Original"), "Frame1");
    auto* originalGrid = new QGridLayout(original);
    AddCaptions(*originalGrid, "Label3", "Label8", "Label4");
    originalGrid->addWidget(WithName(new QLabel(manufacturer), "Label1"), 1, 0);
    originalGrid->addWidget(WithName(new QLabel(type), "Label7"), 1, 1);
    originalGrid->addWidget(WithName(new QLabel(model), "Label2"), 1, 2);

    auto* fresh = WithName(new QGroupBox("New"), "Frame2");
    auto* freshGrid = new QGridLayout(fresh);
    AddCaptions(*freshGrid, "Label5", "Label10", "Label6");
    Text1 = WithName(new QLineEdit(manufacturer), "Text1");
    Text3 = WithName(new QLineEdit(type), "Text3");
    Text2 = WithName(new QLineEdit(model), "Text2");
    freshGrid->addWidget(Text1, 1, 0);
    freshGrid->addWidget(Text3, 1, 1);
    freshGrid->addWidget(Text2, 1, 2);

    Done = WithName(new QPushButton("Done"), "Done");
    Cancel = WithName(new QPushButton("Cancel"), "Cancel");
    Done->setDefault(true);
    connect(Done, &QPushButton::clicked, this, &NewLibraryNameForm::DoneClicked);
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

void NewLibraryNameForm::DoneClicked()
{
    const LibraryNames names{NormalisedName(*Text1), NormalisedName(*Text3), NormalisedName(*Text2)};
    if (FindDatabaseLibrary(state_, kind_, names) >= 0) {
        const QString prefix = kind_ == LibraryKind::IR ? "IR Library " : "RS232 Library ";
        state_.Prompts().Message(prefix + FromWindows1252(names.Manufacturer) + " / " + FromWindows1252(names.Type) +
                                     " / " + FromWindows1252(names.Model) +
                                     " already exists cannot paste to this name!",
                                 "Sorry cannot paste", PromptButtons::Ok, PromptIcon::Exclamation);
        return;
    }
    RenameBuffer(state_, kind_, names);
    AppendBufferToDatabase(state_, kind_);
    accept();
}

namespace {

bool ShowNewNameForm(ApplicationState& state, LibraryKind kind, QWidget* parent)
{
    NewLibraryNameForm form(state, kind, parent);
    return form.exec() == QDialog::Accepted;
}

}  // namespace

bool ShowNewIRNameForm(ApplicationState& state, QWidget* parent)
{
    return ShowNewNameForm(state, LibraryKind::IR, parent);
}

bool ShowNewRS232NameForm(ApplicationState& state, QWidget* parent)
{
    return ShowNewNameForm(state, LibraryKind::RS232, parent);
}

bool ShowNewRs232Name2Form(ApplicationState& state, QWidget* parent)
{
    return ShowNewNameForm(state, LibraryKind::RS232, parent);
}
