#include "platform/WholeFile.h"

#include "platform/RecordFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw FileError("cannot create '" + path.string() + "': " + std::strerror(errno));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw FileError("cannot write '" + path.string() + "': " + std::strerror(errno));
}

std::string ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FileError("cannot open '" + path.string() + "': " + std::strerror(errno));
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw FileError("cannot read '" + path.string() + "': " + std::strerror(errno));
    return bytes;
}
