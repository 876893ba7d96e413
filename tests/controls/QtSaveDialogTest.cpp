#include "controls/QtUserPrompts.h"
#include "controls/TitleRoom.h"
#include "support/ModalDialogs.h"
#include "support/TempProgramFolder.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <gtest/gtest.h>

// The dialog itself gives the extension, so that it asks about replacing the
// file that will really be written.
TEST(QtSaveDialog, ANameTypedWithoutExtensionGetsItAndAnExistingFileIsAskedAbout)
{
    TempProgramFolder folder;
    folder.WriteBytes("room-2.tvl", "old");
    FileDialogRequest request;
    request.title = "Save As";
    request.filter = "BRENLO Tavlo file (*.tvl)| *.tvl";
    request.initialFolder = QString::fromStdString(folder.path().string());
    request.promptOverwrite = true;
    request.defaultExtension = "tvl";

    QString question;
    WhenModalOpens([&question](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        WhenModalOpens([&question](QWidget* box) {
            auto* replace = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(replace, nullptr);
            question = replace->text();
            replace->button(QMessageBox::Yes)->click();
        });
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        name->setText("room-2");
        QTest::keyClick(name, Qt::Key_Return);
    });
    QtUserPrompts prompts;
    EXPECT_EQ(prompts.ChooseFileToSave(request).value_or("cancelled").toStdString(), (folder / "room-2.tvl").string());
    EXPECT_TRUE(question.startsWith("room-2.tvl already exists")) << question.toStdString();
}

// A short message under its title leaves the window manager room to show
// the title whole ("Complete", not "Co…e").
TEST(QtMessageBox, IsAsWideAsItsTitleNeeds)
{
    const std::pair<const char*, const char*> messages[] = {
        {"Tavlo programed", "Complete"},
        {"Port not open", "Error!"},
        {"Do you wish to save changes?", "Save change?"},
    };
    QtUserPrompts prompts;
    for (const auto& [text, title] : messages) {
        SCOPED_TRACE(title);
        int width = 0;
        int needed = 0;
        WhenModalOpens([&](QWidget* box) {
            width = box->width();
            needed = TitleRoomWidth(*box, box->windowTitle());
            box->close();
        });
        EXPECT_EQ(prompts.Message(text, title, PromptButtons::Ok, PromptIcon::None), PromptAnswer::Ok);
        EXPECT_GE(width, needed);
        EXPECT_GT(needed, 0);
    }
}
