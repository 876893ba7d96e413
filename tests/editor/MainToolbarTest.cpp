#include "editor/MainToolbar.h"

#include <QAction>
#include <QToolBar>
#include <gtest/gtest.h>
#include <memory>

TEST(MainToolbar, FifteenKeysInOrderWithTheirTooltipsAndPictures)
{
    const std::unique_ptr<QToolBar> toolbar(MakeMainToolbar(nullptr));
    EXPECT_EQ(toolbar->objectName(), "Toolbar1");
    const QList<QAction*> actions = toolbar->actions();
    const QStringList keys = {"NEW",     "OPEN",          "SAVE",      "SAVEAS", "DEFAULTS",    "QUILMARDRAVENT",
                              "ZENVARA", "EDITPROJECTOR", "EDITRS232", "EDITIR", "DEFAULTEDIT", "DOWNLOAD",
                              "HELP",    "ABOUT",         "EXIT"};
    ASSERT_EQ(actions.size(), keys.size());
    ASSERT_EQ(keys.size(), static_cast<qsizetype>(MainKey::Count));
    for (qsizetype i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(actions[i]->objectName(), keys[i]);
        EXPECT_EQ(MainToolbarKey(*toolbar, static_cast<MainKey>(i)), actions[i]) << "the key's value is its place";
        EXPECT_EQ(actions[i]->isCheckable(), keys[i] == "QUILMARDRAVENT" || keys[i] == "ZENVARA") << i;
        EXPECT_FALSE(actions[i]->icon().pixmap(24).isNull()) << keys[i].toStdString();
    }
    EXPECT_EQ(actions[5]->toolTip(), "En/disable  Quilmar and Dravent infra-red control");
    EXPECT_EQ(actions[11]->toolTip(), "Donload Configuration to Controller");
    EXPECT_EQ(actions[12]->toolTip(), "Diplay help");
    EXPECT_EQ(actions[14]->toolTip(), "Exit ");
}

TEST(MainToolbar, CommandLinePathLosesOneQuoteAtEachEnd)
{
    const std::pair<const char*, const char*> cases[] = {
        {"\"/home/a/Room 12.tvl\"", "/home/a/Room 12.tvl"},
        {"/home/a/Room 12.tvl", "/home/a/Room 12.tvl"},
        {"\"", ""},
        {"\"\"x.tvl\"\"", "\"x.tvl\""},
        {"", ""},
    };
    for (const auto& [argument, path] : cases) EXPECT_EQ(PathFromCommandLine(argument), path) << argument;
}
