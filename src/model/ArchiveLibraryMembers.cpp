#include "model/ApplicationState.h"
#include "model/ConfigurationArchive.h"
#include "platform/WholeFile.h"

#include <algorithm>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// "IR000.IRT", "RS012.RST": the library's place in the configuration's list.
std::string MemberName(const char* prefix, std::size_t position, const char* extension)
{
    std::string digits = std::to_string(position);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return prefix + digits + extension;
}

void AppendOnce(std::vector<int>& indices, int index)
{
    if (index >= 0 && std::find(indices.begin(), indices.end(), index) == indices.end()) indices.push_back(index);
}

std::string Bytes(const FixedRecord& record)
{
    return std::string(reinterpret_cast<const char*>(record.data()), record.size());
}

}  // namespace

void WriteIRLibraryFiles(ApplicationState& state)
{
    IRClassGlobals& ir = state.IR;
    std::vector<int> libraries;
    for (InputIRRecord& input : state.Config.Record.InputIRRecords) {
        if (!input.DeviceSelected) continue;
        // Leaves the names trimmed and upper case in the configuration.
        AppendOnce(libraries, ir.FindIRLibrary(input.Manufacturer, input.IRtype, input.Model));
    }
    for (std::size_t position = 0; position < libraries.size(); ++position) {
        ir.IRLibraryToRecord(libraries[position]);
        if (ir.IRHeaderRecordBuffer.Num_commands == 0) continue;  // the number stays unused
        FixedRecord record(IRRecordLayout::RecordLength);
        ir.IRHeaderRecordBuffer.WriteTo(record);
        std::string bytes = Bytes(record);
        for (const IRCommandRecord& command : ir.IRCommandRecordBuffers) {
            command.WriteTo(record);
            bytes += Bytes(record);
        }
        WriteWholeFile(state.Archive.ConfigTempFolder / MemberName("IR", position, ".IRT"), bytes);
    }
}

void WriteRS232LibraryFiles(ApplicationState& state)
{
    SerialClassGlobals& rs232 = state.RS232Libraries;
    std::vector<int> libraries;
    for (ConfigSerialSlotRecord& slot : state.Config.Record.ConfigSerialSlots) {
        if (!slot.IsFromLibrary) continue;
        std::string manufacturer = slot.Manufacturer.full();
        std::string type = slot.MyType.full();
        std::string model = slot.Model.full();
        const int index = rs232.FindRS232Library(manufacturer, type, model);
        // Leaves the names trimmed and upper case in the slot.
        slot.Manufacturer = manufacturer;
        slot.MyType = type;
        slot.Model = model;
        AppendOnce(libraries, index);
    }
    for (std::size_t position = 0; position < libraries.size(); ++position) {
        rs232.RS232LibraryToRecord(libraries[position]);
        WriteWholeFile(state.Archive.ConfigTempFolder / MemberName("RS", position, ".RST"),
                       Bytes(rs232.RS232RecordBuffer));
    }
}
