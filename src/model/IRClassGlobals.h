#pragma once

#include "model/IRRecords.h"
#include "model/IRclass.h"
#include "platform/FixedText.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

// The IR module: the IR database in memory, the one pair of record buffers
// through which every IR file passes, and the objects the IR dialogs share.
// Every converter works through the shared buffers, so no two may interleave.
class IRClassGlobals {
public:
    static constexpr const char* DatabaseName = "InfraRed";
    // Library indexes are 16-bit.
    static constexpr int MaximumLibraries = 32767;

    IRClassGlobals() = default;
    IRClassGlobals(const IRClassGlobals&) = delete;
    IRClassGlobals& operator=(const IRClassGlobals&) = delete;

    // In memory.
    bool IRDatabaseAllocated() const { return !irDatabase_.empty(); }
    int IRDatabaseSize() const { return static_cast<int>(irDatabase_.size()); }
    // Library i; an index outside the database raises SubscriptOutOfRange.
    IRclass& IRDatabase(int i);
    const IRclass& IRDatabase(int i) const;

    // Appends a new, empty library (the last element) and returns it.
    IRclass& AddIRLibrary();
    void ClearIRDatabase() { irDatabase_.clear(); }
    // Later libraries move down; an index outside the database does nothing.
    void RemoveIRLibrary(int i);

    // Trims and upper-cases the three names in place (only when the database
    // holds libraries) and returns the first library with those names, or -1.
    int16_t FindIRLibrary(std::string& manufacturer, std::string& irType, std::string& model) const;
    int16_t FindIRLibrary(FixedText<16>& manufacturer, FixedText<16>& irType, FixedText<16>& model) const;

    // Conversions between library i and the record buffers.
    void IRLibraryToRecord(int i);
    void IRRecordToLibrary(int i);
    bool IRRecordMatchesLibrary(int i) const;

    // The database file "InfraRed.DEF" in the program folder. File errors
    // are raised as FileError.
    void SaveIRDatabase(const std::filesystem::path& programFolder);
    void LoadIRDatabase(const std::filesystem::path& programFolder);
    // Reads the one library of an IR archive member into the buffers. True
    // when a whole library with names was read; otherwise the header's
    // Num_commands is 0 and the command buffers are empty, so nothing of the
    // member is taken.
    bool ReadIRRecordFile(const std::filesystem::path& path);

    IRLibraryHeaderRecord IRHeaderRecordBuffer;
    std::vector<IRCommandRecord> IRCommandRecordBuffers;

    // Handed to the IR library editor and taken back after it closes.
    IRclass WorkIRLibrary;
    // The IR browser's own clipboard; never the system's.
    IRclass IRClipboard;
    // The command of WorkIRLibrary that the IR library editor shows, or none.
    std::shared_ptr<IRCommandClass> CurrentIRCommand;

private:
    void CheckBuffersHoldHeaderCommands() const;
    // Names, comment and inter-periods of the header buffer into a library.
    void TakeHeader(IRclass& library) const;

    std::vector<std::unique_ptr<IRclass>> irDatabase_;
};
