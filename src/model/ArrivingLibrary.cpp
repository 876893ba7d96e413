#include "model/ArrivingLibrary.h"

#include "model/ApplicationState.h"

LibraryNames BufferNames(const ApplicationState& state, LibraryKind kind)
{
    if (kind == LibraryKind::IR) {
        const IRLibraryHeaderRecord& header = state.IR.IRHeaderRecordBuffer;
        return {header.Manufacturer.full(), header.IRtype.full(), header.Model.full()};
    }
    const RS232LibraryRecord& record = state.RS232Libraries.RS232RecordBuffer;
    return {record.Manufacturer(), record.Type(), record.Model()};
}

void RenameBuffer(ApplicationState& state, LibraryKind kind, const LibraryNames& names)
{
    if (kind == LibraryKind::IR) {
        IRLibraryHeaderRecord& header = state.IR.IRHeaderRecordBuffer;
        header.Manufacturer = names.Manufacturer;
        header.IRtype = names.Type;
        header.Model = names.Model;
        return;
    }
    RS232LibraryRecord& record = state.RS232Libraries.RS232RecordBuffer;
    record.Manufacturer(names.Manufacturer);
    record.Type(names.Type);
    record.Model(names.Model);
}

int FindDatabaseLibrary(const ApplicationState& state, LibraryKind kind, LibraryNames names)
{
    if (kind == LibraryKind::IR) return state.IR.FindIRLibrary(names.Manufacturer, names.Type, names.Model);
    return state.RS232Libraries.FindRS232Library(names.Manufacturer, names.Type, names.Model);
}

int FindBufferInDatabase(ApplicationState& state, LibraryKind kind)
{
    if (kind == LibraryKind::IR) {
        IRLibraryHeaderRecord& header = state.IR.IRHeaderRecordBuffer;
        return state.IR.FindIRLibrary(header.Manufacturer, header.IRtype, header.Model);
    }
    LibraryNames names = BufferNames(state, kind);
    const int index = state.RS232Libraries.FindRS232Library(names.Manufacturer, names.Type, names.Model);
    RenameBuffer(state, kind, names);
    return index;
}

bool BufferMatchesLibrary(ApplicationState& state, LibraryKind kind, int index)
{
    return kind == LibraryKind::IR ? state.IR.IRRecordMatchesLibrary(index)
                                   : state.RS232Libraries.RS232RecordMatchesLibrary(index);
}

void AppendBufferToDatabase(ApplicationState& state, LibraryKind kind)
{
    if (kind == LibraryKind::IR) {
        state.IR.AddIRLibrary();
        state.IR.IRRecordToLibrary(state.IR.IRDatabase().LastIndex());
        return;
    }
    SerialClassGlobals& rs232 = state.RS232Libraries;
    rs232.AddRS232Library();
    rs232.RS232RecordToLibrary(rs232.RS232Database().LastIndex());
}
