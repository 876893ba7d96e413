#include "ReconcileFixture.h"

#include <sstream>

namespace {

std::pair<std::string_view, std::string_view> Split(std::string_view command)
{
    const auto colon = command.find(':');
    return {command.substr(0, colon), command.substr(colon + 1)};
}

}  // namespace

void FillIRCommand(IRCommandClass& command, std::string_view name, int seed)
{
    command.Name(name);
    command.Mode(static_cast<uint8_t>(seed % 2));
    for (int i = 0; i < IRCommandClass::DataLength; ++i) {
        command.Data(0, i, static_cast<uint8_t>(seed * 7 + i));
        command.Data(1, i, static_cast<uint8_t>(seed * 13 + 3 * i));
    }
}

IRclass& AddIRLibrary(ApplicationState& state, std::string_view manufacturer, std::string_view type,
                      std::string_view model, std::initializer_list<std::string_view> commands)
{
    IRclass& library = state.IR.AddIRLibrary();
    library.Manufacturer(manufacturer);
    library.IRtype(type);
    library.Model(model);
    library.Comment(std::string("remote of ") + std::string(model));
    library.InterPeriod0(4);
    library.InterPeriod1(5);
    for (std::string_view command : commands) {
        const auto [name, seed] = Split(command);
        FillIRCommand(library.AddIRCommand(), name, std::stoi(std::string(seed)));
    }
    return library;
}

RS232FileBlockClass& AddRS232Library(ApplicationState& state, std::string_view manufacturer, std::string_view type,
                                     std::string_view model, std::initializer_list<std::string_view> commands)
{
    SerialClassGlobals& rs232 = state.RS232Libraries;
    rs232.AddRS232Library();
    RS232FileBlockClass& library = rs232.RS232Database()[rs232.RS232Database().LastIndex()];
    library.Clear();
    library.Manufacturer(manufacturer);
    library.MyType(type);
    library.Model(model);
    library.Notes("notes of " + std::string(model));
    library.Baudrate(1);
    library.Parity(2);
    library.InterByteDelay(3);
    int slot = 0;
    for (std::string_view command : commands) {
        const auto [name, bytes] = Split(command);
        library.Command(slot, name);
        RS232_String_Class& message = library.My_RS232_String_Class(slot);
        message.NumberOfBytes(static_cast<int>(bytes.size()));
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const bool ignore = bytes[i] == '?';
            message.ContentBytes(static_cast<int>(i), static_cast<uint8_t>(bytes[i]));
            message.ContentTypes(static_cast<int>(i), ignore ? ContentIgnore : ContentAscii);
        }
        library.IsInputNotOutput(slot, message.ContainsIgnore());
        ++slot;
    }
    return library;
}

std::string Described(const IRclass& library)
{
    std::ostringstream text;
    text << '[' << library.Manufacturer() << '|' << library.IRtype() << '|' << library.Model() << '|'
         << library.Comment() << '|' << int{library.InterPeriod0()} << ',' << int{library.InterPeriod1()} << ']';
    for (int c = 0; c < library.Num_commands(); ++c) {
        const IRCommandClass& command = *library.CommandAt(c);
        text << " {" << command.Name() << " m" << int{command.Mode()};
        for (int part = 0; part < 2; ++part)
            for (int i = 0; i < IRCommandClass::DataLength; ++i) text << ' ' << int{command.Data(part, i)};
        text << '}';
    }
    return text.str();
}

std::string Described(const RS232FileBlockClass& library)
{
    std::ostringstream text;
    text << '[' << library.Manufacturer() << '|' << library.MyType() << '|' << library.Model() << '|' << library.Notes()
         << '|' << library.Baudrate() << ',' << library.Parity() << ',' << library.InterByteDelay() << ']';
    for (int c = 0; c < RS232FileBlockClass::Commands; ++c) {
        const RS232_String_Class& message = library.My_RS232_String_Class(c);
        text << " {" << library.Command(c) << (library.IsInputNotOutput(c) ? " in" : " out");
        for (int i = 0; i < message.NumberOfBytes(); ++i)
            text << ' ' << int{message.ContentBytes(i)} << '/' << int{message.ContentTypes(i)};
        text << '}';
    }
    return text.str();
}

void DriveDialogs(const std::vector<std::function<void(QWidget*)>>& actions, std::size_t first)
{
    if (first >= actions.size()) return;
    WhenModalOpens([actions, first](QWidget* dialog) {
        actions[first](dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "dialog " << first << " left open";
            dialog->close();
        }
        DriveDialogs(actions, first + 1);
    });
}

