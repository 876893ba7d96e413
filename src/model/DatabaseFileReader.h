#pragma once

#include "platform/RecordFile.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>

// Opens a database file (or its backup) for its records. Throws FileError.
using DatabaseFileReader =
    std::function<std::unique_ptr<RecordFileReader>(const std::filesystem::path&, std::size_t recordLength)>;

// A reader of the file itself; a database is given another only to read a
// file that fails under it, as a failing disk does.
inline std::unique_ptr<RecordFileReader> ReaderOfFile(const std::filesystem::path& path, std::size_t recordLength)
{
    return std::make_unique<RecordFileReader>(path, recordLength);
}
