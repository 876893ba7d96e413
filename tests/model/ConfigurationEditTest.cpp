#include "model/Configuration.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

TEST(ConfigurationEdit, StoresMarksChangedAndTellsOnlyTheGroupsListeners)
{
    auto config = std::make_unique<Configuration>();
    std::vector<const char*> told;
    // Told in the order they started listening, after the change is stored.
    const EditListener first(config->Edits, ConfigGroup::ControlInputs, [&] {
        EXPECT_EQ(config->Record.ControlInput1Mode, 3);
        EXPECT_TRUE(config->ConfigChanged);
        told.push_back("first");
    });
    const EditListener second(config->Edits, ConfigGroup::ControlInputs, [&] { told.push_back("second"); });
    const EditListener other(config->Edits, ConfigGroup::Locking, [&] { told.push_back("locking"); });

    config->Edit(ConfigGroup::ControlInputs, [&] { config->Record.ControlInput1Mode = 3; });
    EXPECT_TRUE(config->ConfigChanged);
    EXPECT_EQ(told, (std::vector<const char*>{"first", "second"}));

    // A change stored elsewhere still marks and tells; a listener gone is told nothing.
    told.clear();
    config->ConfigChanged = false;
    {
        const EditListener gone(config->Edits, ConfigGroup::Projector, [&] { told.push_back("gone"); });
    }
    config->Edit(ConfigGroup::Projector);
    config->Edit(ConfigGroup::Locking);
    EXPECT_TRUE(config->ConfigChanged);
    EXPECT_EQ(told, (std::vector<const char*>{"locking"}));
}
