#include "reconcile/ImportReplaceForm.h"

#include "controls/Twips.h"
#include "platform/Windows1252.h"
#include "reconcile/ImportLibraryComparison.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel* AddLabel(QWidget& parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, &parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// A choice that left the dialog open is offered again unticked.
void Untick(QRadioButton& option)
{
    option.setAutoExclusive(false);
    option.setChecked(false);
    option.setAutoExclusive(true);
}

}  // namespace

ImportReplaceForm::ImportReplaceForm(std::unique_ptr<ImportReplaceTwin> twin, QWidget* parent)
    : QDialog(parent), twin_(std::move(twin))
{
    const ImportReplaceTexts texts = twin_->Texts();
    setWindowTitle(texts.Title);

    auto* left = new QGridLayout;
    left->addWidget(MakeLibraryFrame(texts), 0, 0);
    // The per-command frames lie over the explanation and the options.
    left->addWidget(MakeExplanation(texts), 1, 0);
    EditFrameLabels = new QGroupBox(this);
    EditFrameLabels->setObjectName("EditFrameLabels");
    auto* labels = new QVBoxLayout(EditFrameLabels);
    labels->addWidget(AddLabel(*EditFrameLabels, "Label9", texts.CommandByCommand));
    EditFrameLabels->setAutoFillBackground(true);
    left->addWidget(EditFrameLabels, 1, 0);
    left->addWidget(MakeOptions(), 2, 0);
    left->addWidget(MakeEditFrame(), 2, 0);
    left->setRowStretch(3, 1);

    library_ = twin_->LookUp();
    // Without a database library of these names there is nothing to settle but keeping.
    for (QRadioButton* option : {Replace, NewName, CommandByCommand}) option->setEnabled(library_ >= 0);
    comparison_ = twin_->MakeComparison(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(TwipsToPixels(120), 0, TwipsToPixels(135), TwipsToPixels(120));
    layout->addLayout(left);
    layout->addWidget(comparison_, 0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowComparison(true);
    ShowEditFrames(false);
}

ImportReplaceForm::~ImportReplaceForm() = default;

QGroupBox* ImportReplaceForm::MakeLibraryFrame(const ImportReplaceTexts& texts)
{
    auto* frame = new QGroupBox(texts.LibraryFrame, this);
    frame->setObjectName("Frame1");
    auto* grid = new QGridLayout(frame);
    const struct {
        const char* caption;
        const char* value;
        const char* heading;
        std::string name;
    } names[] = {{"Label3", "Label1", "Manufacturer", twin_->Manufacturer()},
                 {"Label4", "Label2", "Model", twin_->Model()},
                 {"Label8", "Label7", "Type", twin_->Type()}};
    int row = 0;
    for (const auto& name : names) {
        grid->addWidget(AddLabel(*frame, name.caption, name.heading), row, 0);
        grid->addWidget(AddLabel(*frame, name.value, FromWindows1252(name.name)), row, 1);
        ++row;
    }
    return frame;
}

QWidget* ImportReplaceForm::MakeExplanation(const ImportReplaceTexts& texts)
{
    auto* frame = new QGroupBox(this);
    frame->setObjectName("Frame2");
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(AddLabel(*frame, "Label5", texts.Difference));
    layout->addWidget(AddLabel(*frame, "Label6", "Click on one of the buttons below to proceed."));
    return frame;
}

QRadioButton* ImportReplaceForm::AddOption(QWidget& box, int index, const QString& caption)
{
    auto* option = new QRadioButton(caption, &box);
    option->setObjectName("Option1_" + QString::number(index));
    box.layout()->addWidget(option);
    return option;
}

QWidget* ImportReplaceForm::MakeOptions()
{
    auto* box = new QWidget(this);
    new QVBoxLayout(box);
    QRadioButton* keep = AddOption(*box, 0, "Keep the database library, discard new library");
    Replace = AddOption(*box, 1, "Replace this library in the database with the new one");
    NewName = AddOption(*box, 2, "Add this library to my data base under a new manufacturer/model");
    CommandByCommand = AddOption(*box, 4, "Decide changes on a command by command basis");
    connect(keep, &QRadioButton::clicked, this, &ImportReplaceForm::KeepClicked);
    connect(Replace, &QRadioButton::clicked, this, &ImportReplaceForm::ReplaceClicked);
    connect(NewName, &QRadioButton::clicked, this, &ImportReplaceForm::NewNameClicked);
    connect(CommandByCommand, &QRadioButton::clicked, this, &ImportReplaceForm::CommandByCommandClicked);
    return box;
}

QPushButton* ImportReplaceForm::AddButton(QWidget& box, int index, const QString& caption)
{
    auto* button = new QPushButton(caption, &box);
    button->setObjectName("Command2_" + QString::number(index));
    button->setAutoDefault(false);
    box.layout()->addWidget(button);
    return button;
}

QWidget* ImportReplaceForm::MakeEditFrame()
{
    EditFrame = new QGroupBox(this);
    EditFrame->setObjectName("EditFrame");
    EditFrame->setAutoFillBackground(true);
    new QVBoxLayout(EditFrame);
    connect(AddButton(*EditFrame, 0, "Cancel"), &QPushButton::clicked, this, &ImportReplaceForm::CancelEditClicked);
    connect(AddButton(*EditFrame, 1, "Move ALL new to database"), &QPushButton::clicked, this,
            [this] { comparison_->SetAllMoveToDatabase(); });
    connect(AddButton(*EditFrame, 2, "Add none to database"), &QPushButton::clicked, this,
            [this] { comparison_->ClearAllMoveToDatabase(); });
    connect(AddButton(*EditFrame, 4, "Make changes"), &QPushButton::clicked, this,
            &ImportReplaceForm::MakeChangesClicked);
    return EditFrame;
}

void ImportReplaceForm::ShowComparison(bool hideDecision)
{
    if (library_ >= 0) twin_->ShowComparison(hideDecision, library_);
    // The dialog's width follows the list's, fixed by the layout.
    if (layout() != nullptr) layout()->activate();
}

void ImportReplaceForm::ShowEditFrames(bool visible)
{
    EditFrame->raise();
    EditFrameLabels->raise();
    EditFrame->setVisible(visible);
    EditFrameLabels->setVisible(visible);
}

void ImportReplaceForm::KeepClicked()
{
    reject();
}

void ImportReplaceForm::ReplaceClicked()
{
    twin_->ReplaceLibrary(library_);
    twin_->SaveDatabase();
    accept();
}

void ImportReplaceForm::NewNameClicked()
{
    twin_->AddUnderNewName(this);
    if (!twin_->BufferNamesDiffer(library_)) {
        Untick(*NewName);
        return;
    }
    twin_->SaveDatabase();
    accept();
}

void ImportReplaceForm::CommandByCommandClicked()
{
    ShowComparison(false);
    ShowEditFrames(true);
}

void ImportReplaceForm::CancelEditClicked()
{
    Untick(*CommandByCommand);
    ShowEditFrames(false);
    ShowComparison(true);
}

void ImportReplaceForm::MakeChangesClicked()
{
    std::vector<CommandComparisonRow> ticked;
    for (int i = 0; i < comparison_->TotalNumberOfCommands(); ++i) {
        if (comparison_->MoveToDatabase(i)) ticked.push_back(comparison_->Row(i));
    }
    twin_->MoveRowsToLibrary(library_, ticked);
    twin_->SaveDatabase();
    accept();
}
