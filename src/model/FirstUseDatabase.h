#pragma once

#include "model/DatabaseArray.h"

#include <functional>
#include <utility>

// A database read from its file the first time anything asks for it, so
// that start-up does not wait for files the user may never need. The read is
// not a change the askers can see, so a const asker may cause it.
template <class Entry>
class FirstUseDatabase {
public:
    // `read` rebuilds the database from its file through Entries(); it runs
    // at most once, at the first use.
    explicit FirstUseDatabase(std::function<void()> read) : read_(std::move(read)) {}

    DatabaseArray<Entry>& Used() const
    {
        if (!settled_) {
            settled_ = true;
            read_();
        }
        return entries_;
    }
    // The entries as they stand, the file left unread from then on: for the
    // read itself only. Emptying the database goes through Used(), so that
    // what is emptied is the database the file holds and a save afterwards
    // knows the file it replaces.
    DatabaseArray<Entry>& Entries()
    {
        settled_ = true;
        return entries_;
    }
    // Drops the entries from memory without a read; the next use reads the
    // file again. For a database that nothing will use any more.
    void Release()
    {
        entries_.Clear();
        settled_ = false;
    }

private:
    std::function<void()> read_;
    mutable bool settled_ = false;
    mutable DatabaseArray<Entry> entries_;
};
