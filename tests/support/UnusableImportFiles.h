#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>

class ScriptedPrompts;

// Offers a browser's import, one after the other, a missing file, a folder
// in the file's place (opened, but not read), an empty file and one a byte
// short of a record of `recordLength` bytes, each at `path`, and expects
// the message every browser gives for it in the same words. `import` runs
// the import as the user does (the open dialog answers `path`) and checks
// that nothing changed.
void ImportEachUnusableFile(ScriptedPrompts& prompts, const std::filesystem::path& path, std::size_t recordLength,
                            const std::function<void()>& import);
