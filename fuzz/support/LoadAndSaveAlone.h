#pragma once

#include "support/DatabaseInput.h"
#include "support/SavedFile.h"
#include "support/ScratchFolder.h"
#include "support/SilentPrompts.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Loads and saves one ".DEF" alone in a fresh folder through a fresh
// database of type `Globals`: `loadAndSave` runs the database's load, then
// its save. A file of a part record is never read whole, whatever the load
// said.
template <class Globals, class LoadAndSave>
AloneResult LoadAndSaveAlone(const std::string& name, std::size_t recordLength, const std::string& def,
                             LoadAndSave loadAndSave)
{
    const ScratchFolder folder;
    const auto file = folder.Write(name + ".DEF", reinterpret_cast<const uint8_t*>(def.data()), def.size());
    SilentPrompts prompts;
    Globals alone(folder.Path(), prompts);
    loadAndSave(alone);
    return {prompts.Messages() == 0 && def.size() % recordLength == 0, SavedFile(file)};
}
