#include "reconcile/LibraryReplaceForm.h"

#include "controls/ScreenFit.h"
#include "controls/WrappingButtons.h"
#include "model/ApplicationState.h"
#include "model/LibraryFull.h"
#include "platform/ObjectName.h"
#include "platform/Windows1252.h"
#include "reconcile/ConfigurationLibraryChanges.h"
#include "reconcile/IRConfigurationLibrary.h"
#include "reconcile/LibraryComparisonControl.h"
#include "reconcile/LibraryDatabaseSaving.h"
#include "reconcile/NewLibraryNameForm.h"
#include "reconcile/RS232ConfigurationLibrary.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The captions that differ between the IR and the RS232 dialog.
struct Captions {
    const char* Frame1;
    const char* Label5;
    std::array<const char*, 4> Options;
    const char* MoveAll;
};

const Captions IRCaptions{
    "IR Library",
    "This Infrared command library in this configuration has the same manufacturer, type and model as one in the "
    "data base but is not the same.",
    {"Replace this infrared command library in this configuration with the one in my database",
     "Replace this infrared command library in my database with the one in the configuration",
     "Add this Infrared command library in this configuration to my data base under a new manufacturer/type/model",
     "Keep this Infrared command library in the configuartion and make no changes in my data base"},
    "Move ALL new to database and use",
};

const Captions RS232Captions{
    "RS232 Library",
    "This RS232 command library in this configuration has the same manufacturer, type and model as one in the data "
    "base but is not the same.",
    {"Replace this RS232 command library in this configuration with the one in my database",
     "Replace this RS232 command library in my database with the one in the configuration",
     "Add this RS232 command library in this configuration to my data base under a new manufacturer/model",
     "Keep this RS232 command library in the configuartion and make no changes in my data base"},
    "Move ALL new to database and new",
};

QLabel* WrappedLabel(const QString& text, const QString& name)
{
    auto* label = WithName(new QLabel(text), name);
    label->setWordWrap(true);
    return label;
}

// The names stand one under the other, each after its caption, so that the
// frame stays narrow beside the command list.
QGroupBox* LibraryNamesFrame(const Captions& captions, const LibraryNames& names)
{
    auto* frame = WithName(new QGroupBox(captions.Frame1), "Frame1");
    auto* grid = new QGridLayout(frame);
    const std::pair<const char*, const char*> captionLabels[] = {
        {"Label3", "Manufacturer"}, {"Label8", "Type"}, {"Label4", "Model"}};
    const std::pair<const char*, std::string> nameLabels[] = {
        {"Label1", names.Manufacturer}, {"Label7", names.Type}, {"Label2", names.Model}};
    for (int row = 0; row < 3; ++row) {
        const auto r = static_cast<std::size_t>(row);
        grid->addWidget(WithName(new QLabel(captionLabels[r].second), captionLabels[r].first), row, 0);
        grid->addWidget(
            WithName(new QLabel(FromWindows1252(FixedText<1>::TrimSpaces(nameLabels[r].second))), nameLabels[r].first),
            row, 1);
    }
    grid->setColumnStretch(1, 1);
    return frame;
}

// Buttons in rows of `perRow`, under the widget `above` if there is one;
// long captions wrap.
template <std::size_t N>
QGroupBox* ButtonFrame(const QString& title, const QString& name, const QString& buttonName,
                       const std::array<const char*, N>& captions, std::array<QPushButton*, N>& buttons, int perRow = 1,
                       QWidget* above = nullptr)
{
    auto* frame = WithName(new QGroupBox(title), name);
    auto* layout = new QGridLayout(frame);
    const int firstRow = above ? 1 : 0;
    if (above) layout->addWidget(above, 0, 0, 1, perRow);
    for (std::size_t i = 0; i < N; ++i) {
        buttons[i] = WithName(new WrappingPushButton(captions[i]), buttonName, i);
        const int place = static_cast<int>(i);
        layout->addWidget(buttons[i], firstRow + place / perRow, place % perRow);
    }
    return frame;
}

}  // namespace

