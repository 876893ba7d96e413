#include "controls/DiscardQuestion.h"
#include "controls/QtUserPrompts.h"
#include "support/ModalDialogs.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

// The question as the user meets it: only Yes lets the work go; Return, as
// Escape, keeps it.
TEST(DiscardQuestion, OnlyYesDiscardsAndReturnAnswersNo)
{
    struct Case {
        const char* what;
        std::function<void(QMessageBox&)> answer;
        bool discarded;
    };
    const std::vector<Case> cases{
        {"Return", [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Return); }, false},
        {"Escape", [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }, false},
        {"Yes", [](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); }, true},
    };
    QtUserPrompts prompts;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QString shown;
        WhenModalOpens([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            shown = box->text();
            c.answer(*box);
        });
        EXPECT_EQ(DiscardAgreed(prompts, true), c.discarded);
        EXPECT_EQ(shown, "Do you wish to discard your changes?");
    }
    EXPECT_TRUE(DiscardAgreed(prompts, false)) << "nothing changed: nothing is asked";
}
