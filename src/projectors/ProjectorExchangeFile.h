#pragma once

#include <filesystem>
#include <vector>

class ProjectorClassGlobals;
class ProjectorDefinitionRecord;

// ".BRD" files: whole projector definition records, no header, no count.

// Writes the database entries at `indices`, in that order, to `target`.
// The records go to a temporary file beside it, which replaces the target
// only once complete, so a failed export leaves the old file as it was.
// Throws FileError.
void WriteProjectorExchangeFile(ProjectorClassGlobals& projectors, const std::vector<int>& indices,
                                const std::filesystem::path& target);

// Whether a record read from outside can be a definition: every message
// count within 0 to 32 and every content type of its bytes a known one.
bool ProjectorRecordIsSound(const ProjectorDefinitionRecord& record);
