#include "messages/MessageToolsFixture.h"
#include "messages/PaneParts.h"
#include "messages/SerialStringDisplay.h"
#include "rs232/RS232LibraryLoader.h"
#include "rs232/RS232LibraryLoaderOrder.h"
#include "rs232/RS232LoaderEquipmentTree.h"
#include "rs232/RS232SettingsDiferentForm.h"
#include "support/NamedChild.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>
#include <string>
#include <vector>

namespace {

struct CommandSpec {
    std::string name;
    std::vector<std::pair<uint8_t, uint8_t>> bytes;
};

// Libraries made in the database as a user's library editor would leave them.
class RS232LibraryLoaderTest : public MessageToolsTest {
protected:
    RS232FileBlockClass& AddLibrary(const std::string& manufacturer, const std::string& type, const std::string& model,
                                    const std::vector<CommandSpec>& commands)
    {
        state.RS232Libraries.AddRS232Library();
        RS232FileBlockClass& library =
            state.RS232Libraries.RS232Database()[state.RS232Libraries.RS232Database().LastIndex()];
        library.Clear();
        library.Manufacturer(manufacturer);
        library.MyType(type);
        library.Model(model);
        library.Notes("Notes of " + model);
        int slot = 0;
        for (const CommandSpec& command : commands) {
            library.Command(slot, command.name);
            RS232_String_Class& string = library.My_RS232_String_Class(slot);
            int i = 0;
            for (const auto& [kind, value] : command.bytes) {
                string.ContentTypes(i, kind);
                string.ContentBytes(i, value);
                ++i;
            }
            string.NumberOfBytes(i);
            ++slot;
        }
        return library;
    }

    std::vector<std::string> Models() const
    {
        std::vector<std::string> models;
        const auto& database = state.RS232Libraries.RS232Database();
        models.reserve(static_cast<std::size_t>(database.Count()));
        for (int i = 0; i < database.Count(); ++i) models.push_back(database[i].ModelField().trimmed());
        return models;
    }

    static QStringList Texts(const QTreeWidget* list)
    {
        QStringList texts;
        for (int i = 0; i < list->topLevelItemCount(); ++i) texts << list->topLevelItem(i)->text(0);
        return texts;
    }

    // Opens the loader non-modally on the message and waits for its tree.
    std::unique_ptr<RS232LibraryLoader> Open()
    {
        state.Messages.WorkSerial = &work;
        auto dialog = std::make_unique<RS232LibraryLoader>(state);
        dialog->show();
        auto* timer = Named<QTimer>(*dialog, "Timer1");
        EXPECT_TRUE(QTest::qWaitFor([timer] { return !timer->isActive(); }, 3000));
        return dialog;
    }

    // A message's name fields are 32 characters long.
    static std::string Padded(const std::string& name) { return name + std::string(32 - name.size(), ' '); }

