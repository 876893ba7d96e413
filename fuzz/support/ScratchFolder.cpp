#include "ScratchFolder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

ScratchFolder::ScratchFolder() : path_(dir_.path().toStdString())
{
    // Without a folder every input would test nothing but the error path.
    if (!dir_.isValid()) {
        std::fprintf(stderr, "cannot create a temporary program folder\n");
        std::abort();
    }
}

std::filesystem::path ScratchFolder::Write(const std::string& name, const uint8_t* data, std::size_t size) const
{
    std::filesystem::path path = path_ / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::abort();
    }
    return path;
}
