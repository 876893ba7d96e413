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
    // at most once, at the first use. `complete` finishes the entries that
    // a read left to follow (see FollowLater).
    explicit FirstUseDatabase(std::function<void()> read, std::function<void()> complete = {})
        : read_(std::move(read)), complete_(std::move(complete))
    {
    }

    // The entries whole.
    DatabaseArray<Entry>& Used() const
    {
        Read();
        if (following_) {
            following_ = false;
            complete_();
        }
        return entries_;
    }
    // The entries as far as the read has made them, without waiting for what
    // follows: for a list of what the entries are called, and nothing else.
    const DatabaseArray<Entry>& Listed() const
    {
        Read();
        return entries_;
    }
    // For the read: the entries are made in part, and the next Used()
    // completes them.
    void FollowLater() { following_ = true; }
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
        following_ = false;
    }

private:
    void Read() const
    {
        if (!settled_) {
            settled_ = true;
            read_();
        }
    }

    std::function<void()> read_;
    std::function<void()> complete_;
    mutable bool settled_ = false;
    mutable bool following_ = false;
    mutable DatabaseArray<Entry> entries_;
};
