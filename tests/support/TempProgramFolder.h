#pragma once

#include <QTemporaryDir>
#include <filesystem>
#include <string>

// A fresh, empty program folder for one test, removed afterwards.
class TempProgramFolder {
public:
    TempProgramFolder();
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // Whole-file helpers for golden-byte checks.
    std::string ReadBytes(const std::string& name) const;
    void WriteBytes(const std::string& name, const std::string& bytes) const;
    bool Exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

private:
    QTemporaryDir dir_;
    std::filesystem::path path_;
};
