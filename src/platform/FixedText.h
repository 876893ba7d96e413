#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
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
    bool isBlank() const { return view().find_first_not_of(' ') == std::string_view::npos; }
    const char* data() const { return chars_.data(); }

    bool operator==(const FixedText& other) const = default;

    // Both ends trimmed of spaces: how names are compared, since stored fields are padded.
    static std::string TrimSpaces(std::string_view text) { return std::string(TrimmedView(text)); }
    // The same without a copy; valid while `text` lives.
    static std::string_view TrimmedView(std::string_view text)
    {
        const auto first = text.find_first_not_of(' ');
        if (first == std::string_view::npos) return {};
        const auto last = text.find_last_not_of(' ');
        return text.substr(first, last - first + 1);
    }

private:
    std::array<char, N> chars_{};
};
