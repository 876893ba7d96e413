#include "controls/DesktopLinks.h"
#include "editor/AboutForm.h"
#include "model/ApplicationState.h"
#include "platform/WholeFile.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>
#include <gtest/gtest.h>
#include <vector>

namespace {

class RecordedLinks final : public DesktopLinks {
public:
    explicit RecordedLinks(std::vector<QUrl>& opened) : opened_(opened) {}
    bool OpenLink(const QUrl& link) override
    {
        opened_.push_back(link);
        return true;
    }

private:
    std::vector<QUrl>& opened_;
};

class AboutFormTest : public ::testing::Test {
protected:
    AboutFormTest() { state.Installed.Install<DesktopLinks>(std::make_unique<RecordedLinks>(opened)); }

    QString LicenceShown(AboutForm& form) { return Named<QPlainTextEdit>(form, "RichTextBox1")->toPlainText(); }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
    std::vector<QUrl> opened;
};

}  // namespace

TEST_F(AboutFormTest, ShowsTheVersionAndTheLicenceAsText)
{
    WriteWholeFile(folder.path() / "Software License Agreement.rtf",
                   R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}\f0 LICENCE\par You may use this editor\'85})");
    AboutForm form(state);
    EXPECT_EQ(Named<QLabel>(form, "VersionLabel")->text(), "Version 1.0.17");
    EXPECT_EQ(LicenceShown(form), QString("LICENCE\nYou may use this editor\u2026"));
    EXPECT_TRUE(Named<QPlainTextEdit>(form, "RichTextBox1")->isReadOnly());
}

TEST_F(AboutFormTest, OpensWithoutALicenceFile)
{
    for (const bool present : {false, true}) {
        if (present) WriteWholeFile(folder.path() / "Software License Agreement.rtf", R"({\rtf1 {\*\x only}})");
        AboutForm form(state);
        EXPECT_EQ(LicenceShown(form), "Licence agreement not available.") << (present ? "no text" : "no file");
    }
}

TEST_F(AboutFormTest, LinksGoToTheDesktopAndCloseCloses)
{
    AboutForm form(state);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    emit Named<QLabel>(form, "WebLink")->linkActivated("#");
    emit Named<QLabel>(form, "EmailLink")->linkActivated("#");
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].host(), "www.brenlo.com");
    EXPECT_EQ(opened[1].scheme(), "mailto");
    EXPECT_EQ(opened[1].path(), "support@brenlo.com");
    EXPECT_EQ(QUrlQuery(opened[1]).queryItemValue("subject", QUrl::FullyDecoded), "XQV Editor 1.0.17");

    QTest::mouseClick(Named<QPushButton>(form, "Command1"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}
