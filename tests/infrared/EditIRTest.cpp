#include "EditIRFixture.h"
#include "infrared/EnterName.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <functional>
#include <vector>

namespace {

using EditIRTest = EditIRFixture;

TEST_F(EditIRTest, OpensOnTheLibraryWithTheDatabaseNamesAndNothingShown)
{
    AddToDatabase("sony", "TV", "KV1", {"POWER"});
    AddToDatabase(" SONY ", "DVD", "D2", {"PLAY"});
    AddToDatabase("TV", "tv ", "X9", {"PLAY"});
    FillIRLibrary(Work(), "sony", " tv", "kv1 ", {"VOL UP", " POWER", "MUTE"});
    Work().Comment("  Living room  ");
    auto form = Open();

    EXPECT_EQ(form->windowTitle(), "IR Editor");
    EXPECT_EQ(NodeTexts(*form), QStringList({"MUTE", "POWER", "VOL UP"}));
    EXPECT_TRUE(Showing(*form, "NoIR"));
    EXPECT_EQ(state.IR.CurrentIRCommand, nullptr);
    auto* manufacturer = Named<QComboBox>(*form, "Manufacturer");
    auto* type = Named<QComboBox>(*form, "TypeCombo1");
    EXPECT_EQ(manufacturer->currentText(), "SONY");
    EXPECT_EQ(type->currentText(), "TV");
    EXPECT_EQ(Named<QLineEdit>(*form, "Model")->text(), "KV1");
    EXPECT_EQ(Named<QPlainTextEdit>(*form, "Notes")->toPlainText(), "Living room");
    QStringList manufacturers, types;
    for (int i = 0; i < manufacturer->count(); ++i) manufacturers << manufacturer->itemText(i);
    for (int i = 0; i < type->count(); ++i) types << type->itemText(i);
    EXPECT_EQ(manufacturers, QStringList({"SONY", "TV"}));
    EXPECT_EQ(types, QStringList({"TV", "DVD"}));
    EXPECT_FALSE(Showing(*form, "ClosingFrame"));
    EXPECT_TRUE(Showing(*form, "ControlFrame"));
    for (const char* panel : {"Press", "Release", "Downloading", "DoneOk", "DoneFailed"})
        EXPECT_FALSE(Showing(*form, panel)) << panel;
    const std::pair<const char*, const char*> captions[] = {{"AddCommand", "Add Command"},
                                                            {"Delete", "Delete Command"},
                                                            {"ReCapture", "ReCapture Command"},
                                                            {"PlayBack", "Test"},
                                                            {"MainCancel", "Cancel"},
                                                            {"Done", "Done"},
                                                            {"search", "Find  Capture Pod"},
                                                            {"Cancel_2", "OK"},
                                                            {"Cancel_3", "Abandon"},
                                                            {"Retry", "Retry"}};
    for (const auto& [name, caption] : captions) EXPECT_EQ(Button(*form, name)->text(), caption) << name;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Named<QLineEdit>(*form, "PodType", i)->text(), "");
}

TEST_F(EditIRTest, SelectionPortsAndButtons)
{
    FillIRLibrary(Work(), "SONY", "TV", "KV1", {"POWER", "MUTE"});
    auto form = Open();
    const auto enabled = [&](const char* name) { return Button(*form, name)->isEnabled(); };
    const auto expectButtons = [&](bool add, bool recapture, bool test, bool del) {
        EXPECT_EQ(enabled("AddCommand"), add);
        EXPECT_EQ(enabled("ReCapture"), recapture);
        EXPECT_EQ(enabled("PlayBack"), test);
        EXPECT_EQ(enabled("Delete"), del);
    };
    expectButtons(false, false, false, false);

    ClickNode(*form, "POWER");
    EXPECT_EQ(state.IR.CurrentIRCommand, Work().IRCommands(0));
    EXPECT_TRUE(Showing(*form, "Picture1"));
    EXPECT_EQ(Named<QLabel>(*form, "Label3")->text(), "40.0kHz");
    expectButtons(false, false, false, true);

    QTest::mouseClick(Named<QRadioButton>(*form, "IRport", 2), Qt::LeftButton);
    expectButtons(true, true, true, true);

    ClickNode(*form, "MUTE");
    EXPECT_EQ(state.IR.CurrentIRCommand, Work().IRCommands(1));

    ClickNode(*form, "");
    EXPECT_EQ(state.IR.CurrentIRCommand, nullptr);
    EXPECT_TRUE(Tree(*form)->selectedItems().isEmpty());
    EXPECT_TRUE(Showing(*form, "NoIR"));
    expectButtons(true, false, false, false);
}

