#include "MessageToolsFixture.h"
#include "PaneParts.h"
#include "messages/MessagePaneDialogs.h"
#include "messages/SerialStringDisplay.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

class SerialStringDisplayTest : public MessageToolsTest {
protected:
    SerialStringDisplayTest()
    {
        pane.resize(400, pane.sizeHint().height());
        message.SerialType(SerialClass::ConfigurationMessage);
        message.CanBeVariable(true);
    }

    QString Shown(std::initializer_list<std::pair<uint8_t, uint8_t>> bytes)
    {
        SetBytes(message, bytes);
        pane.SetupSerial(message);
        return pane.LineText();
    }

    QAction* Item(const QString& name) const { return MenuItem(pane, name); }

    QStringList OfferedItems() const
    {
        QStringList items;
        for (QAction* action : MenuOf(pane)->actions())
            if (action->isVisible()) items << (action->isSeparator() ? "-" : action->text());
        return items;
    }

    SerialClass message;
    SerialStringDisplay pane{state};
};

}  // namespace

TEST_F(SerialStringDisplayTest, RendersEveryContentType)
{
    EXPECT_EQ(Shown({{ContentAscii, 'A'}, {ContentAscii, 'B'}, {ContentHex, 0x0D}, {ContentHex, 0x0A}}), "AB,0Dh,0Ah");
    EXPECT_EQ(Shown({{ContentControl, 2}}), "STXc");
    EXPECT_EQ(Shown({{ContentControl, 40}}), "ERRORc");
    EXPECT_EQ(Shown({{ContentDecimal, 7}}), "007d");
    EXPECT_EQ(Shown({{ContentBinary, 5}, {ContentBinary, 0}}), "101b,0b");
    EXPECT_EQ(Shown({{ContentAscii, 9}}), QString(QChar(127)));
    EXPECT_EQ(Shown({{ContentHex, 1}, {ContentAscii, 'x'}, {ContentVariable, 0}, {ContentIgnore, 0}}),
              "01h,x,Variable,Ignore");
    EXPECT_EQ(Shown({{ContentAscii, 0xE9}}), QString::fromUtf8("é")) << "ASCII bytes are Windows-1252";
    EXPECT_EQ(Shown({}), "");
    EXPECT_TRUE(OffsetBarOf(pane)->isHidden());
}

TEST_F(SerialStringDisplayTest, ItemsAreEightPixelsACharacter)
{
    Shown({{ContentAscii, 'A'}, {ContentHex, 0x0D}, {ContentDecimal, 1}});
    EXPECT_EQ(pane.ItemPosition(0), 0);
    EXPECT_EQ(pane.ItemPosition(1), 8);
    EXPECT_EQ(pane.ItemPosition(2), 8 + 4 * 8);
    EXPECT_EQ(pane.ItemPosition(3), 8 + 4 * 8 + 5 * 8);
}

TEST_F(SerialStringDisplayTest, PaintsItemsInTheirColours)
{
    Shown({{ContentHex, 0xAA}, {ContentHex, 0xAA}});
    const QImage image = PictureOf(pane)->pixmap().toImage();
    bool red = false;
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) == QColor(255, 0, 0)) red = true;
    EXPECT_TRUE(red);
}

TEST_F(SerialStringDisplayTest, LibraryFormShowsTheTrimmedNames)
{
    SetBytes(message, {{ContentHex, 1}});
    message.IsFromLibrary(true);
    message.Manufacturer(" ACME ");
    message.MyType("PROJECTOR");
    message.Model("PJ-100");
    message.Command("POWER ON");
    pane.SetupSerial(message);
    EXPECT_EQ(pane.LineText(), "Library:ACME/PROJECTOR/PJ-100/POWER ON");
    EXPECT_TRUE(OffsetBarOf(pane)->isHidden());

    message.Command("A RATHER LONG COMMAND NAME HERE");
    message.Model("AND A LONG MODEL NAME AS WELL");
    pane.display(-1);
    const int textWidth = static_cast<int>(pane.LineText().size()) * 8;
    ASSERT_FALSE(OffsetBarOf(pane)->isHidden());
    EXPECT_EQ(OffsetBarOf(pane)->maximum(), textWidth - 400) << "one scroll unit is one pixel here";
}

