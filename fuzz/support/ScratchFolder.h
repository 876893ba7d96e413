#pragma once

#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

// A fresh, empty program folder for one input, removed with everything in
// it afterwards, so that no input sees what an earlier one left.
class ScratchFolder {
public:
    ScratchFolder();
    const std::filesystem::path& Path() const { return path_; }
    // Writes the bytes to the named file in the folder and returns its path.
    std::filesystem::path Write(const std::string& name, const uint8_t* data, std::size_t size) const;

private:
    QTemporaryDir dir_;
    std::filesystem::path path_;
};
