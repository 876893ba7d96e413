#include "IRCommandSamples.h"
#include "infrared/IRGraph.h"
#include "support/NamedChild.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

class IRGraphTest : public ::testing::Test {
protected:
    IRGraphTest()
    {
        MakeSampleCommand(*withRepeat);
        SetPart(*startOnly, IRPart::Start, 4, 125, {0x90});
        SetPart(*startOnly, IRPart::Repeat, 4, 100, {0x85});
        graph.show();
        graph.reset();
    }
    QString Text(const char* name) const { return Named<QLabel>(graph, name)->text(); }
    QPushButton* Button(const char* name) const { return Named<QPushButton>(graph, name); }
    bool Visible(const char* name) const { return Named<QWidget>(graph, name)->isVisible(); }

    std::shared_ptr<IRCommandClass> withRepeat = std::make_shared<IRCommandClass>();
    std::shared_ptr<IRCommandClass> startOnly = std::make_shared<IRCommandClass>();
    std::shared_ptr<IRCommandClass> current;
    IRGraph graph{current};
};

TEST_F(IRGraphTest, ShowsNothingWithoutACommandAndBothPartsOfOne)
{
    EXPECT_TRUE(Visible("NoIR"));
    EXPECT_EQ(Text("Label8"), "No IR command to display");
    EXPECT_FALSE(Visible("Picture1"));
    graph.display(true);
    EXPECT_TRUE(Visible("NoIR"));

    current = withRepeat;
    graph.display(true);
    EXPECT_FALSE(Visible("NoIR"));
    EXPECT_TRUE(Visible("Picture1"));
    EXPECT_FALSE(Visible("Text1"));
    EXPECT_EQ(Text("Label1"), "07.2mS");
    EXPECT_EQ(Text("Label3"), "40.0kHz");
    EXPECT_EQ(Text("Label7"), "017mS");
    EXPECT_EQ(Text("Label2"), "Modulation frequency =");
    EXPECT_EQ(Text("Label6"), "Repeat time =");
    EXPECT_TRUE(Button("MainRepeat")->isVisible());
    EXPECT_EQ(Button("MainRepeat")->text(), "Show Repeat Command");
    EXPECT_EQ(Button("View")->text(), "Show Text View");

    Button("View")->click();
    EXPECT_EQ(Button("View")->text(), "Show Graphic View");
    EXPECT_TRUE(Visible("Text1"));
    EXPECT_FALSE(Visible("Picture1"));
    EXPECT_EQ(Named<QPlainTextEdit>(graph, "Text1")->toPlainText(),
              "  40.0kHz Modulation \n  01 - 00.25mS Pulsing \n  02 - 00.10mS Off \n  03 - 06.85mS Pulsing ");

    // Switching parts keeps the caption of View and brings the graph forward.
    Button("MainRepeat")->click();
    EXPECT_EQ(Button("MainRepeat")->text(), "Show Start Command");
    EXPECT_EQ(Button("View")->text(), "Show Graphic View");
    EXPECT_TRUE(Visible("Picture1"));
    EXPECT_EQ(Text("Label3"), "50.0kHz");
    EXPECT_EQ(Text("Label1"), "08.5mS");
    EXPECT_EQ(Named<QPlainTextEdit>(graph, "Text1")->toPlainText().count('\n'), 125);

    // A command without a repeat part hides the button and shows its start.
    current = startOnly;
    graph.display(false);
    EXPECT_FALSE(Button("MainRepeat")->isVisible());
    EXPECT_EQ(Text("Label3"), "40.0kHz");
    EXPECT_EQ(Text("Label1"), "00.4mS");

    // A cleared current command leaves the buttons as they were.
    current = nullptr;
    graph.display(true);
    EXPECT_TRUE(Visible("NoIR"));
    EXPECT_EQ(Button("MainRepeat")->text(), "Show Start Command");

    current = withRepeat;
    graph.display(true);
    EXPECT_EQ(Button("MainRepeat")->text(), "Show Repeat Command");
    EXPECT_EQ(Text("Label3"), "40.0kHz");
}

}  // namespace