LibraryReplaceForm::LibraryReplaceForm(ApplicationState& state, std::unique_ptr<ConfigurationLibrary> library,
                                       QWidget* parent)
    : QDialog(parent), state_(state), library_(std::move(library))
{
    const LibraryKind kind = library_->Kind();
    const Captions& captions = kind == LibraryKind::IR ? IRCaptions : RS232Captions;
    setWindowTitle("Replace Infrared Configuration?");

    auto* left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(LibraryNamesFrame(captions, BufferNames(state, kind)));

    Frame2 = WithName(new QGroupBox, "Frame2");
    auto* explanation = new QVBoxLayout(Frame2);
    explanation->addWidget(WrappedLabel(captions.Label5, "Label5"));
    explanation->addWidget(WrappedLabel("Click on one of the buttons below to proceed.", "Label6"));
    left->addWidget(Frame2);

    EditFrameLabels = WithName(new QGroupBox, "EditFrameLabels");
    auto* editLabels = new QVBoxLayout(EditFrameLabels);
    // The list beside it takes the room: the caption wraps to the names' width.
    QLabel* choose = WrappedLabel("Select changes by individual infrared commands in the libraries", "Label9");
    QSizePolicy narrow(QSizePolicy::Ignored, QSizePolicy::Preferred);
    narrow.setHeightForWidth(true);
    choose->setSizePolicy(narrow);
    editLabels->addWidget(choose);
    left->addWidget(EditFrameLabels);

    options_ = new QWidget;
    auto* optionsLayout = new QVBoxLayout(options_);
    optionsLayout->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < Option1.size(); ++i) {
        const QString caption = i < 4 ? captions.Options[i] : "Decide changes on a command by command basis";
        Option1[i] = WithName(new WrappingRadioButton(caption), "Option1", i);
        // Each option stands alone, so one that left the dialog open can be clicked again.
        Option1[i]->setAutoExclusive(false);
        optionsLayout->addWidget(Option1[i]);
    }
    left->addWidget(options_);

    // Under the list, whose choice columns leave no room beside it.
    EditFrame =
        ButtonFrame("", "EditFrame", "Command2",
                    std::array<const char*, 5>{"Cancel", captions.MoveAll, "Use ALL from new and don't add to database",
                                               "Use All from database and discard new", "Make changes"},
                    Command2, 3);

    std::array<QPushButton*, 3> missingButtons{};
    Text1 = WithName(new QPlainTextEdit, "Text1");
    Text1->setReadOnly(true);
    CommandMissingFrame = ButtonFrame(
        "Replacing commands from database but some missing", "CommandMissingFrame", "Command3",
        std::array<const char*, 3>{
            "Cancel", "Replace all available commands from database and remove any missing commands from configuration",
            "Replace all available commands from database and keep original commands for missing commands"},
        missingButtons, 1, Text1);
    Command3 = missingButtons;
    left->addWidget(CommandMissingFrame);
    left->addStretch();

    comparison_ = new LibraryComparisonControl(kind);
    auto* right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(comparison_);
    right->addWidget(EditFrame);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    auto* leftHolder = new QWidget;
    leftHolder->setLayout(left);
    auto* rightHolder = new QWidget;
    rightHolder->setLayout(right);
    layout->addWidget(leftHolder);
    layout->addWidget(rightHolder);
    // The dialog follows the list's width as its choice columns come and go,
    // and stays on the screen as it grows.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    KeepWithinScreen(*this);

    connect(Option1[0], &QRadioButton::clicked, this, &LibraryReplaceForm::ReplaceInConfigurationClicked);
    connect(Option1[1], &QRadioButton::clicked, this, &LibraryReplaceForm::ReplaceInDatabaseClicked);
    connect(Option1[2], &QRadioButton::clicked, this, &LibraryReplaceForm::AddUnderNewNameClicked);
    connect(Option1[3], &QRadioButton::clicked, this, &LibraryReplaceForm::KeepClicked);
    connect(Option1[4], &QRadioButton::clicked, this, &LibraryReplaceForm::DecideByCommandClicked);
    connect(Command2[0], &QPushButton::clicked, this, &LibraryReplaceForm::CancelEditClicked);
    connect(Command2[1], &QPushButton::clicked, comparison_, &LibraryComparisonControl::SetAllMoveNewAndUse);
    connect(Command2[2], &QPushButton::clicked, comparison_, &LibraryComparisonControl::SetAllUseNewDontAdd);
    connect(Command2[3], &QPushButton::clicked, comparison_, &LibraryComparisonControl::SetAllUseDatabaseAndDiscard);
    connect(Command2[4], &QPushButton::clicked, this, &LibraryReplaceForm::MakeChangesClicked);
    connect(Command3[0], &QPushButton::clicked, this, &LibraryReplaceForm::ShowOptions);
    connect(Command3[1], &QPushButton::clicked, this, [this] {
        ReplaceFromDatabase(*library_, true);
        SaveAndClose();
    });
    connect(Command3[2], &QPushButton::clicked, this, [this] {
        ReplaceFromDatabase(*library_, false);
        SaveAndClose();
    });

    ShowList(true);
    ShowOptions();
}

