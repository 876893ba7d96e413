#include "projectors/ProjectorSetupVisibility.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

struct VisibilityCase {
    std::string name;
    ProjectorSetupChecks checks;
    std::set<int> slots;
    std::set<int> replyChecks;
    bool useLevelsCheck = false;
    bool separator = false;
};

ProjectorSetupChecks Ticked(std::initializer_list<int> available, std::initializer_list<int> replies,
                            bool serialOnOff = false, bool volume = false, bool levels = false)
{
    ProjectorSetupChecks checks;
    checks.SerialOnOffUsed = serialOnOff;
    checks.VolumeAvailable = volume;
    checks.UseLevels = levels;
    for (int i : available) checks.Available[static_cast<std::size_t>(i)] = true;
    for (int k : replies) checks.Reply[static_cast<std::size_t>(k)] = true;
    return checks;
}

const std::set<int> AlwaysSlots = {1, 2, 4, 8};
const std::set<int> AlwaysReplyChecks = {1, 2, 4, 8, 10};

std::set<int> With(std::set<int> base, std::initializer_list<int> more)
{
    base.insert(more);
    return base;
}

}  // namespace

TEST(ProjectorSetupVisibility, ShownSlotsAndBoxesFollowTheChecks)
{
    const std::vector<VisibilityCase> cases = {
        {"nothing ticked", Ticked({}, {}), AlwaysSlots, AlwaysReplyChecks},
        {"replies of the fixed rows", Ticked({}, {1, 2, 4, 8}), With(AlwaysSlots, {11, 12, 14, 18}), AlwaysReplyChecks},
        {"serial on/off required", Ticked({}, {}, true), With(AlwaysSlots, {0, 9}), With(AlwaysReplyChecks, {0, 9})},
        {"serial on/off replies", Ticked({}, {0, 9}, true), With(AlwaysSlots, {0, 9, 10, 19}),
         With(AlwaysReplyChecks, {0, 9})},
        {"replies ticked while their commands are off", Ticked({}, {0, 3, 5, 6, 7, 9, 11, 12}), AlwaysSlots,
         AlwaysReplyChecks},
        {"data 2 and blank", Ticked({1, 3}, {3}), With(AlwaysSlots, {3, 13, 5}), With(AlwaysReplyChecks, {3, 5})},
        {"video 2 and blank off with replies", Ticked({4, 5}, {11, 12}), With(AlwaysSlots, {23, 21, 24, 22}),
         With(AlwaysReplyChecks, {11, 12})},
        {"video 2 without its reply", Ticked({5}, {}), With(AlwaysSlots, {23}), With(AlwaysReplyChecks, {11})},
        {"volume up and down", Ticked({}, {7}, false, true), With(AlwaysSlots, {6, 7, 17}),
         With(AlwaysReplyChecks, {6, 7}), true, true},
        {"volume by levels", Ticked({}, {6, 7}, false, true, true), With(AlwaysSlots, {6, 16}),
         With(AlwaysReplyChecks, {6}), true, false},
        {"levels without volume", Ticked({}, {}, false, false, true), AlwaysSlots, AlwaysReplyChecks},
        {"external off in use", Ticked({}, {10}), With(AlwaysSlots, {20}), AlwaysReplyChecks},
    };
    for (const VisibilityCase& c : cases) {
        SCOPED_TRACE(c.name);
        const ProjectorSetupShown shown = ShownProjectorSetupControls(c.checks);
        for (int slot = 0; slot < 25; ++slot)
            EXPECT_EQ(shown.Slot[static_cast<std::size_t>(slot)], c.slots.contains(slot)) << "slot " << slot;
        for (int k = 0; k < 13; ++k)
            EXPECT_EQ(shown.ReplyCheck[static_cast<std::size_t>(k)], c.replyChecks.contains(k)) << "reply box " << k;
        EXPECT_EQ(shown.UseLevelsCheck, c.useLevelsCheck);
        EXPECT_EQ(shown.VolumeSeparator, c.separator);
    }
}
