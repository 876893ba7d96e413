#pragma once

#include "model/RuntimeErrors.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

// The entries of one database in memory, indexed from 0. Each entry is an
// object of its own that keeps its address while the array grows, so a
// dialog may hold an entry while another is added. An index outside the
// array raises SubscriptOutOfRange.
template <class Entry>
class DatabaseArray {
public:
    Entry& operator[](int index) { return *entries_[Checked(index)]; }
    const Entry& operator[](int index) const { return *entries_[Checked(index)]; }

    int Count() const { return static_cast<int>(entries_.size()); }
    bool IsEmpty() const { return entries_.empty(); }
    int LastIndex() const { return Count() - 1; }

    Entry& Append()
    {
        entries_.push_back(std::make_unique<Entry>());
        return *entries_.back();
    }
    void Clear() { entries_.clear(); }
    // Later entries move down one place.
    void Remove(int index) { entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(Checked(index))); }

    // Stable: entries that compare equal keep their order.
    template <class Less>
    void StableSort(Less less)
    {
        std::stable_sort(entries_.begin(), entries_.end(),
                         [&less](const std::unique_ptr<Entry>& a, const std::unique_ptr<Entry>& b) {
                             return less(*a, *b);
                         });
    }

private:
    std::size_t Checked(int index) const
    {
        if (index < 0 || index >= Count()) throw SubscriptOutOfRange("database entry " + std::to_string(index));
        return static_cast<std::size_t>(index);
    }

    std::vector<std::unique_ptr<Entry>> entries_;
};
