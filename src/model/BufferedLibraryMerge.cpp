#include "model/BufferedLibraryMerge.h"

#include "model/ApplicationState.h"
#include "model/LibraryReconciliation.h"

#include <string>

namespace {

void Reconcile(ApplicationState& state, LibraryArrival arrival,
               void (LibraryReconciliation::*fromArchive)(ApplicationState&),
               void (LibraryReconciliation::*imported)(ApplicationState&))
{
    auto* reconciliation = state.Installed.Find<LibraryReconciliation>();
    if (reconciliation == nullptr) return;
    (reconciliation->*(arrival == LibraryArrival::FromArchive ? fromArchive : imported))(state);
}

}  // namespace

void MergeBufferedIRLibrary(ApplicationState& state, LibraryArrival arrival)
{
    IRClassGlobals& ir = state.IR;
    IRLibraryHeaderRecord& header = ir.IRHeaderRecordBuffer;
    const int index = ir.FindIRLibrary(header.Manufacturer, header.IRtype, header.Model);
    if (index < 0) {
        ir.AddIRLibrary();
        ir.IRRecordToLibrary(ir.IRDatabase.LastIndex());
    } else if (!ir.IRRecordMatchesLibrary(index)) {
        Reconcile(state, arrival, &LibraryReconciliation::ReconcileIRLibrary,
                  &LibraryReconciliation::ReconcileImportedIRLibrary);
    }
}

void MergeBufferedRS232Library(ApplicationState& state, LibraryArrival arrival)
{
    SerialClassGlobals& libraries = state.RS232Libraries;
    RS232LibraryRecord& record = libraries.RS232RecordBuffer;
    std::string manufacturer = record.Manufacturer();
    std::string type = record.Type();
    std::string model = record.Model();
    const int index = libraries.FindRS232Library(manufacturer, type, model);
    record.Manufacturer(manufacturer);
    record.Type(type);
    record.Model(model);
    if (index < 0) {
        libraries.AddRS232Library();
        libraries.RS232RecordToLibrary(libraries.RS232Database.LastIndex());
    } else if (!libraries.RS232RecordMatchesLibrary(index)) {
        Reconcile(state, arrival, &LibraryReconciliation::ReconcileRS232Library,
                  &LibraryReconciliation::ReconcileImportedRS232Library);
    }
}
