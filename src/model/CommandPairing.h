#pragma once

#include <vector>

// Pairs each command of a stored record with a library command of the same
// name, the n-th command of a name with the n-th command of that name, so
// that order matters only among commands that share a name. `sameName(r, j)`
// tells whether record command r and library command j have one name;
// `sameCommand(r, j)` compares the rest of a pair. True when every record
// command has its partner and every pair is the same.
template <class SameName, class SameCommand>
bool CommandsPairByName(int recordCommands, int libraryCommands, SameName sameName, SameCommand sameCommand)
{
    std::vector<bool> paired(static_cast<std::size_t>(libraryCommands > 0 ? libraryCommands : 0));
    for (int r = 0; r < recordCommands; ++r) {
        // The first library command of the name not yet paired is the n-th.
        int j = 0;
        while (j < libraryCommands && (paired[static_cast<std::size_t>(j)] || !sameName(r, j))) ++j;
        if (j == libraryCommands) return false;
        paired[static_cast<std::size_t>(j)] = true;
        if (!sameCommand(r, j)) return false;
    }
    return true;
}