    SerialClass work;
};

TEST_F(RS232LibraryLoaderTest, SortsTheDatabaseInPlaceAndListsNamedAllowedCommandsByName)
{
    AddLibrary("SONY", "VCR", "B2", {});
    AddLibrary("ACME", "PROJ", "Z9", {});
    AddLibrary("SONY", "DVD", "A1", {});
    AddLibrary("ACME", "PROJ", "K3", {});
    AddLibrary("BETA", "DVD", "C5", {});
    auto& database = state.RS232Libraries.RS232Database();
    SortLibrariesForTree(database, LoaderSortOrder::ByManufacturer);
    EXPECT_EQ(Models(), (std::vector<std::string>{"K3", "Z9", "C5", "A1", "B2"}));
    SortLibrariesForTree(database, LoaderSortOrder::ByType);
    EXPECT_EQ(Models(), (std::vector<std::string>{"C5", "A1", "K3", "Z9", "B2"}));
    EXPECT_EQ(TreeKeysOf(database[0], LoaderSortOrder::ByType).leaf, (LoaderTreePath{"DVD", "BETA", "C5"}));
    EXPECT_EQ(TreeKeysOf(database[0], LoaderSortOrder::ByManufacturer).level2, (LoaderTreePath{"BETA", "DVD"}));

    RS232FileBlockClass& library = AddLibrary("ACME", "PROJ", "P1",
                                              {{"power", {{ContentHex, 1}}},
                                               {"", {{ContentHex, 2}}},
                                               {"STATUS", {{ContentHex, 3}, {ContentIgnore, 0}}},
                                               {"  AUX", {}},
                                               {"INPUT", {{ContentHex, 4}}}});
    EXPECT_EQ(CountNamedCommands(library), 4);
    // Stored names compare by byte: the leading spaces and lower case count.
    EXPECT_EQ(CommandsToList(library, false), (std::vector<int>{3, 4, 0}));
    EXPECT_EQ(CommandsToList(library, true), (std::vector<int>{3, 4, 2, 0}));
}

TEST_F(RS232LibraryLoaderTest, NamesHoldingAHashStayOnTheirOwnPath)
{
    AddLibrary("A#B", "C", "M1", {});
    AddLibrary("A", "B#C", "M2", {});
    auto dialog = Open();
    auto* tree = Named<QTreeWidget>(*dialog, "treeview1");
    ASSERT_EQ(Texts(tree), (QStringList{"A", "A#B"}));
    for (const auto& [root, type, model] : {std::tuple{0, "B#C", "M2"}, std::tuple{1, "C", "M1"}}) {
        ASSERT_EQ(tree->topLevelItem(root)->childCount(), 1) << root;
        const QTreeWidgetItem* typeNode = tree->topLevelItem(root)->child(0);
        EXPECT_EQ(typeNode->text(0), type);
        ASSERT_EQ(typeNode->childCount(), 1) << type;
        EXPECT_EQ(typeNode->child(0)->text(0), model);
    }
}

// Names equal but for leading spaces sort apart, yet share one node; of
// libraries with equal names the first is preselected.
TEST_F(RS232LibraryLoaderTest, NamesEqualOnceTrimmedShareANodeWhereverTheySort)
{
    AddLibrary(" ACME", "TV", "M1", {});
    AddLibrary("0EM", "DVD", "X1", {});
    AddLibrary("ACME", " TV", "M2", {});
    AddLibrary("ACME", "PROJ", "P1", {});
    AddLibrary("ACME", "TV", "M1", {{"POWER", {{ContentHex, 1}}}});
    work.Manufacturer("ACME");
    work.MyType("TV");
    work.Model("M1");
    auto dialog = Open();
    auto* tree = Named<QTreeWidget>(*dialog, "treeview1");
    ASSERT_EQ(Texts(tree), (QStringList{" ACME", "0EM"}));
    QTreeWidgetItem* acme = tree->topLevelItem(0);
    ASSERT_EQ(acme->childCount(), 2);
    EXPECT_EQ(acme->child(1)->text(0), "PROJ");
    QTreeWidgetItem* tv = acme->child(0);
    EXPECT_EQ(tv->text(0), "TV");
    ASSERT_EQ(tv->childCount(), 3);
    EXPECT_EQ((QStringList{tv->child(0)->text(0), tv->child(1)->text(0), tv->child(2)->text(0)}),
              (QStringList{"M1", "M2", "M1"}));
    EXPECT_TRUE(tv->child(2)->font(0).bold());
    EXPECT_EQ(tree->currentItem(), tv->child(0));
}

TEST_F(RS232LibraryLoaderTest, BuildsTheTreePreselectsAndPicksIntoWorkSerial)
{
    AddLibrary("SONY", "DVD", "A1", {});
    RS232FileBlockClass& acme = AddLibrary("ACME", "PROJ", "K3",
                                           {{"POWER ON", {{ContentHex, 0x21}, {ContentHex, 0x0D}}},
                                            {"STATUS", {{ContentIgnore, 0}}},
                                            {"BLANK", {{ContentHex, 0x42}}}});
    acme.Baudrate(2);
    acme.Parity(1);
    acme.InterByteDelay(7);
    work.SerialType(SerialClass::ConfigurationMessage);
    work.Manufacturer(" acme");
    work.MyType("proj");
    work.Model("k3 ");
    work.Command("blank");
    work.CanBeVariable(true);
    work.VolumeExtension(std::make_shared<VolumeExtensionClass>());
    auto dialog = Open();

    auto* tree = Named<QTreeWidget>(*dialog, "treeview1");
    ASSERT_EQ(Texts(tree), (QStringList{"ACME", "SONY"}));
    QTreeWidgetItem* k3 = tree->topLevelItem(0)->child(0)->child(0);
    EXPECT_EQ(k3->text(0), "K3");
    EXPECT_TRUE(k3->font(0).bold());
    EXPECT_FALSE(tree->topLevelItem(1)->child(0)->child(0)->font(0).bold()) << "a library without named commands";
    EXPECT_EQ(tree->currentItem(), k3) << "the message's library, whatever its case and spaces";
    auto* commands = Named<QTreeWidget>(*dialog, "commandTreeView");
    EXPECT_EQ(Texts(commands), (QStringList{"BLANK", "POWER ON"})) << "STATUS can only be received";
    ASSERT_NE(commands->currentItem(), nullptr);
    EXPECT_EQ(commands->currentItem()->text(0), "BLANK");

    // Sorting by type moves ACME's library after SONY's; the kept list still
    // belongs to ACME's library.
    Named<QRadioButton>(*dialog, "SortBy", 1)->click();
    EXPECT_EQ(Texts(tree), (QStringList{"DVD", "PROJ"}));
    EXPECT_EQ(tree->topLevelItem(1)->child(0)->text(0), "ACME");
    EXPECT_EQ(Models(), (std::vector<std::string>{"A1", "K3"}));
    ASSERT_EQ(commands->topLevelItemCount(), 2);

    QTreeWidgetItem* power = commands->topLevelItem(1);
    QTest::mouseClick(commands->viewport(), Qt::LeftButton, {}, commands->visualItemRect(power).center());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(work.Baudrate(), 2);
    EXPECT_EQ(work.Parity(), 1);
    EXPECT_EQ(work.InterByteDelay(), 7);
    EXPECT_EQ(work.Command(), Padded("POWER ON"));
    EXPECT_EQ(work.ConfigIndex(), 1) << "the library's place after the sort";
    EXPECT_TRUE(work.IsFromLibrary());
    EXPECT_EQ(work.Manufacturer(), Padded("ACME"));
    EXPECT_EQ(work.Model(), Padded("K3"));
    EXPECT_EQ(work.MyType(), Padded("PROJ"));
    EXPECT_TRUE(work.MyRS232StringClass().IsSameAs(acme.My_RS232_String_Class(0)));
    EXPECT_EQ(work.VolumeExtension(), nullptr);
    EXPECT_EQ(work.SerialType(), SerialClass::ConfigurationMessage) << "the holder's fields stay";
    EXPECT_TRUE(work.CanBeVariable());
}

TEST_F(RS232LibraryLoaderTest, HoverOpensLevelsAndListsTheLibraryAndCancelAndClosingKeep)
{
    AddLibrary("ACME", "PROJ", "K3", {{"POWER", {{ContentHex, 1}}}, {"STATUS", {{ContentIgnore, 0}}}});
    work.CanBeInput(true);
    work.Command("KEPT");
    auto dialog = Open();
    auto* tree = Named<RS232LoaderEquipmentTree>(*dialog, "treeview1");
    const int rowY = tree->visualItemRect(tree->topLevelItem(0)).center().y();
    QTest::mouseMove(tree->viewport(), QPoint(10, rowY));
    QTest::mouseMove(tree->viewport(), QPoint(100, rowY));
    EXPECT_TRUE(tree->topLevelItem(0)->child(0)->isExpanded()) << "column 2 opens every level";
    EXPECT_EQ(tree->itemAt(RS232LoaderEquipmentTree::RowTestAtX, rowY), tree->topLevelItem(0))
        << "the hovered node stays under the pointer";
    QTreeWidgetItem* leaf = tree->topLevelItem(0)->child(0)->child(0);
    QTest::mouseMove(tree->viewport(), QPoint(101, tree->visualItemRect(leaf).center().y()));
    EXPECT_EQ(Named<QLabel>(*dialog, "Notes")->text(), "Manufacturer = ACME\nType = PROJ\nModel = K3");
    EXPECT_EQ(Named<QPlainTextEdit>(*dialog, "NotesText")->toPlainText(), "Notes of K3");
    EXPECT_EQ(Texts(Named<QTreeWidget>(*dialog, "commandTreeView")), (QStringList{"POWER", "STATUS"}))
        << "a message that may be received is offered received commands";
    EXPECT_EQ(RS232LoaderEquipmentTree::ColumnAt(RS232LoaderEquipmentTree::RootsOnlyUpToX), 0);
    EXPECT_EQ(RS232LoaderEquipmentTree::ColumnAt(RS232LoaderEquipmentTree::RootsOnlyUpToX + 1), 1);
    EXPECT_EQ(RS232LoaderEquipmentTree::ColumnAt(RS232LoaderEquipmentTree::TwoLevelsUpToX + 1), 2);

    dialog->close();
    EXPECT_EQ(work.Command().substr(0, 4), "KEPT") << "closing leaves the message as it was";
    dialog = Open();
    Named<QPushButton>(*dialog, "Cancel")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(work.Command().substr(0, 4), "KEPT") << "Cancel takes nothing either";
    EXPECT_TRUE(work.CanBeInput());
}

TEST_F(RS232LibraryLoaderTest, TheKeysAloneOpenLevelsListALibraryAndPickACommandAndEscapeCloses)
{
    AddLibrary("ACME", "PROJ", "K3", {{"POWER", {{ContentHex, 1}}}, {"BLANK", {{ContentHex, 2}}}});
    AddLibrary("BETA", "DVD", "D1", {});
    auto dialog = Open();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    auto* tree = Named<QTreeWidget>(*dialog, "treeview1");
    auto* commands = Named<QTreeWidget>(*dialog, "commandTreeView");
    EXPECT_TRUE(tree->hasFocus());
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Right, Qt::Key_Down})
        QTest::keyClick(tree, key);
    EXPECT_EQ(Named<QLabel>(*dialog, "Notes")->text(), "Manufacturer = ACME\nType = PROJ\nModel = K3");
    EXPECT_EQ(Texts(commands), (QStringList{"BLANK", "POWER"})) << "the highlighted library's commands";

    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_TRUE(commands->hasFocus());
    QTest::keyClick(commands, Qt::Key_Down);
    QTest::keyClick(commands, Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(work.Command(), Padded("POWER"));

    // Opened again on that command; Escape takes nothing.
    dialog = Open();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(work.Command(), Padded("POWER"));
}

