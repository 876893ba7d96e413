#include "platform/RtfText.h"

#include "platform/Windows1252.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace {

// Destinations whose contents are never text to show.
constexpr std::array<std::string_view, 14> SkippedDestinations{
    "fonttbl", "colortbl", "stylesheet", "info",    "pict",      "header",    "footer",
    "headerl", "headerr",  "footerl",    "footerr", "listtable", "generator", "themedata"};

struct GroupState {
    bool skipped = false;
    int unicodeSkip = 1;  // bytes that stand in for each \uN character
};

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

class RtfReader {
public:
    explicit RtfReader(std::string_view rtf) : rtf_(rtf) {}

    QString Read()
    {
        while (at_ < rtf_.size()) {
            const char c = rtf_[at_++];
            switch (c) {
            case '{': {
                const GroupState inner = Group();  // a group starts with its parent's state
                groups_.push_back(inner);
                break;
            }
            case '}':
                if (groups_.size() > 1) groups_.pop_back();
                break;
            case '\\': ControlWord(); break;
            case '\r':
            case '\n': break;  // line breaks of the file itself carry no meaning
            default:
                if (pendingSkip_ > 0) {
                    --pendingSkip_;
                } else {
                    Byte(c);
                }
                break;
            }
        }
        Flush();
        return text_;
    }

private:
    GroupState& Group() { return groups_.back(); }

    void Byte(char c)
    {
        if (!Group().skipped) bytes_.push_back(c);
    }
    void Flush()
    {
        text_ += FromWindows1252(bytes_);
        bytes_.clear();
    }
    void Text(const QString& text)
    {
        if (Group().skipped) return;
        Flush();
        text_ += text;
    }

    void ControlWord()
    {
        if (at_ >= rtf_.size()) return;
        const char first = rtf_[at_];
        if (!IsLetter(first)) {
            ++at_;
            ControlSymbol(first);
            return;
        }
        const std::size_t start = at_;
        while (at_ < rtf_.size() && IsLetter(rtf_[at_])) ++at_;
        const std::string_view word = rtf_.substr(start, at_ - start);
        bool hasNumber = false;
        bool negative = false;
        long number = 0;
        if (at_ < rtf_.size() && rtf_[at_] == '-') {
            negative = true;
            ++at_;
        }
        while (at_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[at_]))) {
            hasNumber = true;
            if (number < 1'000'000) number = number * 10 + (rtf_[at_] - '0');
            ++at_;
        }
        if (negative) number = -number;
        if (at_ < rtf_.size() && rtf_[at_] == ' ') ++at_;  // the delimiter belongs to the word
        Word(word, hasNumber, number);
    }

    void ControlSymbol(char symbol)
    {
        switch (symbol) {
        case '\'': {
            const int high = at_ < rtf_.size() ? HexDigit(rtf_[at_]) : -1;
            const int low = at_ + 1 < rtf_.size() ? HexDigit(rtf_[at_ + 1]) : -1;
            // An incomplete escape is dropped with the digit it has.
            if (high < 0) return;
            if (low < 0) {
                ++at_;
                return;
            }
            at_ += 2;
            if (pendingSkip_ > 0) {
                --pendingSkip_;
                return;
            }
            Byte(static_cast<char>(high * 16 + low));
            return;
        }
        case '*':
            // An ignorable destination: the reader does not know it, so it is not text.
            Group().skipped = true;
            return;
        case '~': Text(QString(QChar(0x00A0))); return;
        case '_': Text("-"); return;
        case '\\':
        case '{':
        case '}': Byte(symbol); return;
        case '\r':
        case '\n': Text("\n"); return;  // an escaped line break is a paragraph
        default: return;                // optional hyphens and formatting symbols
        }
    }

    void Word(std::string_view word, bool hasNumber, long number)
    {
        if (word == "par" || word == "line" || word == "sect" || word == "page") {
            Text("\n");
        } else if (word == "tab") {
            Text("\t");
        } else if (word == "uc" && hasNumber) {
            Group().unicodeSkip = static_cast<int>(std::max(0L, std::min(number, 8L)));
        } else if (word == "u" && hasNumber) {
            const auto code = static_cast<char16_t>(number < 0 ? number + 65536 : number);
            Text(QString(QChar(code)));
            pendingSkip_ = Group().unicodeSkip;
        } else if (word == "bin" && hasNumber) {
            // Binary data is never text; skip it whole.
            at_ += std::min<std::size_t>(static_cast<std::size_t>(std::max(0L, number)), rtf_.size() - at_);
        } else {
            for (std::string_view skipped : SkippedDestinations)
                if (word == skipped) Group().skipped = true;
        }
    }

    std::string_view rtf_;
    std::size_t at_ = 0;
    std::vector<GroupState> groups_{GroupState{}};
    int pendingSkip_ = 0;
    std::string bytes_;
    QString text_;
};

}  // namespace

QString RtfToPlainText(std::string_view rtf)
{
    return RtfReader(rtf).Read();
}
