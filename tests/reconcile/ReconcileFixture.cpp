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
    RS232FileBlockClass& library = rs232.RS232Database[rs232.RS232Database.LastIndex()];
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
