#include "platform/Registry.h"

#include <QStandardPaths>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
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

std::optional<std::string> FromHex(const std::string& hex)
{
    if (hex.size() % 2 != 0) return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const auto high = std::string_view(HexDigits).find(static_cast<char>(std::toupper(hex[i])));
        const auto low = std::string_view(HexDigits).find(static_cast<char>(std::toupper(hex[i + 1])));
        if (high == std::string_view::npos || low == std::string_view::npos) return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream stream(line);
    while (std::getline(stream, field, '\t')) fields.push_back(field);
    return fields;
}

// Whether the path starts with the prefix, letter case ignored as the key
// order ignores it. The keys that start with a prefix stand together in that
// order, from the prefix's lower bound on.
bool StartsWithIgnoringCase(const std::string& path, const std::string& prefix)
{
    return path.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), path.begin(),
                      [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
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

bool Registry::CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::toupper(x) < std::toupper(y);
    });
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

std::string Registry::Normalised(const std::string& key)
{
    std::string path = key;
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
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
    const std::string path = Normalised(key);
    if (path.empty() || !IsStorableName(path)) return false;
    bool added = false;
    for (std::size_t end = path.find('\\'); ; end = path.find('\\', end + 1)) {
        const std::string part = path.substr(0, end);
        if (!part.empty() && !keys_.contains(part)) {
            keys_.emplace(part, Values{});
            added = true;
        }
        if (end == std::string::npos) break;
    }
    return !added || Changed();
}

bool Registry::DeleteKey(const std::string& key)
{
    const std::string path = Normalised(key);
    const std::string prefix = path + '\\';
    bool deleted = keys_.erase(path) > 0;
    for (auto it = keys_.lower_bound(prefix); it != keys_.end() && StartsWithIgnoringCase(it->first, prefix);) {
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
    const std::string prefix = parent->first + '\\';
    for (auto it = keys_.lower_bound(prefix); it != keys_.end() && StartsWithIgnoringCase(it->first, prefix); ++it) {
        std::string rest = it->first.substr(prefix.size());
        if (!rest.empty() && rest.find('\\') == std::string::npos) names.push_back(std::move(rest));
    }
    return names;
}

std::optional<RegistryValue> Registry::QueryValue(const std::string& key, const std::string& name) const
{
    const auto found = keys_.find(Normalised(key));
    if (found == keys_.end()) return std::nullopt;
    const auto value = found->second.find(name);
    if (value == found->second.end()) return std::nullopt;
    return value->second;
}

bool Registry::SetValue(const std::string& key, const std::string& name, const RegistryValue& value)
{
    const auto found = keys_.find(Normalised(key));
    if (found == keys_.end() || !IsStorableName(name)) return false;
    found->second.insert_or_assign(name, value);
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
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto fields = SplitTabs(line);
        if (fields.size() == 2 && fields[0] == "K" && !fields[1].empty()) {
            keys_.try_emplace(Normalised(fields[1]));
        } else if (fields.size() == 5 && fields[0] == "V" && (fields[3] == "sz" || fields[3] == "dword")) {
            const auto data = FromHex(fields[4]);
            const auto key = keys_.find(Normalised(fields[1]));
            if (!data || key == keys_.end()) continue;
            const auto type = fields[3] == "sz" ? RegistryValueType::String : RegistryValueType::Dword;
            key->second.insert_or_assign(fields[2], RegistryValue{type, *data});
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
        for (const auto& [path, values] : keys_) out << "K\t" << path << '\n';
        for (const auto& [path, values] : keys_)
            for (const auto& [name, value] : values)
                out << "V\t" << path << '\t' << name << '\t'
                    << (value.type == RegistryValueType::String ? "sz" : "dword") << '\t' << ToHex(value.data) << '\n';
        out.flush();
        if (!out) return false;
    }
    std::filesystem::rename(temporary, file_, error);
    if (error) return false;
    unsaved_ = false;
    return true;
}
