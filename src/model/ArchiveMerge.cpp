#include "model/ArchiveMerge.h"

#include "model/ApplicationState.h"
#include "model/LibraryReconciliation.h"
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
        const int index = ir.FindIRLibrary(header.Manufacturer, header.IRtype, header.Model);
        if (index < 0) {
            ir.AddIRLibrary();
            ir.IRRecordToLibrary(ir.IRDatabase.LastIndex());
        } else if (!ir.IRRecordMatchesLibrary(index)) {
            if (auto* reconciliation = state.Installed.Find<LibraryReconciliation>())
                reconciliation->ReconcileIRLibrary(state);
        }
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
        std::string manufacturer = record.Manufacturer();
        std::string type = record.Type();
        std::string model = record.Model();
        const int index = rs232.FindRS232Library(manufacturer, type, model);
        record.Manufacturer(manufacturer);
        record.Type(type);
        record.Model(model);
        if (index < 0) {
            rs232.AddRS232Library();
            rs232.RS232RecordToLibrary(rs232.RS232Database.LastIndex());
        } else if (!rs232.RS232RecordMatchesLibrary(index)) {
            if (auto* reconciliation = state.Installed.Find<LibraryReconciliation>())
                reconciliation->ReconcileRS232Library(state);
        }
    }
}
