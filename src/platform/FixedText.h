#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// A fixed-width text field of N characters, held as the 8-bit bytes of the
// Windows ANSI code page exactly as they stand in the record files.
// Assignment pads with spaces or cuts to N; the full field is always readable.
template <std::size_t N>
class FixedText {
public:
    FixedText() { chars_.fill(' '); }
    FixedText(std::string_view text) { assign(text); }  // NOLINT: mirrors plain assignment

    FixedText& operator=(std::string_view text)
    {
        assign(text);
        return *this;
    }

    void assign(std::string_view text)
    {
        // A whole field (as records hold them) is one fixed-size copy.
        if (text.size() >= N) {
            std::copy_n(text.begin(), N, chars_.begin());
            return;
        }
        const std::size_t n = text.size();
        std::copy_n(text.begin(), n, chars_.begin());
        std::fill(chars_.begin() + static_cast<std::ptrdiff_t>(n), chars_.end(), ' ');
    }

    static constexpr std::size_t size() { return N; }
    std::string full() const { return std::string(chars_.begin(), chars_.end()); }
    // The full field without a copy; valid while the field lives unchanged.
    std::string_view view() const { return std::string_view(chars_.data(), N); }
    std::string trimmed() const { return TrimSpaces(view()); }
    bool isBlank() const { return EndBeforePadding(view()) == 0; }
    const char* data() const { return chars_.data(); }

    bool operator==(const FixedText& other) const = default;

    // Both ends trimmed of spaces: how names are compared, since stored fields are padded.
    static std::string TrimSpaces(std::string_view text) { return std::string(TrimmedView(text)); }
    // The same without a copy; valid while `text` lives.
    static std::string_view TrimmedView(std::string_view text)
    {
        const std::size_t end = EndBeforePadding(text);
        const auto first = text.substr(0, end).find_first_not_of(' ');
        if (first == std::string_view::npos) return {};
        return text.substr(first, end - first);
    }

private:
    // Most of a wide field is padding, so trailing spaces are passed eight at
    // a time: one by one, they were a large part of filling a browser's tree.
    static std::size_t EndBeforePadding(std::string_view text)
    {
        constexpr std::uint64_t EightSpaces = 0x2020202020202020;
        std::size_t end = text.size();
        for (std::uint64_t word = 0; end >= sizeof word; end -= sizeof word) {
            std::memcpy(&word, text.data() + end - sizeof word, sizeof word);
            if (word != EightSpaces) break;
        }
        while (end > 0 && text[end - 1] == ' ') --end;
        return end;
    }

    std::array<char, N> chars_{};
};
