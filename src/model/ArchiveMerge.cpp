#include "model/ArchiveMerge.h"

#include "model/ApplicationState.h"
#include "model/BufferedLibraryMerge.h"
#include "model/IRDatabaseFull.h"
#include "platform/ArchiveLog.h"
#include "platform/FolderListing.h"
#include "platform/RecordFile.h"

#include <string>

namespace fs = std::filesystem;

namespace {

// Every command count of the record fits a message, so that neither the
// transfer nor a reconciliation dialog meets one that cannot be held.
bool CountsFit(const RS232LibraryRecord& record)
{
    for (int command = 0; command < RS232FileBlockClass::Commands; ++command) {
        const int16_t count = record.Int16At(RS232LibraryRecord::MessageOffset(command));
        if (count < 0 || count > RS232_String_Class::Capacity) return false;
    }
    return true;
}

}  // namespace

void MergeIRMembers(ApplicationState& state, const fs::path& folder)
{
    IRClassGlobals& ir = state.IR;
    bool fullTold = false;
    for (const fs::path& member : OrdinaryFilesMatching(folder, "*.IRT")) {
        bool whole = false;
        try {
            whole = ir.ReadIRRecordFile(member);
        } catch (const FileError&) {
            qCDebug(archiveLog) << "skipped" << member.c_str() << ": unreadable";
            continue;
        }
        IRLibraryHeaderRecord& header = ir.IRHeaderRecordBuffer;
        if (!whole || header.Num_commands == 0) {
            qCDebug(archiveLog) << "skipped" << member.c_str() << ": no whole library with commands";
            continue;
        }
        // The configuration holds its own commands, so it opens whole; the
        // library stays out of the database, and the user hears it once.
        if (ir.IRDatabaseFull() && FindBufferInDatabase(state, LibraryKind::IR) < 0) {
            qCDebug(archiveLog) << "skipped" << member.c_str() << ": the IR database is full";
            if (!fullTold) ReportIRDatabaseFull(state.Prompts());
            fullTold = true;
            continue;
        }
        MergeBufferedLibrary(state, LibraryKind::IR, LibraryArrival::FromArchive);
    }
}

void MergeRS232Members(ApplicationState& state, const fs::path& folder)
{
    SerialClassGlobals& rs232 = state.RS232Libraries;
    for (const fs::path& member : OrdinaryFilesMatching(folder, "*.RST")) {
        try {
            rs232.ReadRS232RecordFile(member);
        } catch (const FileError&) {
            qCDebug(archiveLog) << "skipped" << member.c_str() << ": no whole record";
            continue;
        }
        RS232LibraryRecord& record = rs232.RS232RecordBuffer;
        if (!record.HasAllNames() || !CountsFit(record)) {
            qCDebug(archiveLog) << "skipped" << member.c_str() << ": a blank name or a count no message holds";
            continue;
        }
        MergeBufferedLibrary(state, LibraryKind::RS232, LibraryArrival::FromArchive);
    }
}