TEST_F(SerialStringDisplayTest, LongLineScrollsByCharacters)
{
    SetBytes(message, {});
    for (int i = 0; i < 32; ++i) {
        message.MyRS232StringClass().ContentTypes(i, ContentDecimal);
        message.MyRS232StringClass().ContentBytes(i, 100);
    }
    message.MyRS232StringClass().NumberOfBytes(32);
    pane.SetupSerial(message);
    // 32 items of "100d" and 31 commas, then two characters after the last comma.
    const int end = 32 * 4 * 8 + 31 * 8;
    EXPECT_EQ(pane.ItemPosition(32), end);
    ASSERT_FALSE(OffsetBarOf(pane)->isHidden());
    EXPECT_EQ(OffsetBarOf(pane)->maximum(), (end + 16 - 400) / 8 + 1);
    EXPECT_EQ(OffsetBarOf(pane)->pageStep(), qRound(OffsetBarOf(pane)->maximum() / 4.0));

    pane.display(31);
    // The end of the framed item lands 16 pixels inside the right edge.
    EXPECT_EQ(OffsetBarOf(pane)->value(), (end - 400 + 16) / 8);
    pane.display(0);
    EXPECT_EQ(OffsetBarOf(pane)->value(), 0);

    message.MyRS232StringClass().NumberOfBytes(1);
    pane.display(-1);
    EXPECT_TRUE(OffsetBarOf(pane)->isHidden());
    EXPECT_EQ(OffsetBarOf(pane)->value(), 0);
}

namespace {

bool HasInkBetween(const QImage& image, int left, int right)
{
    for (int x = left; x < right; ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) != QColor(Qt::white)) return true;
    return false;
}

}  // namespace

TEST_F(SerialStringDisplayTest, ShorterLineIsDrawnWithTheNewOffset)
{
    pane.resize(150, pane.sizeHint().height());
    SetBytes(message, {});
    for (int i = 0; i < 32; ++i) {
        message.MyRS232StringClass().ContentTypes(i, ContentDecimal);
        message.MyRS232StringClass().ContentBytes(i, 100);
    }
    message.MyRS232StringClass().NumberOfBytes(32);
    pane.SetupSerial(message);
    OffsetBarOf(pane)->setValue(OffsetBarOf(pane)->maximum());

    // Twenty items end at 792 pixels; the narrowed range puts the last one at 96 to 128.
    message.MyRS232StringClass().NumberOfBytes(20);
    pane.display(-1);
    ASSERT_EQ(OffsetBarOf(pane)->value(), OffsetBarOf(pane)->maximum());
    EXPECT_TRUE(HasInkBetween(PictureOf(pane)->pixmap().toImage(), 100, 125));

    SerialClass shorter;
    SetBytes(shorter, {{ContentAscii, 'W'}});
    message.CopyFrom(shorter);
    EXPECT_TRUE(OffsetBarOf(pane)->isHidden());
    EXPECT_TRUE(HasInkBetween(PictureOf(pane)->pixmap().toImage(), 0, 8)) << "the line starts at the left edge";
}

TEST_F(SerialStringDisplayTest, MenuItemsInOrder)
{
    pane.SetupSerial(message);
    EXPECT_EQ(OfferedItems(), QStringList({"&Edit", "-", "&Copy", "C&ut", "&Paste", "C&lear", "-", "&Test"}));
    pane.EnableLibraryFunctions();
    pane.EnableCaptureFunctions();
    EXPECT_EQ(OfferedItems().size(), 8) << "no loader or capture dialog is there to open";
}

TEST_F(SerialStringDisplayTest, CopyCutPasteAndClear)
{
    SetBytes(message, {{ContentAscii, 'Q'}});
    pane.SetupSerial(message);
    QSignalSpy changed(&pane, &SerialStringDisplay::Changed);

    Item("menCopy")->trigger();
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(state.SerialClipboard.MyRS232StringClass().ContentBytes(0), 'Q');

    Item("menuCut")->trigger();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(message.MyRS232StringClass().NumberOfBytes(), 0);
    EXPECT_EQ(pane.LineText(), "");

    Item("menuPaste")->trigger();
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(pane.LineText(), "Q") << "the pasted message is redrawn";

    Item("menuDelete")->trigger();
    EXPECT_EQ(changed.count(), 3) << "a cleared message must reach the host like a cut one";
    EXPECT_EQ(message.SerialType(), -1);
    EXPECT_EQ(pane.LineText(), "");
}

