#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <string_view>
#include <utility>

// One byte in upper case. ASCII bytes fold by arithmetic, as the C library
// folds them in every locale the editor runs in; the others as the C
// library does. Keys are mostly ASCII, and a library call per character was
// most of the time a large store took to read.
inline char CaseFoldedByte(unsigned char c)
{
    if (c < 0x80) return static_cast<char>(c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c);
    return static_cast<char>(std::toupper(c));
}

// The text in upper case, letter by letter, as the map below compares it.
inline std::string CaseFolded(std::string_view text)
{
    std::string folded(text.size(), '\0');
    std::transform(text.begin(), text.end(), folded.begin(), [](unsigned char c) { return CaseFoldedByte(c); });
    return folded;
}

// A map whose keys are compared without regard to letter case. Each key is
// held once in upper case beside the spelling it was first written with, so
// that a lookup compares plain bytes rather than converting every character
// of a long shared prefix at each step of the search. The order is that of
// the upper-case keys.
template <typename T>
class CaseInsensitiveMap {
public:
    struct Entry {
        std::string spelling;
        T value;
    };
    using Map = std::map<std::string, Entry, std::less<>>;
    using iterator = typename Map::iterator;
    using const_iterator = typename Map::const_iterator;

    iterator begin() { return entries_.begin(); }
    iterator end() { return entries_.end(); }
    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }

    iterator find(std::string_view key) { return entries_.find(CaseFolded(key)); }
    const_iterator find(std::string_view key) const { return entries_.find(CaseFolded(key)); }
    bool contains(std::string_view key) const { return entries_.contains(CaseFolded(key)); }
    // The same as find, trying first the entry after `previous`: keys asked
    // for in order, as a store written in order reads back, are found there.
    iterator find_after(iterator previous, std::string_view key)
    {
        std::string folded = CaseFolded(key);
        if (previous != entries_.end())
            if (const auto next = std::next(previous); next != entries_.end() && next->first == folded) return next;
        return entries_.find(folded);
    }

    // Adds the key with a default value unless a key of the same letters is
    // there already, whose spelling then stays. Keys that come in order, as
    // a store written in order reads back, go at the end without a search.
    std::pair<iterator, bool> try_emplace(std::string_view key)
    {
        std::string folded = CaseFolded(key);
        if (entries_.empty() || entries_.rbegin()->first < folded)
            return {entries_.emplace_hint(entries_.end(), std::move(folded), Entry{std::string(key), T{}}), true};
        const auto at = entries_.lower_bound(folded);
        if (at != entries_.end() && at->first == folded) return {at, false};
        return {entries_.emplace_hint(at, std::move(folded), Entry{std::string(key), T{}}), true};
    }

    void insert_or_assign(std::string_view key, T value)
    {
        const auto [entry, added] = try_emplace(key);
        entry->second.value = std::move(value);
    }

    iterator erase(iterator entry) { return entries_.erase(entry); }
    bool erase(std::string_view key) { return entries_.erase(CaseFolded(key)) > 0; }

    // The first key, in order, not before the one given. The keys that start
    // with a prefix stand together from the prefix's lower bound on, where
    // their folded form starts with the prefix folded.
    iterator lower_bound(std::string_view key) { return entries_.lower_bound(CaseFolded(key)); }
    const_iterator lower_bound(std::string_view key) const { return entries_.lower_bound(CaseFolded(key)); }

private:
    Map entries_;
};