TEST_F(RS232LibraryLoaderTest, LoadFromLibraryOnAPaneTakesTheCommandAndItsSettings)
{
    AddLibrary("ACME", "PROJ", "K3", {{"POWER ON", {{ContentHex, 0x21}}}}).Baudrate(1);
    state.Installed.Install<SettingsDifferentDialog>(std::make_unique<RS232SettingsDiferentFormLauncher>());
    state.Installed.Install<RS232LibraryLoaderDialog>(std::make_unique<RS232LibraryLoaderLauncher>());
    SerialClass message;
    message.SerialType(SerialClass::ConfigurationMessage);
    SerialStringDisplay pane{state};
    pane.EnableLibraryFunctions();
    pane.SetupSerial(message);
    ASSERT_TRUE(MenuItem(pane, "MnuLoadFromLibrary")->isVisible());

    WhenModalOpens([this](QWidget* loader) {
        auto* tree = Named<QTreeWidget>(*loader, "treeview1");
        ASSERT_TRUE(QTest::qWaitFor([tree] { return tree->topLevelItemCount() == 1; }, 3000));
        auto* viewport = tree->viewport();
        QTest::mouseMove(viewport, QPoint(100, tree->visualItemRect(tree->topLevelItem(0)).center().y()));
        QTreeWidgetItem* leaf = tree->topLevelItem(0)->child(0)->child(0);
        QTest::mouseMove(viewport, QPoint(101, tree->visualItemRect(leaf).center().y()));
        auto* commands = Named<QTreeWidget>(*loader, "commandTreeView");
        ASSERT_EQ(commands->topLevelItemCount(), 1);
        WhenModalOpens([](QWidget* settings) {
            ASSERT_NE(qobject_cast<RS232SettingsDiferentForm*>(settings), nullptr);
            Named<QPushButton>(*settings, "KeepLibrary")->click();
        });
        QTest::mouseClick(commands->viewport(), Qt::LeftButton, {},
                          commands->visualItemRect(commands->topLevelItem(0)).center());
    });
    MenuItem(pane, "MnuLoadFromLibrary")->trigger();
    EXPECT_EQ(pane.LineText(), "Library:ACME/PROJ/K3/POWER ON");
    EXPECT_TRUE(message.IsFromLibrary());
    EXPECT_EQ(message.ConfigIndex(), 0);
    EXPECT_EQ(state.Config.Record.ControlPortBaudrate, 1) << "the holder took the library's settings";
}

}  // namespace