std::vector<std::string> SavedIRLibraries(const std::filesystem::path& folder)
{
    ScriptedPrompts prompts;
    IRClassGlobals saved(folder, prompts);
    if (std::filesystem::exists(folder / "InfraRed.DEF")) saved.LoadIRDatabase();
    std::vector<std::string> libraries;
    libraries.reserve(static_cast<std::size_t>(saved.IRDatabase().Count()));
    for (int i = 0; i < saved.IRDatabase().Count(); ++i) libraries.push_back(Described(saved.IRDatabase()[i]));
    return libraries;
}

std::vector<std::string> SavedRS232Libraries(const std::filesystem::path& folder)
{
    ScriptedPrompts quiet;
    SerialClassGlobals saved(folder, quiet);
    if (std::filesystem::exists(folder / "RS232Serials.DEF")) saved.LoadRS232Database();
    std::vector<std::string> libraries;
    libraries.reserve(static_cast<std::size_t>(saved.RS232Database().Count()));
    for (int i = 0; i < saved.RS232Database().Count(); ++i) libraries.push_back(Described(saved.RS232Database()[i]));
    return libraries;
}

std::vector<std::string> DescribedIRLibraries(const std::function<void(ApplicationState&)>& fill)
{
    ScriptedPrompts quiet;
    ApplicationState reference("/nonexistent", quiet);
    fill(reference);
    std::vector<std::string> libraries;
    libraries.reserve(static_cast<std::size_t>(reference.IR.IRDatabase().Count()));
    for (int i = 0; i < reference.IR.IRDatabase().Count(); ++i)
        libraries.push_back(Described(reference.IR.IRDatabase()[i]));
    return libraries;
}

std::vector<std::string> DescribedRS232Libraries(const std::function<void(ApplicationState&)>& fill)
{
    ScriptedPrompts quiet;
    ApplicationState reference("/nonexistent", quiet);
    fill(reference);
    std::vector<std::string> libraries;
    libraries.reserve(static_cast<std::size_t>(reference.RS232Libraries.RS232Database().Count()));
    for (int i = 0; i < reference.RS232Libraries.RS232Database().Count(); ++i)
        libraries.push_back(Described(reference.RS232Libraries.RS232Database()[i]));
    return libraries;
}

void ExpectSameConfiguration(const ConfigurationRecord& actual, const ConfigurationRecord& expected)
{
    for (std::size_t i = 0; i < actual.InputIRRecords.size(); ++i) {
        const InputIRRecord& a = actual.InputIRRecords[i];
        const InputIRRecord& e = expected.InputIRRecords[i];
        for (std::size_t p = 0; p < InputIRRecord::Commands; ++p) {
            SCOPED_TRACE("input " + std::to_string(i) + " position " + std::to_string(p));
            EXPECT_EQ(a.SelectCommandNames[p].full(), e.SelectCommandNames[p].full());
            EXPECT_EQ(a.DeselectCommandNames[p].full(), e.DeselectCommandNames[p].full());
            EXPECT_EQ(a.SelectAssigned[p], e.SelectAssigned[p]);
            EXPECT_EQ(a.DeselectAssigned[p], e.DeselectAssigned[p]);
            EXPECT_TRUE(a.SelectCommands[p] == e.SelectCommands[p]) << a.SelectCommands[p].Name.full();
            EXPECT_TRUE(a.DeselectCommands[p] == e.DeselectCommands[p]) << a.DeselectCommands[p].Name.full();
        }
        EXPECT_TRUE(a == e) << "input " << i;
    }
    for (std::size_t s = 0; s < actual.ConfigSerialSlots.size(); ++s) {
        const ConfigSerialSlotRecord& a = actual.ConfigSerialSlots[s];
        const ConfigSerialSlotRecord& e = expected.ConfigSerialSlots[s];
        SCOPED_TRACE("slot " + std::to_string(s));
        EXPECT_EQ(a.Command.full(), e.Command.full());
        EXPECT_EQ(a.IsFromLibrary, e.IsFromLibrary);
        EXPECT_EQ(a.NumberOfBytes, e.NumberOfBytes);
        EXPECT_TRUE(a == e);
    }
    EXPECT_TRUE(actual == expected) << "a variable beyond the inputs' IR and the serial slots changed";
}