TEST_F(SerialStringDisplayTest, RefusedPasteStillRaisesChanged)
{
    SetBytes(state.SerialClipboard, {{ContentIgnore, 0}});
    SetBytes(message, {{ContentAscii, 'Q'}});
    pane.SetupSerial(message);
    QSignalSpy changed(&pane, &SerialStringDisplay::Changed);
    prompts.ExpectMessage("Sorry cannot paste here as serial string contains an 'ignore' byte!", "Sorry!",
                          PromptButtons::Ok, PromptIcon::Exclamation);
    Item("menuPaste")->trigger();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(pane.LineText(), "Q");
}

// Whether a message may hold IGNORE bytes belongs to the pane's slot: Cut,
// Clear and Paste keep it, so a cut message goes back where it came from.
TEST_F(SerialStringDisplayTest, ThePaneKeepsWhetherItsMessageMayBeReceived)
{
    message.CanBeInput(true);
    SetBytes(message, {{ContentAscii, 'Q'}, {ContentIgnore, 0}});
    pane.SetupSerial(message);
    Item("menuCut")->trigger();
    EXPECT_TRUE(message.CanBeInput()) << "after Cut";
    Item("menuPaste")->trigger();
    EXPECT_EQ(pane.LineText(), "Q,Ignore") << "pasted back without a refusal";
    EXPECT_TRUE(message.CanBeInput()) << "after Paste";
    Item("menuDelete")->trigger();
    EXPECT_TRUE(message.CanBeInput()) << "after Clear";

    SerialClass output;
    output.CanBeVariable(true);
    SerialStringDisplay outputPane(state);
    outputPane.SetupSerial(output);
    SetBytes(message, {{ContentAscii, 'R'}});
    Item("menCopy")->trigger();
    MenuItem(outputPane, "menuPaste")->trigger();
    EXPECT_EQ(outputPane.LineText(), "R");
    EXPECT_FALSE(output.CanBeInput()) << "a message from an input pane brings no IGNORE into an output pane";

    SetBytes(message, {{ContentIgnore, 0}});
    Item("menCopy")->trigger();
    prompts.ExpectMessage("Sorry cannot paste here as serial string contains an 'ignore' byte!", "Sorry!",
                          PromptButtons::Ok, PromptIcon::Exclamation);
    MenuItem(outputPane, "menuPaste")->trigger();
    EXPECT_EQ(outputPane.LineText(), "R") << "still refused in an output pane";
}

