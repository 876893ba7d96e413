#include "ImportReplaceFixture.h"

#include "model/LibraryReconciliation.h"
#include "reconcile/IRReplace2Form.h"
#include "reconcile/RS232Replace2Form.h"

namespace {

std::string More(const char* prefix, int i)
{
    return prefix + std::to_string(i);
}

class IRCase final : public ImportTwinCase {
public:
    const char* Name() const override { return "IR"; }
    const char* Title() const override { return "Replace IR library?"; }
    const char* LibraryFrame() const override { return "IR Library"; }
    const char* Difference() const override
    {
        return "This Infrared library has the same manufacturer, type and model as one in the data base but is not "
               "the same.";
    }
    const char* CommandByCommand() const override
    {
        return "Select changes by individual infrared commands in the libraries";
    }
    const char* Comparison() const override { return "ImportIRLibraryComparison1"; }
    std::string DatabaseName() const override { return "InfraRed"; }
    void Prepare(ApplicationState& state, int more) const override
    {
        AddIRLibrary(state, "OTHER", "TV", "X1", {"A:1"});
        IRclass& stored = AddIRLibrary(state, "ACME", "TV", "T1", {"ON:1", "OFF:2", "DOWN:7"});
        for (int i = 0; i < more; ++i) FillIRCommand(stored.AddIRCommand(), More("S", i), 20 + i);
        // Saving passes through the buffers, so the imported library comes after.
        state.IR.SaveIRDatabase();
        IRclass& imported = AddIRLibrary(state, "acme", "TV", "T1", {"ON:1", "OFF:5", "UP:6"});
        imported.Comment("imported");
        for (int i = 0; i < more; ++i) FillIRCommand(imported.AddIRCommand(), More("S", i), 20 + i);
        state.IR.IRLibraryToRecord(2);
        state.IR.IRDatabase().Remove(2);
    }
    void Show(ApplicationState& state) const override { ShowIRReplace2Form(state, nullptr); }
    void Reconcile(ApplicationState& state) const override
    {
        state.Installed.Find<LibraryReconciliation>()->ReconcileImportedIRLibrary(state);
    }
    std::string Library(ApplicationState& scratch, std::initializer_list<std::string_view> commands,
                        const char* model) const override
    {
        return Described(AddIRLibrary(scratch, "ACME", "TV", model, commands));
    }
    std::string Buffer(ApplicationState& state, ApplicationState& scratch) const override
    {
        scratch.IR.IRHeaderRecordBuffer = state.IR.IRHeaderRecordBuffer;
        scratch.IR.IRCommandRecordBuffers = state.IR.IRCommandRecordBuffers;
        scratch.IR.AddIRLibrary();
        scratch.IR.IRRecordToLibrary(scratch.IR.IRDatabase().LastIndex());
        return Described(scratch.IR.IRDatabase()[scratch.IR.IRDatabase().LastIndex()]);
    }
    std::vector<std::string> Database(const ApplicationState& state) const override
    {
        std::vector<std::string> libraries;
        libraries.reserve(static_cast<std::size_t>(state.IR.IRDatabase().Count()));
        for (int i = 0; i < state.IR.IRDatabase().Count(); ++i)
            libraries.push_back(Described(state.IR.IRDatabase()[i]));
        return libraries;
    }
    void Load(ApplicationState& state) const override { state.IR.LoadIRDatabase(); }
    std::string BufferManufacturer(const ApplicationState& state) const override
    {
        return state.IR.IRHeaderRecordBuffer.Manufacturer.full();
    }
};

class RS232Case final : public ImportTwinCase {
    static void AddSlots(RS232FileBlockClass& library, int more)
    {
        for (int i = 0; i < more; ++i) {
            const int slot = 3 + i;
            library.Command(slot, More("S", i));
            library.My_RS232_String_Class(slot).NumberOfBytes(1);
            library.My_RS232_String_Class(slot).ContentBytes(0, static_cast<uint8_t>(i));
        }
    }

public:
    const char* Name() const override { return "RS232"; }
    const char* Title() const override { return "Replace RS232 Library"; }
    const char* LibraryFrame() const override { return "RS232 Library"; }
    const char* Difference() const override
    {
        return "This RS232 library has the same manufacturer, type and model as one in the data base but is not the "
               "same.";
    }
    const char* CommandByCommand() const override
    {
        return "Select changes by individual RS232commands in the libraries";
    }
    const char* Comparison() const override { return "ImportRS232LibraryComparison1"; }
    std::string DatabaseName() const override { return "RS232Serials"; }
    void Prepare(ApplicationState& state, int more) const override
    {
        SerialClassGlobals& rs232 = state.RS232Libraries;
        AddRS232Library(state, "OTHER", "TV", "X1", {"A:a"});
        AddSlots(AddRS232Library(state, "ACME", "TV", "T1", {"ON:a", "OFF:b", "DOWN:d"}), more);
        // Saving passes through the buffer, so the imported library comes after.
        rs232.SaveRS232Database();
        RS232FileBlockClass& imported = AddRS232Library(state, "ACME", "TV", "T1", {"ON:a", "OFF:c?", "UP:u"});
        imported.Notes("imported");
        AddSlots(imported, more);
        rs232.RS232LibraryToRecord(2);
        rs232.RS232RecordBuffer.Manufacturer("acme");
        rs232.RS232Database().Remove(2);
    }
    void Show(ApplicationState& state) const override { ShowRS232Replace2Form(state, nullptr); }
    void Reconcile(ApplicationState& state) const override
    {
        state.Installed.Find<LibraryReconciliation>()->ReconcileImportedRS232Library(state);
    }
    std::string Library(ApplicationState& scratch, std::initializer_list<std::string_view> commands,
                        const char* model) const override
    {
        return Described(AddRS232Library(scratch, "ACME", "TV", model, commands));
    }
    std::string Buffer(ApplicationState& state, ApplicationState& scratch) const override
    {
        scratch.RS232Libraries.AddRS232Library();
        RS232FileBlockClass& library =
            scratch.RS232Libraries.RS232Database()[scratch.RS232Libraries.RS232Database().LastIndex()];
        state.RS232Libraries.RS232RecordBuffer.FillLibrary(library);
        return Described(library);
    }
    std::vector<std::string> Database(const ApplicationState& state) const override
    {
        std::vector<std::string> libraries;
        libraries.reserve(static_cast<std::size_t>(state.RS232Libraries.RS232Database().Count()));
        for (int i = 0; i < state.RS232Libraries.RS232Database().Count(); ++i)
            libraries.push_back(Described(state.RS232Libraries.RS232Database()[i]));
        return libraries;
    }
    void Load(ApplicationState& state) const override { state.RS232Libraries.LoadRS232Database(); }
    std::string BufferManufacturer(const ApplicationState& state) const override
    {
        return state.RS232Libraries.RS232RecordBuffer.Manufacturer();
    }
};

}  // namespace

std::vector<std::unique_ptr<ImportTwinCase>> ImportTwinCases()
{
    std::vector<std::unique_ptr<ImportTwinCase>> cases;
    cases.push_back(std::make_unique<IRCase>());
    cases.push_back(std::make_unique<RS232Case>());
    return cases;
}
