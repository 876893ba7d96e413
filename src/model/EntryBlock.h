#pragma once

#include "platform/BulkMemory.h"

#include <cstddef>
#include <memory>
#include <new>

// Room for a number of entries in one allocation, made one by one as a
// loader decodes them and destroyed together: ten thousand entries are then
// a few allocations rather than ten thousand, each written while it is warm.
template <class Entry>
class EntryBlock {
public:
    static_assert(alignof(Entry) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__, "bulk memory is aligned for new");

    explicit EntryBlock(std::size_t capacity)
        : room_(static_cast<Entry*>(BulkMemory::Allocate(capacity * sizeof(Entry)))), capacity_(capacity)
    {
    }
    ~EntryBlock()
    {
        std::destroy_n(room_, made_);
        BulkMemory::Free(room_, capacity_ * sizeof(Entry));
    }
    EntryBlock(const EntryBlock&) = delete;
    EntryBlock& operator=(const EntryBlock&) = delete;

    std::size_t Room() const { return capacity_ - made_; }
    bool HasRoom() const { return made_ < capacity_; }
    // The next entry, made from the arguments, or default-initialised
    // without any (see DatabaseArray); the block must have room.
    template <class... Arguments>
    Entry* Make(Arguments... arguments)
    {
        void* place = room_ + made_;
        Entry* entry = nullptr;
        if constexpr (sizeof...(Arguments) == 0)
            entry = ::new (place) Entry;
        else
            entry = ::new (place) Entry(arguments...);
        ++made_;
        return entry;
    }

private:
    Entry* room_;
    std::size_t capacity_;
    std::size_t made_ = 0;
};