TEST_F(SerialStringDisplayTest, RightClickShowsTheMenuUnlessDisabled)
{
    pane.SetupSerial(message);
    pane.show();
    QTest::mouseRelease(PictureOf(pane), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(MenuOf(pane)->isVisible());
    MenuOf(pane)->hide();
    QTest::mouseRelease(PictureOf(pane), Qt::RightButton, {}, QPoint(5, PictureOf(pane)->height() + 3));
    EXPECT_FALSE(MenuOf(pane)->isVisible()) << "a button let go off the line is no command";

    pane.DisableMenu();
    EXPECT_EQ(PictureOf(pane)->toolTip(), "");
    QTest::mouseRelease(PictureOf(pane), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(MenuOf(pane)->isVisible());
}

// Tab reaches the pane, which shows it has the focus; Return edits as a
// double click does, the menu key and Shift+F10 open the menu. A pane
// without its menu is passed by.
TEST_F(SerialStringDisplayTest, TheKeysReachThePaneAndItsCommands)
{
    QWidget window;
    auto* before = new QLineEdit(&window);
    auto* keyed = new SerialStringDisplay(state, &window);
    auto* after = new QLineEdit(&window);
    auto* column = new QVBoxLayout(&window);
    for (QWidget* part : {static_cast<QWidget*>(before), static_cast<QWidget*>(keyed), static_cast<QWidget*>(after)})
        column->addWidget(part);
    SetBytes(message, {{ContentAscii, 'A'}});
    keyed->SetupSerial(message);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto corner = [keyed] { return PictureOf(*keyed)->pixmap().toImage().pixelColor(0, 0); };
    const QColor highlight = keyed->palette().color(QPalette::Highlight);

    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(keyed->hasFocus());
    EXPECT_EQ(corner(), highlight) << "the focus is drawn";

    QString edited;
    WhenModalOpens([&edited](QWidget* modal) {
        edited = modal->windowTitle();
        modal->close();
    });
    QTest::keyClick(keyed, Qt::Key_Return);
    EXPECT_EQ(edited, "Serial String Editor");

    for (const QKeyCombination key : {QKeyCombination(Qt::Key_Menu), Qt::SHIFT | Qt::Key_F10}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        QTest::keyClick(keyed, key.key(), key.keyboardModifiers());
        EXPECT_TRUE(MenuOf(*keyed)->isVisible());
        MenuOf(*keyed)->hide();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        ASSERT_TRUE(keyed->hasFocus()) << "back from the menu";
    }

    QTest::keyClick(keyed, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    EXPECT_NE(corner(), highlight) << "the frame goes with the focus";

    keyed->DisableMenu();
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus()) << "a pane without commands is no stop";
}

TEST_F(SerialStringDisplayTest, RebindingFollowsTheNewMessage)
{
    SerialClass other;
    SetBytes(other, {{ContentAscii, 'Z'}});
    SetBytes(message, {{ContentAscii, 'Q'}});
    pane.SetupSerial(message);
    pane.SetupSerial(other);
    message.Clear();
    EXPECT_EQ(pane.LineText(), "Z") << "the old message no longer redraws the pane";
    other.CopyFrom(message);
    EXPECT_EQ(pane.LineText(), "");
    EXPECT_EQ(pane.MySerialClass(), &other);
    pane.SetupSerial(message);
}

TEST_F(SerialStringDisplayTest, FillWithReceiveStringCopiesTheLastReply)
{
    SetBytes(state.Messages.ReceivedSerial, {{ContentHex, 0x06}});
    pane.SetupSerial(message);
    pane.FillWithReceiveString();
    EXPECT_EQ(pane.LineText(), "06h");
    EXPECT_TRUE(message.MyRS232StringClass().IsSameAs(state.Messages.ReceivedSerial.MyRS232StringClass()));
}

namespace {

// A pane in a host whose RS232 tools are there: the loader and the capture
// dialog write what the test says into the work message.
// A dialog has the pane's message only while it is open, however it closes:
// none is left pointing at a message the pane may since have dropped.
TEST_F(SerialStringDisplayTest, NoDialogKeepsTheMessageOnceClosed)
{
    pane.SetupSerial(message);
    for (const char* item : {"menuTest", "menuEdit", "menuTest"}) {
        SCOPED_TRACE(item);
        WhenModalOpens([](QWidget* modal) { modal->close(); });
        Item(item)->trigger();
        EXPECT_EQ(state.Messages.WorkSerial, nullptr);
    }
}

class LoadAndCaptureTest : public SerialStringDisplayTest {
protected:
    LoadAndCaptureTest()
    {
        state.Installed.Install<RS232LibraryLoaderDialog>(std::make_unique<RecordingDialogs>(*this));
        state.Installed.Install<RS232CaptureDialog>(std::make_unique<RecordingDialogs>(*this));
        state.Installed.Install<SettingsDifferentDialog>(std::make_unique<RecordingDialogs>(*this));
        pane.EnableLibraryFunctions();
        pane.EnableCaptureFunctions();
        SetBytes(message, {{ContentAscii, 'M'}});
    }

    std::function<void(SerialClass&)> fill = [](SerialClass&) {};
    bool cancelSettings = false;
    std::vector<std::string> dialogs;

private:
    // The loader and the capture dialog write what the test says into the
    // work message; every dialog notes that it was shown.
    class RecordingDialogs final : public RS232LibraryLoaderDialog,
                                   public RS232CaptureDialog,
                                   public SettingsDifferentDialog {
    public:
        explicit RecordingDialogs(LoadAndCaptureTest& test) : test_(test) {}
        bool ShowRS232LibraryLoader(QWidget*, ApplicationState&, SerialClass& message) override
        {
            test_.dialogs.push_back("loader");
            test_.fill(message);
            return true;
        }
        bool ShowRS232CaptureForm(QWidget*, ApplicationState&, SerialClass& message) override
        {
            test_.dialogs.push_back("capture");
            test_.fill(message);
            return true;
        }
        bool ShowSettingsDifferentForm(QWidget*, ApplicationState&, SerialClass&, bool fromCapture) override
        {
            test_.dialogs.push_back(fromCapture ? "settings of capture" : "settings of library");
            return test_.cancelSettings;
        }

    private:
        LoadAndCaptureTest& test_;
    };
};

}  // namespace

TEST_F(LoadAndCaptureTest, ItemsAreOfferedOnceTheDialogsAreThere)
{
    pane.SetupSerial(message);
    EXPECT_EQ(OfferedItems(), QStringList({"&Edit", "-", "&Copy", "C&ut", "&Paste", "C&lear", "-", "&Load From Library",
                                           "C&apture From Serial Port", "-", "&Test"}));
    SerialStringDisplay other(state);
    other.EnableCaptureFunctions();
    EXPECT_FALSE(MenuItem(other, "MnuLoadFromLibrary")->isVisible());
    EXPECT_TRUE(MenuItem(other, "MenuCaptureFromSerialPort")->isVisible());
}

TEST_F(LoadAndCaptureTest, AnEqualMessageChangesNothing)
{
    pane.SetupSerial(message);
    QSignalSpy changed(&pane, &SerialStringDisplay::Changed);
    Item("MnuLoadFromLibrary")->trigger();
    EXPECT_EQ(dialogs, std::vector<std::string>{"loader"});
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(state.Messages.WorkSerial, nullptr);
}

TEST_F(LoadAndCaptureTest, SettingsOfTheHolderDecideWhetherToAsk)
{
    state.Config.Record.ControlPortBaudrate = 1;
    message.Baudrate(1);
    pane.SetupSerial(message);
    QSignalSpy changed(&pane, &SerialStringDisplay::Changed);

    fill = [](SerialClass& work) {
        work.MyRS232StringClass().ContentBytes(0, 'N');
        work.IsFromLibrary(true);
        work.Command("POWER");
    };
    Item("MnuLoadFromLibrary")->trigger();
    EXPECT_EQ(dialogs, std::vector<std::string>{"loader"}) << "same settings as the controller port";
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(pane.LineText(), "Library:///POWER");

    fill = [](SerialClass& work) { work.InterByteDelay(5); };
    cancelSettings = true;
    dialogs.clear();
    Item("MnuLoadFromLibrary")->trigger();
    EXPECT_EQ(dialogs, (std::vector<std::string>{"loader", "settings of library"}));
    EXPECT_EQ(message.InterByteDelay(), 0) << "a cancelled settings dialog leaves the message";
    EXPECT_EQ(changed.count(), 1);

    dialogs.clear();
    Item("MenuCaptureFromSerialPort")->trigger();
    EXPECT_EQ(dialogs, std::vector<std::string>{"capture"}) << "capture does not compare the delay";
    EXPECT_EQ(message.InterByteDelay(), 5);
    EXPECT_EQ(changed.count(), 2);

    fill = [](SerialClass& work) { work.Parity(2); };
    cancelSettings = false;
    dialogs.clear();
    Item("MenuCaptureFromSerialPort")->trigger();
    EXPECT_EQ(dialogs, (std::vector<std::string>{"capture", "settings of capture"}));
    EXPECT_EQ(message.Parity(), 2);
}

TEST_F(LoadAndCaptureTest, TheHolderBoundAtSetupIsTheReferenceAfterAClear)
{
    state.RS232Libraries.WorkRS232Library.Baudrate(3);
    message.SerialType(SerialClass::LibraryCommand);
    message.Baudrate(3);
    pane.SetupSerial(message);
    Item("menuDelete")->trigger();
    ASSERT_EQ(message.SerialType(), -1);
    fill = [](SerialClass& work) {
        SetBytes(work, {{ContentHex, 0x21}});
        work.Baudrate(3);
    };
    Item("MnuLoadFromLibrary")->trigger();
    EXPECT_EQ(dialogs, std::vector<std::string>{"loader"}) << "the library's settings, not none";
    EXPECT_EQ(pane.LineText(), "21h");
}

TEST_F(LoadAndCaptureTest, AnEmptiedWorkMessageReplacesTheMessage)
{
    state.Projectors.WorkProjector.Baudrate(4);
    message.SerialType(SerialClass::ProjectorMessage);
    message.Baudrate(4);
    pane.SetupSerial(message);
    QSignalSpy changed(&pane, &SerialStringDisplay::Changed);
    fill = [](SerialClass& work) { work.Clear(); };
    Item("MnuLoadFromLibrary")->trigger();
    EXPECT_EQ(dialogs, std::vector<std::string>{"loader"});
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(message.SerialType(), -1);
    EXPECT_EQ(pane.LineText(), "");
}