TEST_F(EditIRTest, NamesAreStoredCutTrimmedAndUpperCase)
{
    FillIRLibrary(Work(), "SONY", "TV", "KV1", {"POWER", "MUTE"});
    auto form = Open();
    auto* manufacturer = Named<QComboBox>(*form, "Manufacturer")->lineEdit();
    auto* model = Named<QLineEdit>(*form, "Model");
    // Return ends the edit as leaving the field does.
    manufacturer->clear();
    QTest::keyClicks(manufacturer, "  philips ");
    QTest::keyClick(manufacturer, Qt::Key_Return);
    EXPECT_EQ(manufacturer->text(), "PHILIPS");
    model->clear();
    QTest::keyClicks(model, "abcdefghijklmnopqrst");
    QTest::keyClick(model, Qt::Key_Return);
    EXPECT_EQ(model->text(), "ABCDEFGHIJKLMNOP");
    EXPECT_TRUE(form->isVisible());
    auto* notes = Named<QPlainTextEdit>(*form, "Notes");
    notes->setPlainText(QString(170, 'n'));
    EXPECT_EQ(notes->toPlainText(), QString(160, 'n'));

    QTreeWidgetItem* node = Tree(*form)->findItems("MUTE", Qt::MatchExactly).front();
    // Cut to 16 characters before the blanks are trimmed.
    node->setText(0, "  quiet please, now ");
    EXPECT_EQ(Work().CommandAt(1)->Name(), "QUIET PLEASE,   ");
    EXPECT_EQ(node->text(0), "QUIET PLEASE,");
    node->setText(0, "aaa");
    EXPECT_EQ(Work().CommandAt(1)->Name(), "AAA             ");
    EXPECT_EQ(NodeTexts(*form), QStringList({"AAA", "POWER"}));
}

void Type(EditIR& form, const char* manufacturer, const char* type, const char* model)
{
    Named<QComboBox>(form, "Manufacturer")->setEditText(manufacturer);
    Named<QComboBox>(form, "TypeCombo1")->setEditText(type);
    Named<QLineEdit>(form, "Model")->setText(model);
}

// A new library passes the checks one by one; each refusal leaves the
// editor open, and the last Done appends the library and saves the file.
TEST_F(EditIRTest, DoneChecksANewLibraryInOrder)
{
    AddToDatabase("SONY", "TV", "KV1", {"POWER"});
    Work().Clear();
    auto form = Open();
    const struct {
        const char* manufacturer;
        const char* type;
        const char* model;
        const char* message;
        const char* title;
    } steps[] = {
        {" ", "", "", "Cannot add IR library as no manufacturer has been defined!", "No Manufacturer!"},
        {"philips", " ", "", "Cannot add IR library as no type has been defined!", "No Type!"},
        {"philips", "vcr", "", "Cannot add IR library as no model has been defined!", "No Model!"},
        {"philips", "vcr", "v1", "Cannot add IR library as no treeview1 have defined!", "No treeview1!"},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.message);
        Type(*form, step.manufacturer, step.type, step.model);
        prompts.ExpectMessage(step.message, step.title, PromptButtons::Ok, PromptIcon::Exclamation);
        Button(*form, "Done")->click();
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(state.IR.IRDatabase().Count(), 1);
    }
    EXPECT_FALSE(folder.Exists("InfraRed.DEF"));

    MakeSampleCommand(Work().AddIRCommand());
    Named<QPlainTextEdit>(*form, "Notes")->setPlainText("Hall VCR");
    Button(*form, "Done")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    ASSERT_EQ(state.IR.IRDatabase().Count(), 2);
    const IRclass& added = state.IR.IRDatabase()[1];
    EXPECT_EQ(added.ManufacturerField().trimmed(), "PHILIPS");
    EXPECT_EQ(added.IRtypeField().trimmed(), "VCR");
    EXPECT_EQ(added.ModelField().trimmed(), "V1");
    EXPECT_EQ(added.CommentField().trimmed(), "Hall VCR");
    EXPECT_EQ(added.Num_commands(), 1);
    EXPECT_TRUE(folder.Exists("InfraRed.DEF"));
}

TEST_F(EditIRTest, DoneOverTheDatabaseLibrary)
{
    const QString exists =
        "IR command library for \r\nSONY            ,DVD             ,D2              \r\nis already in the "
        "database.\r\nDo you wish to replace it with this one?";
    AddToDatabase("SONY", "TV", "KV1", {"POWER"});
    AddToDatabase("SONY", "DVD", "D2", {"PLAY"});

    // Names unchanged: the database library takes the edits without a question.
    FillIRLibrary(Work(), "SONY", "TV", "KV1", {"POWER", "MUTE"});
    auto form = Open();
    Named<QPlainTextEdit>(*form, "Notes")->setPlainText("Edited");
    Button(*form, "Done")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(state.IR.IRDatabase()[0].Num_commands(), 2);
    EXPECT_EQ(state.IR.IRDatabase()[0].CommentField().trimmed(), "Edited");

    // The names of another library: No keeps the editor open, Yes
    // overwrites that library and leaves the former one as it was.
    FillIRLibrary(Work(), "SONY", "TV", "KV1", {"POWER", "MUTE", "STOP"});
    form = Open();
    Type(*form, "sony ", "dvd", "d2");
    prompts.ExpectMessage(exists, "Library Exists?", PromptButtons::YesNo, PromptIcon::None, PromptAnswer::No);
    Button(*form, "Done")->click();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(state.IR.IRDatabase()[1].Num_commands(), 1);
    prompts.ExpectMessage(exists, "Library Exists?", PromptButtons::YesNo, PromptIcon::None, PromptAnswer::Yes);
    Button(*form, "Done")->click();
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(state.IR.IRDatabase().Count(), 2);
    EXPECT_EQ(state.IR.IRDatabase()[1].Num_commands(), 3);
    EXPECT_EQ(state.IR.IRDatabase()[0].Num_commands(), 2);
    EXPECT_EQ(state.IR.IRDatabase()[0].ModelField().trimmed(), "KV1");

    // Names that no library has, unchanged since opening: appended.
    FillIRLibrary(Work(), "JVC", "TV", "J1", {"POWER"});
    form = Open();
    Button(*form, "Done")->click();
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(state.IR.IRDatabase().Count(), 3);
    EXPECT_EQ(state.IR.IRDatabase()[2].ManufacturerField().trimmed(), "JVC");
}

