#pragma once

#include "model/EntryBlock.h"
#include "model/RuntimeErrors.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <numeric>
#include <string>
#include <type_traits>
#include <vector>

// The entries of one database in memory, indexed from 0. Each entry is an
// object of its own that keeps its address while the array grows, so a
// dialog may hold an entry while another is added. An index outside the
// array raises SubscriptOutOfRange.
//
// New entries are default-initialised: every entry class gives each of its
// members an initial value, so this makes the same new, empty entry as
// value-initialisation without first clearing the whole object to zeros, a
// pass over every byte of a thousand entries that a load would pay for.
template <class Entry>
class DatabaseArray {
public:
    // The most entries one block of reserved room holds, so that a loader
    // never takes more memory at once, whatever its file claims.
    static constexpr std::size_t MostReservedAtOnce = 4096;

    Entry& operator[](int index) { return *entries_[Checked(index)]; }
    const Entry& operator[](int index) const { return *entries_[Checked(index)]; }

    int Count() const { return static_cast<int>(entries_.size()); }

    // For a pass that reads the entries from `index` on, in order: starts
    // fetching the first bytes, where every entry keeps its names, of an
    // entry some places further. After a load's sort the entries lie in
    // memory in the file's order, not the database's, and a pass that waited
    // for each in turn would spend most of its time waiting.
    void PrefetchAhead(int index) const
    {
        const std::size_t ahead = static_cast<std::size_t>(index) + PrefetchDistance;
        if (index < 0 || ahead >= entries_.size()) return;
        const char* start = reinterpret_cast<const char*>(entries_[ahead].get());
        __builtin_prefetch(start);
        __builtin_prefetch(start + PrefetchedBytes - 1);
    }
    bool IsEmpty() const { return entries_.empty(); }
    int LastIndex() const { return Count() - 1; }

    // Makes room for `count` new entries, for a loader that knows how many
    // records its file holds: ten thousand libraries are then a few
    // allocations rather than ten thousand. The room comes in blocks made
    // as the entries arrive, and each entry is made only when it is
    // appended, so its memory is written while it is warm.
    void Reserve(std::size_t count)
    {
        entries_.reserve(entries_.size() + count);
        unreserved_ = count;
        reserved_ = nullptr;
    }

    Entry& Append()
    {
        if ((!reserved_ || !reserved_->HasRoom()) && unreserved_ > 0) {
            const std::size_t room = std::min(unreserved_, MostReservedAtOnce);
            reserved_ = std::make_shared<Block>(room);
            unreserved_ -= room;
        }
        if (reserved_ && reserved_->HasRoom()) {
            // The entry shares the block's ownership, so the block lives as
            // long as any of its entries is in the array.
            Entry* entry = reserved_->Make();
            entries_.emplace_back(reserved_, entry);
        } else {
            entries_.push_back(std::shared_ptr<Entry>(new Entry));
        }
        return *entries_.back();
    }
    void Clear()
    {
        entries_.clear();
        reserved_ = nullptr;
        unreserved_ = 0;
    }
    // Later entries move down one place.
    void Remove(int index) { entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(Checked(index))); }

    // Stable: entries that compare equal keep their order. A database
    // saved sorted loads sorted: one pass finds that, where a sort would
    // move every entry to leave it as it was.
    template <class Less>
    void StableSort(Less less)
    {
        const auto byEntry = [&less](const std::shared_ptr<Entry>& a, const std::shared_ptr<Entry>& b) {
            return less(*a, *b);
        };
        if (std::is_sorted(entries_.begin(), entries_.end(), byEntry)) return;
        std::stable_sort(entries_.begin(), entries_.end(), byEntry);
    }

    // The same, for an order that is that of a key of bytes taken from each
    // entry (an array of char), compared as unsigned bytes. The keys are
    // taken once and lie side by side: a sort of entries spread over memory
    // would otherwise read two of them at every comparison.
    template <class KeyOf>
    void StableSortByKey(KeyOf keyOf)
    {
        using Key = std::invoke_result_t<KeyOf, const Entry&>;
        std::vector<Key> keys;
        keys.reserve(entries_.size());
        for (const std::shared_ptr<Entry>& entry : entries_) keys.push_back(keyOf(*entry));
        const auto before = [&keys](std::size_t a, std::size_t b) {
            return std::memcmp(keys[a].data(), keys[b].data(), sizeof(Key)) < 0;
        };
        std::vector<std::size_t> order(entries_.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        if (std::is_sorted(order.begin(), order.end(), before)) return;
        std::stable_sort(order.begin(), order.end(), before);
        std::vector<std::shared_ptr<Entry>> sorted;
        sorted.reserve(entries_.size());
        for (const std::size_t from : order) sorted.push_back(std::move(entries_[from]));
        entries_ = std::move(sorted);
    }

private:
    static constexpr std::size_t PrefetchDistance = 16;
    // Enough for the three names of any entry, wherever its cache lines start.
    static constexpr std::size_t PrefetchedBytes = 64;

    std::size_t Checked(int index) const
    {
        if (index < 0 || index >= Count()) throw SubscriptOutOfRange("database entry " + std::to_string(index));
        return static_cast<std::size_t>(index);
    }

    using Block = EntryBlock<Entry>;

    std::vector<std::shared_ptr<Entry>> entries_;
    std::shared_ptr<Block> reserved_;  // the block entries are made in
    std::size_t unreserved_ = 0;       // reserved entries not yet in a block
};
