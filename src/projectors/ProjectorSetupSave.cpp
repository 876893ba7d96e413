#include "projectors/ProjectorSetupSave.h"

#include "controls/BlankNameMessages.h"
#include "model/ProjectorClassGlobals.h"
#include "model/ProjectorGlobals.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"

std::string ProjectorSetupSlotName(const ProjectorGlobals& names, int slot)
{
    switch (slot) {
    case 20: return "External off";
    case 21: return ProjectorSetupSlotName(names, 23) + " reply";
    case 22: return ProjectorSetupSlotName(names, 24) + " reply";
    case 23: return "Video 2 (HDMI)";
    case 24: return "Blank Off";
    default: return names.ProjectorCommandNames.at(static_cast<std::size_t>(slot));
    }
}

namespace {

bool Refuse(UserPrompts& prompts, const QString& text)
{
    prompts.Message(text, "Sorry!", PromptButtons::Ok, PromptIcon::Exclamation);
    return false;
}

}  // namespace

bool SaveWorkProjector(ProjectorClassGlobals& projectors, UserPrompts& prompts)
{
    const ProjectorClass& work = projectors.WorkProjector;
    const std::string manufacturer = work.ManufacturerField().trimmed();
    const std::string model = work.ModelField().trimmed();
    if (manufacturer.empty()) return Refuse(prompts, BlankNames::Manufacturer.text);
    if (model.empty()) return Refuse(prompts, BlankNames::Model.text);
    if (work.CoolDownTime() == 0) return Refuse(prompts, "Cannot save as cool down time has not been defined!");
    if (work.WarmUpTime() == 0) return Refuse(prompts, "Cannot save as Warm Up Time has not been defined!");

    const int existing = projectors.ProjectorDatabaseAllocated() ? projectors.FindWorkProjector() : -1;
    if (existing >= 0) {
        ProjectorClass& entry = projectors.ProjectorDatabase()[existing];
        if (entry.IsSameAs(work)) return true;
        const QString question = "Projector " + FromWindows1252(manufacturer) + " / " + FromWindows1252(model) +
                                 " already exists do you wish to over-write it?";
        if (prompts.Message(question, "Overwrite", PromptButtons::YesNo, PromptIcon::None) != PromptAnswer::Yes)
            return false;
        entry.CopyFromProjectorClass(work);
        return true;
    }
    projectors.AddProjectorDefinition();
    projectors.ProjectorDatabase()[projectors.ProjectorDatabase().LastIndex()].CopyFromProjectorClass(work);
    return true;
}
