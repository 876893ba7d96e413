#include "reconcile/RS232CommandComparison.h"

#include "model/FindByNames.h"
#include "model/MessageRecordField.h"
#include "model/RS232FileBlockClass.h"
#include "model/RS232LibraryRecord.h"

namespace {

constexpr int Slots = RS232FileBlockClass::Commands;

std::optional<std::string> SlotName(std::string_view field)
{
    std::string name = TrimmedUpper(field);
    if (name.empty()) return std::nullopt;
    return name;
}

int FirstUnnamedSlot(const RS232FileBlockClass& library)
{
    for (int k = 0; k < Slots; ++k) {
        if (library.CommandField(k).isBlank()) return k;
    }
    return -1;
}

}  // namespace

std::vector<CommandComparisonRow> CompareRS232Commands(const RS232LibraryRecord& record,
                                                       const RS232FileBlockClass& library)
{
    return BuildComparisonRows(
        Slots, [&](int j) { return SlotName(record.CommandNameView(j)); }, Slots,
        [&](int k) { return SlotName(library.CommandField(k).view()); },
        [&](int j, int k) {
            return MessageRecordField::Matches(record, RS232LibraryRecord::MessageOffset(j),
                                               library.My_RS232_String_Class(k));
        });
}

int FindRecordRS232Command(const RS232LibraryRecord& record, const std::string& name)
{
    for (int j = 0; j < Slots; ++j) {
        if (TrimmedUpper(record.CommandNameView(j)) == name) return j;
    }
    return -1;
}

int FindLibraryRS232Command(const RS232FileBlockClass& library, const std::string& name)
{
    for (int k = 0; k < Slots; ++k) {
        if (TrimmedUpper(library.CommandField(k).view()) == name) return k;
    }
    return -1;
}

bool MoveRS232Message(const RS232_String_Class& fresh, RS232FileBlockClass& library, int k, std::string_view name)
{
    if (k < 0) {
        k = FirstUnnamedSlot(library);
        if (k < 0) return false;
        library.Command(k, name);
    }
    RS232_String_Class& message = library.My_RS232_String_Class(k);
    message.AssignFromFields(fresh.NumberOfBytes(), fresh.ContentBytesData(), fresh.ContentTypesData());
    library.IsInputNotOutput(k, message.ContainsIgnore());
    return true;
}

bool MoveRecordRS232Command(const RS232LibraryRecord& record, int j, RS232FileBlockClass& library, int k,
                            const std::string& name)
{
    const std::size_t offset = RS232LibraryRecord::MessageOffset(j);
    const int count = record.Int16At(offset + MessageRecordField::CountOffset);
    if (count < 0 || count > RS232_String_Class::Capacity) return false;
    RS232_String_Class fresh;
    MessageRecordField::ReadCounted(record, offset, count, fresh);
    return MoveRS232Message(fresh, library, k, name);
}

bool MoveRS232RowToLibrary(const RS232LibraryRecord& record, RS232FileBlockClass& library,
                           const CommandComparisonRow& row)
{
    const int j = row.InNew ? FindRecordRS232Command(record, row.Name) : -1;
    if (j < 0) return true;
    const int k = row.InDataBase ? FindLibraryRS232Command(library, row.Name) : -1;
    return MoveRecordRS232Command(record, j, library, k, row.Name);
}
