#pragma once

#include <string>

class ProjectorClassGlobals;
struct ProjectorGlobals;
class UserPrompts;

// The name by which the empty-message warning of the projector definition
// editor calls message slot `slot` (0 to 24).
std::string ProjectorSetupSlotName(const ProjectorGlobals& names, int slot);

// Checks the names and timings of WorkProjector, then writes it into the
// database as a new definition or, once the user agrees, over the one of
// the same names. True when the editor may close; every refusal has been
// shown to the user.
bool SaveWorkProjector(ProjectorClassGlobals& projectors, UserPrompts& prompts);
