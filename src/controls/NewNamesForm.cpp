#include "controls/NewNamesForm.h"

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

namespace {

QLabel* NamedLabel(const QString& text, const QString& name)
{
    auto* label = new QLabel(text);
    if (!name.isEmpty()) label->setObjectName(name);
    return label;
}

// The caption and its name: one beside the other in rows, or one above
// the other in columns.
void Place(QGridLayout& grid, bool captionsAbove, int at, QLabel* caption, QWidget* name)
{
    if (captionsAbove) {
        grid.addWidget(caption, 0, at);
        grid.addWidget(name, 1, at);
    } else {
        grid.addWidget(caption, at, 0);
        grid.addWidget(name, at, 1);
    }
}

}  // namespace

NewNamesForm::NewNamesForm(ApplicationState& state, NewNamesDescription description, QWidget* parent)
    : QDialog(parent), state_(state), description_(std::move(description))
{
    setWindowTitle(description_.title);
    auto* original = WithName(new QGroupBox("Original"), "Frame1");
    auto* originalGrid = new QGridLayout(original);
    auto* fresh = WithName(new QGroupBox("New"), "Frame2");
    auto* freshGrid = new QGridLayout(fresh);
    const bool above = description_.captionsAbove;
    for (std::size_t i = 0; i < description_.fields.size(); ++i) {
        const NewNameField& field = description_.fields[i];
        const int at = static_cast<int>(i);
        const QString boxName = field.boxName.isEmpty() ? "Text" + QString::number(at + 1) : field.boxName;
        Text.push_back(NewNameBox(boxName, field.original, description_.nameLength));
        Place(*originalGrid, above, at, NamedLabel(field.caption, field.originalCaptionName),
              NamedLabel(FromWindows1252(field.original), field.originalName));
        Place(*freshGrid, above, at, NamedLabel(field.caption, field.newCaptionName), Text.back());
        if (above) {
            originalGrid->setColumnStretch(at, 1);
            freshGrid->setColumnStretch(at, 1);
        }
    }
    if (!above) originalGrid->setColumnStretch(1, 1);

    Done = WithName(new QPushButton("Done"), "Done");
    Cancel = WithName(new QPushButton("Cancel"), "Cancel");
    Done->setDefault(true);
    connect(Done, &QPushButton::clicked, this, &NewNamesForm::DoneClicked);
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Done);
    buttons->addWidget(Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(original);
    layout->addWidget(fresh);
    layout->addLayout(buttons);
    setMinimumWidth(description_.minimumWidth);
}

void NewNamesForm::DoneClicked()
{
    // Every box is cut to the field's length first, so the name looked up is the name stored.
    NewNamesDescription::Names names;
    for (QLineEdit* box : Text) names.push_back(TakeName(*box, description_.nameLength));
    if (Refused(names)) return;
    description_.Add(names);
    accept();
}

// A blank name would add an entry that the next load drops or cannot find;
// a name in use would give the database two entries of one name.
bool NewNamesForm::Refused(const NewNamesDescription::Names& names)
{
    const auto refuse = [this](const QString& text, const QString& title) {
        state_.Prompts().Message(text, title, PromptButtons::Ok, PromptIcon::Exclamation);
        return true;
    };
    for (const std::size_t i : description_.blankCheckOrder)
        if (names[i].empty()) return refuse(description_.fields[i].blankText, description_.fields[i].blankTitle);
    if (description_.InUse(names)) {
        QStringList shown;
        for (const std::size_t i : description_.inUseNameOrder) shown << FromWindows1252(names[i]);
        return refuse(description_.inUseLead + shown.join(" / ") + " already exists cannot paste to this name!",
                      "Sorry cannot paste");
    }
    return false;
}
