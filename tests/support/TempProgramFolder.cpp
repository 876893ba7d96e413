#include "support/TempProgramFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

TempProgramFolder::TempProgramFolder() : path_(dir_.path().toStdString())
{
    EXPECT_TRUE(dir_.isValid()) << "cannot create a temporary program folder";
}

std::string TempProgramFolder::ReadBytes(const std::string& name) const
{
    std::ifstream in(path_ / name, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot read " << name;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TempProgramFolder::WriteBytes(const std::string& name, const std::string& bytes) const
{
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    EXPECT_TRUE(out.good()) << "cannot write " << name;
}
