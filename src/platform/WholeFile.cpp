#include "platform/WholeFile.h"

#include "platform/RecordFile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw FileErrorAt("cannot create", path, std::strerror(errno));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw FileErrorAt("cannot write", path, std::strerror(errno));
}

std::string ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FileErrorAt("cannot open", path, std::strerror(errno));
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw FileErrorAt("cannot read", path, std::strerror(errno));
    return bytes;
}
