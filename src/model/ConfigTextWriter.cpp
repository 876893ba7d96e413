#include "model/ConfigText.h"
#include "model/ConfigTextSequence.h"
#include "platform/WholeFile.h"

#include <charconv>

namespace {

class TextWriter {
public:
    explicit TextWriter(std::string& out) : out_(out) {}

    void Integer(int16_t value) { Number(value); }
    void Count(int16_t value) { Number(value); }
    void Byte(uint8_t value) { Number(value); }
    void Scratch(int value) { Number(value); }
    void Boolean(bool value) { Line(value ? "#TRUE#" : "#FALSE#"); }

    template <std::size_t N>
    void Text(const FixedText<N>& text)
    {
        // Written whole and unescaped; the reader relies on the width.
        out_ += '"';
        out_.append(text.data(), N);
        out_ += '"';
        out_ += "\r\n";
    }

private:
    void Number(int value)
    {
        char digits[8];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        out_.append(digits, end);
        out_ += "\r\n";
    }
    void Line(const char* text)
    {
        out_ += text;
        out_ += "\r\n";
    }

    std::string& out_;
};

}  // namespace

std::string ConfigTextOf(const ConfigurationRecord& record)
{
    std::string text;
    text.reserve(1 << 20);
    TextWriter writer(text);
    ConfigTextSequence::Visit(record, writer);
    return text;
}

void WriteConfigText(const std::filesystem::path& path, const ConfigurationRecord& record)
{
    WriteWholeFile(path, ConfigTextOf(record));
}
