#include "projectors/ProjectorSetupVisibility.h"

namespace {

// A command row whose check box shows it: the command, its "Requires reply"
// box, and its reply when that box is ticked.
void ShowOptionalRow(ProjectorSetupShown& shown, const ProjectorSetupChecks& checks, bool available, int command,
                     int replyCheck, int reply)
{
    shown.Slot[command] = available;
    shown.ReplyCheck[replyCheck] = available;
    shown.Slot[reply] = available && checks.Reply[replyCheck];
}

}  // namespace

ProjectorSetupShown ShownProjectorSetupControls(const ProjectorSetupChecks& checks)
{
    ProjectorSetupShown shown;
    // Power on, Data 1, Video 1 and Power off are always there.
    for (int command : {1, 2, 4, 8}) ShowOptionalRow(shown, checks, true, command, command, command + 10);

    ShowOptionalRow(shown, checks, checks.SerialOnOffUsed, 0, 0, 10);
    ShowOptionalRow(shown, checks, checks.SerialOnOffUsed, 9, 9, 19);
    ShowOptionalRow(shown, checks, checks.Available[1], 3, 3, 13);
    ShowOptionalRow(shown, checks, checks.Available[3], 5, 5, 15);
    ShowOptionalRow(shown, checks, checks.Available[5], 23, 11, 21);
    ShowOptionalRow(shown, checks, checks.Available[4], 24, 12, 22);

    // With levels, slot 6 alone sets the volume: there is no "down" message.
    shown.UseLevelsCheck = checks.VolumeAvailable;
    ShowOptionalRow(shown, checks, checks.VolumeAvailable, 6, 6, 16);
    const bool volumeDown = checks.VolumeAvailable && !checks.UseLevels;
    ShowOptionalRow(shown, checks, volumeDown, 7, 7, 17);
    shown.VolumeSeparator = volumeDown;

    shown.ReplyCheck[10] = true;
    shown.Slot[20] = checks.Reply[10];
    return shown;
}
