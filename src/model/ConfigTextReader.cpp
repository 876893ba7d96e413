#include "model/ConfigText.h"
#include "model/ConfigTextSequence.h"
#include "model/RS232_String_Class.h"
#include "platform/WholeFile.h"

#include <charconv>
#include <limits>
#include <memory>
#include <optional>

namespace {

// Reads values as a sequential "input" of typed values does: separated by a
// comma or a line end (CRLF or LF), text between double quotation marks,
// Booleans as #TRUE#/#FALSE#.
class TextReader {
public:
    explicit TextReader(std::string_view text) : text_(text) {}

    void Integer(int16_t& value) { value = static_cast<int16_t>(Number(-32768, 32767)); }
    void Byte(uint8_t& value) { value = static_cast<uint8_t>(Number(0, 255)); }
    // A count no message can hold would fail only later, when the
    // configuration is shown or downloaded; the file is damaged now.
    void Count(int16_t& value)
    {
        value = static_cast<int16_t>(Number(0, RS232_String_Class::Capacity, " is no message count of 0 to 32"));
    }
    void Scratch(int /*written*/) { Number(-32768, 32767); }

    void Boolean(bool& value)
    {
        const std::string_view field = PlainField();
        if (const auto flag = BooleanWord(field)) {
            value = *flag;
        } else {
            value = ParseNumber(field) != 0;  // a number converts: non-zero is true
        }
    }

    template <std::size_t N>
    void Text(FixedText<N>& text)
    {
        StartValue();
        if (pos_ < text_.size() && text_[pos_] == '"') {
            text = QuotedText(N);
        } else {
            text = RawField();
        }
    }

private:
    // The reason is given in pieces around the offending field.
    [[noreturn]] void Fail(std::string_view reason, std::string_view field = {}, std::string_view after = {}) const
    {
        std::string text("Config.tmp value ");
        text.append(std::to_string(valueNumber_)).append(": ").append(reason).append(field).append(after);
        throw ConfigTextError(text);
    }

    void StartValue()
    {
        ++valueNumber_;
        SkipBlanks();
        if (pos_ >= text_.size()) Fail("the file ends early");
    }

    void SkipBlanks()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    }

    bool AtDelimiter(std::size_t at) const
    {
        return at >= text_.size() || text_[at] == ',' || text_[at] == '\r' || text_[at] == '\n';
    }

    void ConsumeDelimiter()
    {
        if (pos_ >= text_.size()) return;
        if (text_[pos_] == ',' || text_[pos_] == '\n') {
            ++pos_;
        } else if (text_[pos_] == '\r') {
            ++pos_;
            if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        }
    }

    // Up to the next delimiter, trailing blanks dropped.
    std::string_view RawField()
    {
        const std::size_t start = pos_;
        while (!AtDelimiter(pos_)) ++pos_;
        std::string_view field = text_.substr(start, pos_ - start);
        while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.remove_suffix(1);
        ConsumeDelimiter();
        return field;
    }

    std::string_view PlainField()
    {
        StartValue();
        if (text_[pos_] == '"') Fail("text where a number or a Boolean is due");
        return RawField();
    }

    // The writer puts the whole field between the marks without escaping, so
    // when a mark stands right after the field's width and closes the value
    // there, that width is the text, marks inside it included.
    std::string_view QuotedText(std::size_t width)
    {
        const std::size_t start = pos_ + 1;
        std::size_t close = start + width;
        if (!(close < text_.size() && text_[close] == '"' && ClosesValue(close + 1))) {
            close = text_.find('"', start);
            if (close == std::string_view::npos) Fail("the file ends inside a text value");
        }
        const std::string_view value = text_.substr(start, close - start);
        pos_ = close + 1;
        SkipBlanks();
        if (!AtDelimiter(pos_)) Fail("characters after the closing quotation mark");
        ConsumeDelimiter();
        return value;
    }

    bool ClosesValue(std::size_t at) const
    {
        while (at < text_.size() && (text_[at] == ' ' || text_[at] == '\t')) ++at;
        return AtDelimiter(at);
    }

    static std::optional<bool> BooleanWord(std::string_view field)
    {
        if (field == "#TRUE#") return true;
        if (field == "#FALSE#") return false;
        return std::nullopt;
    }

    long ParseNumber(std::string_view field) const
    {
        if (field.empty()) return 0;  // an empty value reads as zero
        if (const auto flag = BooleanWord(field)) return *flag ? -1 : 0;
        if (field.front() == '+') field.remove_prefix(1);
        long value = 0;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (error == std::errc::result_out_of_range) Fail("the number ", field, " does not fit");
        if (error != std::errc() || end != field.data() + field.size()) Fail("'", field, "' where a number is due");
        return value;
    }

    long Number(long minimum, long maximum, std::string_view outOfRange = " does not fit")
    {
        const std::string_view field = PlainField();
        const long value = ParseNumber(field);
        if (value < minimum || value > maximum) Fail("the number ", field, outOfRange);
        return value;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int valueNumber_ = 0;
};

}  // namespace

void ParseConfigText(std::string_view text, ConfigurationRecord& record)
{
    // Into a scratch copy, so that a damaged file changes nothing; the copy
    // also keeps the values the file does not hold.
    auto scratch = std::make_unique<ConfigurationRecord>(record);
    TextReader reader(text);
    ConfigTextSequence::Visit(*scratch, reader);
    record = *scratch;
}

void ReadConfigText(const std::filesystem::path& path, ConfigurationRecord& record)
{
    ParseConfigText(ReadWholeFile(path), record);
}
