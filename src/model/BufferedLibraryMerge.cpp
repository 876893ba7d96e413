#include "model/BufferedLibraryMerge.h"

#include "model/ApplicationState.h"
#include "model/LibraryReconciliation.h"

void MergeBufferedLibrary(ApplicationState& state, LibraryKind kind, LibraryArrival arrival)
{
    const int index = FindBufferInDatabase(state, kind);
    if (index < 0) {
        AppendBufferToDatabase(state, kind);
        return;
    }
    if (BufferMatchesLibrary(state, kind, index)) return;
    auto* reconciliation = state.Installed.Find<LibraryReconciliation>();
    if (reconciliation == nullptr) return;
    const bool imported = arrival == LibraryArrival::Imported;
    if (kind == LibraryKind::IR) {
        if (imported)
            reconciliation->ReconcileImportedIRLibrary(state);
        else
            reconciliation->ReconcileIRLibrary(state);
    } else {
        if (imported)
            reconciliation->ReconcileImportedRS232Library(state);
        else
            reconciliation->ReconcileRS232Library(state);
    }
}