LibraryReplaceForm::~LibraryReplaceForm() = default;

void LibraryReplaceForm::ShowOptions()
{
    EditFrameLabels->hide();
    EditFrame->hide();
    CommandMissingFrame->hide();
    Frame2->show();
    options_->show();
}

void LibraryReplaceForm::ShowOver(QWidget& frameOverExplanation, QWidget& frameOverOptions)
{
    Frame2->hide();
    options_->hide();
    frameOverExplanation.show();
    frameOverOptions.show();
}

void LibraryReplaceForm::ShowList(bool displayOnly)
{
    comparison_->Show(displayOnly, *library_);
}

void LibraryReplaceForm::SaveAndClose()
{
    SaveLibraryDatabaseReporting(state_, library_->Kind());
    accept();
}

void LibraryReplaceForm::ReplaceInConfigurationClicked()
{
    const std::vector<std::string> missing = MissingCommands(*library_);
    if (missing.empty()) {
        ReplaceFromDatabase(*library_, false);
        SaveAndClose();
        return;
    }
    Text1->setPlainText(FromWindows1252(MissingCommandsText(missing)).replace("\r\n", "\n"));
    Option1[0]->setChecked(false);
    Frame2->hide();
    options_->hide();
    CommandMissingFrame->show();
}

void LibraryReplaceForm::ReplaceInDatabaseClicked()
{
    library_->ReplaceDatabaseLibrary();
    SaveAndClose();
}

void LibraryReplaceForm::AddUnderNewNameClicked()
{
    if (library_->Kind() == LibraryKind::IR) {
        ShowNewIRNameForm(state_, this);
    } else {
        ShowNewRS232NameForm(state_, this);
    }
    // The configuration keeps its library names, and so the database's library.
    if (library_->BufferRenamed()) {
        SaveAndClose();
        return;
    }
    Option1[2]->setChecked(false);
}

void LibraryReplaceForm::KeepClicked()
{
    UntieAll(*library_);
    SaveAndClose();
}

void LibraryReplaceForm::DecideByCommandClicked()
{
    Option1[4]->setChecked(true);
    ShowList(false);
    ShowOver(*EditFrameLabels, *EditFrame);
}

void LibraryReplaceForm::CancelEditClicked()
{
    Option1[4]->setChecked(false);
    ShowOptions();
    ShowList(true);
}

void LibraryReplaceForm::MakeChangesClicked()
{
    const std::vector<std::string> refused = comparison_->ApplyChoices(*library_);
    const int mostCommands =
        library_->Kind() == LibraryKind::IR ? IRclass::MaximumCommands : RS232FileBlockClass::Commands;
    ReportLibraryFull(state_.Prompts(), mostCommands, refused);
    SaveAndClose();
}

namespace {

void ShowReplaceForm(ApplicationState& state, LibraryKind kind, QWidget* parent)
{
    const int index = FindBufferInDatabase(state, kind);
    if (index < 0) return;
    std::unique_ptr<ConfigurationLibrary> library;
    if (kind == LibraryKind::IR) {
        library = std::make_unique<IRConfigurationLibrary>(state, index);
    } else {
        library = std::make_unique<RS232ConfigurationLibrary>(state, index);
    }
    LibraryReplaceForm form(state, std::move(library), parent);
    form.exec();
}

}  // namespace

void ShowIRreplaceForm(ApplicationState& state, QWidget* parent)
{
    ShowReplaceForm(state, LibraryKind::IR, parent);
}

void ShowRS232ReplaceForm(ApplicationState& state, QWidget* parent)
{
    ShowReplaceForm(state, LibraryKind::RS232, parent);
}
