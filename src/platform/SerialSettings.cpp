#include "platform/SerialSettings.h"

#include <charconv>
#include <stdexcept>
#include <vector>

namespace {

std::vector<std::string_view> SplitCommas(std::string_view text)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const auto comma = text.find(',', start);
        parts.push_back(text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return parts;
}

int WholeNumber(std::string_view text, std::string_view settings)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw std::invalid_argument("invalid serial settings: " + std::string(settings));
    return value;
}

}  // namespace

SerialSettings SerialSettings::Parse(std::string_view text)
{
    const auto parts = SplitCommas(text);
    const auto invalid = [&] { return std::invalid_argument("invalid serial settings: " + std::string(text)); };
    if (parts.size() != 4 || parts[1].size() != 1) throw invalid();
    SerialSettings settings;
    settings.baud = WholeNumber(parts[0], text);
    switch (parts[1][0]) {
    case 'n':
    case 'N': settings.parity = ParityKind::None; break;
    case 'e':
    case 'E': settings.parity = ParityKind::Even; break;
    case 'o':
    case 'O': settings.parity = ParityKind::Odd; break;
    case 'm':
    case 'M': settings.parity = ParityKind::Mark; break;
    case 's':
    case 'S': settings.parity = ParityKind::Space; break;
    default: throw invalid();
    }
    settings.dataBits = WholeNumber(parts[2], text);
    settings.stopBits = WholeNumber(parts[3], text);
    if (settings.baud < 50 || settings.baud > 4000000 || settings.dataBits < 5 || settings.dataBits > 8 ||
        (settings.stopBits != 1 && settings.stopBits != 2))
        throw invalid();
    return settings;
}

std::string SerialSettings::Text() const
{
    static constexpr char letters[] = {'n', 'e', 'o', 'm', 's'};
    return std::to_string(baud) + ',' + letters[static_cast<int>(parity)] + ',' + std::to_string(dataBits) + ',' +
           std::to_string(stopBits);
}

int SerialSettings::BitsPerCharacter() const
{
    return 1 + dataBits + (parity == ParityKind::None ? 0 : 1) + stopBits;
}