TEST_F(EditIRTest, DeletingTheShownCommandAndCancelRestoring)
{
    AddToDatabase("SONY", "TV", "KV1", {"POWER", "MUTE", "STOP"});
    Work().CopyFrom(state.IR.IRDatabase()[0]);
    auto form = Open();
    ClickNode(*form, "MUTE");
    prompts.ExpectMessage("Delete button 'MUTE'", "Delete!", PromptButtons::YesNo, PromptIcon::None, PromptAnswer::No);
    Button(*form, "Delete")->click();
    EXPECT_EQ(Work().Num_commands(), 3);

    prompts.ExpectMessage("Delete button 'MUTE'", "Delete!", PromptButtons::YesNo, PromptIcon::None, PromptAnswer::Yes);
    Button(*form, "Delete")->click();
    ASSERT_EQ(Work().Num_commands(), 2);
    EXPECT_EQ(Work().CommandAt(1)->Name(), "STOP            ");
    EXPECT_EQ(NodeTexts(*form), QStringList({"POWER", "STOP"}));
    EXPECT_EQ(state.IR.CurrentIRCommand, nullptr);
    EXPECT_TRUE(Showing(*form, "NoIR"));
    EXPECT_FALSE(Button(*form, "Delete")->isEnabled());

    // The command after the deleted one is still found under its own name.
    ClickNode(*form, "STOP");
    EXPECT_EQ(state.IR.CurrentIRCommand, Work().IRCommands(1));
    EXPECT_EQ(state.IR.CurrentIRCommand->Data(IRPart::Start, 3), 3);

    Tree(*form)->findItems("POWER", Qt::MatchExactly).front()->setText(0, "off");
    Type(*form, "JVC", "VCR", "J2");
    Button(*form, "MainCancel")->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
    ASSERT_EQ(Work().Num_commands(), 3);
    EXPECT_EQ(Work().CommandAt(0)->Name(), "POWER           ");
    EXPECT_EQ(Work().CommandAt(1)->Name(), "MUTE            ");
    EXPECT_EQ(Work().ManufacturerField().trimmed(), "SONY");
    EXPECT_EQ(state.IR.IRDatabase()[0].Num_commands(), 3);
    EXPECT_FALSE(folder.Exists("InfraRed.DEF"));
}

TEST_F(EditIRTest, EnterNameAsksForANewOrAgreedName)
{
    FillIRLibrary(Work(), "SONY", "TV", "KV1", {"POWER"});
    EnterName dialog(Work(), prompts);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Enter Key Name");
    auto* text = Named<QLineEdit>(dialog, "Text1");
    prompts.ExpectMessage("Enter a key name", "Warning!", PromptButtons::Ok, PromptIcon::None);
    Button(dialog, "Ok")->click();
    EXPECT_TRUE(dialog.isVisible());

    QTest::keyClicks(text, " power");
    prompts.ExpectMessage("POWER is already recorded do you wish to replace", "Warning!", PromptButtons::YesNo,
                          PromptIcon::None, PromptAnswer::No);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    prompts.ExpectMessage("POWER is already recorded do you wish to replace", "Warning!", PromptButtons::YesNo,
                          PromptIcon::None, PromptAnswer::Yes);
    Button(dialog, "Ok")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.KeyName(), "POWER");

    // A refused name is not kept by a close that follows.
    dialog.show();
    prompts.ExpectMessage("POWER is already recorded do you wish to replace", "Warning!", PromptButtons::YesNo,
                          PromptIcon::None, PromptAnswer::No);
    Button(dialog, "Ok")->click();
    dialog.close();
    EXPECT_EQ(dialog.KeyName(), "");

    dialog.show();
    text->setText("vol up ");
    Button(dialog, "Ok")->click();
    EXPECT_EQ(dialog.KeyName(), "VOL UP");
    dialog.show();
    Button(dialog, "Cancel")->click();
    EXPECT_EQ(dialog.KeyName(), "");
}

}  // namespace
