#pragma once

#include <filesystem>

class ApplicationState;

// Merges the library members extracted into the folder into the databases,
// in name order, letter case ignored. A library the database lacks is added
// in memory; an equal one changes nothing; a differing one goes through the
// reconciliation step. A damaged member (short, blank names, a command count
// a message cannot hold) is skipped and the merge goes on. So is an IR
// library the full IR database has no room for, the user told once.
void MergeIRMembers(ApplicationState& state, const std::filesystem::path& folder);
void MergeRS232Members(ApplicationState& state, const std::filesystem::path& folder);
