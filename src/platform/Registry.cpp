#include "platform/Registry.h"

#include <QStandardPaths>
#include <array>
#include <cstdlib>
#include <fstream>
#include <string_view>
#include <system_error>
#include <utility>

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

std::string ToHex(const std::string& bytes)
{
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (const unsigned char byte : bytes) {
        hex += HexDigits[byte >> 4];
        hex += HexDigits[byte & 15];
    }
    return hex;
}

int HexDigitValue(char digit)
{
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    return -1;
}

std::optional<std::string> FromHex(std::string_view hex)
{
    if (hex.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigitValue(hex[i]);
        const int low = HexDigitValue(hex[i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

// The fields of a line between tabs; an empty last field does not count, so
// that a line ending in a tab has one field fewer. Only the first few are
// kept, enough for every line the store writes; `count` counts them all.
struct LineFields {
    static constexpr std::size_t Kept = 5;
    std::array<std::string_view, Kept> field;
    std::size_t count = 0;
};

LineFields SplitTabs(std::string_view line)
{
    LineFields fields;
    bool lastEmpty = false;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find('\t', start);
        const std::string_view field =
            line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (fields.count < LineFields::Kept) fields.field[fields.count] = field;
        ++fields.count;
        lastEmpty = field.empty();
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    if (lastEmpty) --fields.count;
    return fields;
}

}  // namespace

RegistryValue RegistryValue::FromDword(uint32_t value)
{
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 255);
    return {RegistryValueType::Dword, bytes};
}

std::optional<uint32_t> RegistryValue::AsDword() const
{
    if (type != RegistryValueType::Dword || data.size() != 4) return std::nullopt;
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(data[static_cast<std::size_t>(i)]);
    return value;
}

Registry::Registry(std::filesystem::path file) : file_(std::move(file))
{
    Load();
}

std::filesystem::path Registry::DefaultFile()
{
    if (const char* named = std::getenv("TAVLO_REGISTRY"); named != nullptr && *named != '\0')
        return std::filesystem::path(named);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::filesystem::path(folder.toStdString()) / "Tavlo Editor" / "registry";
}

std::string_view Registry::Normalised(std::string_view key)
{
    while (!key.empty() && key.back() == '\\') key.remove_suffix(1);
    return key;
}

bool Registry::IsStorableName(const std::string& name)
{
    return name.find_first_of("\t\r\n") == std::string::npos;
}

bool Registry::KeyExists(const std::string& key) const
{
    return keys_.contains(Normalised(key));
}

bool Registry::CreateKey(const std::string& key)
{
    const std::string path(Normalised(key));
    if (path.empty() || !IsStorableName(path)) return false;
    bool added = false;
    for (std::size_t end = path.find('\\');; end = path.find('\\', end + 1)) {
        const std::string part = path.substr(0, end);
        if (!part.empty() && keys_.try_emplace(part).second) added = true;
        if (end == std::string::npos) break;
    }
    return !added || Changed();
}

bool Registry::DeleteKey(const std::string& key)
{
    const std::string path(Normalised(key));
    const std::string prefix = path + '\\';
    const std::string folded = CaseFolded(prefix);
    bool deleted = keys_.erase(path);
    for (auto it = keys_.lower_bound(prefix); it != keys_.end() && it->first.starts_with(folded);) {
        it = keys_.erase(it);
        deleted = true;
    }
    return !deleted || Changed();
}

std::vector<std::string> Registry::SubKeyNames(const std::string& key) const
{
    std::vector<std::string> names;
    const auto parent = keys_.find(Normalised(key));
    if (parent == keys_.end()) return names;
    const std::string prefix = parent->second.spelling + '\\';
    const std::string folded = parent->first + '\\';
    for (auto it = keys_.lower_bound(prefix); it != keys_.end() && it->first.starts_with(folded); ++it) {
        std::string rest = it->second.spelling.substr(prefix.size());
        if (!rest.empty() && rest.find('\\') == std::string::npos) names.push_back(std::move(rest));
    }
    return names;
}

std::optional<RegistryValue> Registry::QueryValue(const std::string& key, const std::string& name) const
{
    const auto found = keys_.find(Normalised(key));
    if (found == keys_.end()) return std::nullopt;
    const Values& values = found->second.value;
    const auto value = values.find(name);
    if (value == values.end()) return std::nullopt;
    return value->second.value;
}

bool Registry::SetValue(const std::string& key, const std::string& name, const RegistryValue& value)
{
    const auto found = keys_.find(Normalised(key));
    if (found == keys_.end() || !IsStorableName(name)) return false;
    found->second.value.insert_or_assign(name, value);
    return Changed();
}

Registry::BulkWrite::BulkWrite(Registry& registry) : registry_(&registry)
{
    ++registry_->bulkWrites_;
}

Registry::BulkWrite::~BulkWrite()
{
    Finish();
}

bool Registry::BulkWrite::Finish()
{
    if (registry_ == nullptr) return true;
    Registry& registry = *std::exchange(registry_, nullptr);
    if (--registry.bulkWrites_ > 0 || !registry.unsaved_) return true;
    return registry.Save();
}

bool Registry::Changed()
{
    if (bulkWrites_ > 0) {
        unsaved_ = true;
        return true;
    }
    return Save();
}

void Registry::Load()
{
    std::ifstream in(file_, std::ios::binary);
    std::string line;
    // A key's values follow one another, and the keys come in order, so the
    // key of the last value line, then the one after it, are tried before
    // the store is searched.
    std::string lastPath;
    auto lastKey = keys_.end();
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const LineFields split = SplitTabs(line);
        const auto& fields = split.field;
        if (split.count == 2 && fields[0] == "K" && !fields[1].empty()) {
            keys_.try_emplace(Normalised(fields[1]));
        } else if (split.count == 5 && fields[0] == "V" && (fields[3] == "sz" || fields[3] == "dword")) {
            auto data = FromHex(fields[4]);
            if (!data) continue;
            if (lastKey == keys_.end() || fields[1] != lastPath) {
                lastPath = fields[1];
                lastKey = keys_.find_after(lastKey, Normalised(fields[1]));
            }
            if (lastKey == keys_.end()) continue;
            const auto type = fields[3] == "sz" ? RegistryValueType::String : RegistryValueType::Dword;
            lastKey->second.value.insert_or_assign(fields[2], RegistryValue{type, std::move(*data)});
        }
    }
}

bool Registry::Save()
{
    ++fileWrites_;
    unsaved_ = true;  // until the file stands
    std::error_code error;
    if (file_.has_parent_path()) std::filesystem::create_directories(file_.parent_path(), error);
    const std::filesystem::path temporary = file_.string() + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        // Keys first, so that a value line always finds its key when loaded.
        for (const auto& [folded, key] : keys_) out << "K\t" << key.spelling << '\n';
        for (const auto& [folded, key] : keys_)
            for (const auto& [foldedName, named] : key.value)
                out << "V\t" << key.spelling << '\t' << named.spelling << '\t'
                    << (named.value.type == RegistryValueType::String ? "sz" : "dword") << '\t'
                    << ToHex(named.value.data) << '\n';
        out.flush();
        if (!out) return false;
    }
    std::filesystem::rename(temporary, file_, error);
    if (error) return false;
    unsaved_ = false;
    return true;
}
