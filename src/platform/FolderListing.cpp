#include "platform/FolderListing.h"

#include "platform/RecordFile.h"

#include <algorithm>
#include <cctype>

namespace fs = std::filesystem;

namespace {

bool SameLetter(char a, char b)
{
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
}

// What stands at the path, a link not followed; not_found when nothing does.
fs::file_type EntryTypeAt(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (error && status.type() != fs::file_type::not_found) throw FileErrorAt("cannot examine", path, error.message());
    return status.type();
}

}  // namespace

std::string LowerCaseAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool MatchesMask(std::string_view name, std::string_view mask)
{
    // Iterative wildcard match with one back-tracking point for the last '*'.
    std::size_t n = 0;
    std::size_t m = 0;
    std::size_t starMask = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || (mask[m] != '*' && SameLetter(mask[m], name[n])))) {
            ++n;
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

std::vector<fs::path> EntriesWhere(const fs::path& folder,
                                   const std::function<bool(const fs::directory_entry&)>& accept)
{
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) throw FileErrorAt("cannot list", folder, error.message());
    std::vector<fs::path> found;
    for (const auto& entry : entries) {
        if (accept(entry)) found.push_back(entry.path());
    }
    std::sort(found.begin(), found.end(), [](const fs::path& a, const fs::path& b) {
        const std::string left = a.filename().string();
        const std::string right = b.filename().string();
        const std::string lowerLeft = LowerCaseAscii(left);
        const std::string lowerRight = LowerCaseAscii(right);
        return lowerLeft != lowerRight ? lowerLeft < lowerRight : left < right;
    });
    return found;
}

std::vector<fs::path> OrdinaryFilesMatching(const fs::path& folder, std::string_view mask)
{
    return EntriesWhere(folder, [mask](const fs::directory_entry& entry) {
        std::error_code error;
        return entry.is_regular_file(error) && MatchesMask(entry.path().filename().string(), mask);
    });
}

void EmptyFolder(const fs::path& folder)
{
    // One pass: an entry that cannot be deleted stops it with an error.
    for (const fs::path& entry : EntriesWhere(folder, [](const fs::directory_entry&) { return true; }))
        RemoveFolderWithContents(entry);
}

void MakeEmptyFolder(const fs::path& folder)
{
    const fs::file_type type = EntryTypeAt(folder);
    if (type == fs::file_type::directory) {
        EmptyFolder(folder);
        return;
    }
    if (type != fs::file_type::not_found) DeleteFileIfExists(folder);
    std::error_code error;
    fs::create_directory(folder, error);
    if (error) throw FileErrorAt("cannot create", folder, error.message());
}

void RemoveFolderWithContents(const fs::path& folder)
{
    // Never follows a link, neither at the path nor anywhere inside.
    std::error_code error;
    fs::remove_all(folder, error);
    if (error) throw FileErrorAt("cannot delete", folder, error.message());
}
