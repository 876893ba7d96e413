#include "rs232/SerialLibraryEditSave.h"

#include "controls/BlankNameMessages.h"
#include "model/SerialClassGlobals.h"
#include "platform/FixedText.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"

#include <QString>
#include <algorithm>
#include <string>

namespace {

using Name = FixedText<RS232FileBlockClass::NameLength>;

bool Refuse(UserPrompts& prompts, const QString& text)
{
    prompts.Message(text, "Sorry!", PromptButtons::Ok, PromptIcon::Exclamation);
    return false;
}

QString Text(const std::string& bytes)
{
    return FromWindows1252(bytes);
}

// The first of the six checks that the library fails, as its message; empty
// when it passes them all.
QString FirstFailedCheck(const RS232FileBlockClass& library)
{
    constexpr int commands = RS232FileBlockClass::Commands;
    for (int i = 0; i < commands - 1; ++i) {
        const std::string name = library.CommandField(i).trimmed();
        if (name.empty()) continue;
        for (int j = i + 1; j < commands; ++j) {
            if (UpperCase1252(name) == UpperCase1252(library.CommandField(j).trimmed()))
                return "Cannot save as command name " + Text(name) + " has been defined twice!";
        }
    }
    bool anyBytes = false;
    for (int i = 0; i < commands; ++i) anyBytes = anyBytes || library.My_RS232_String_Class(i).NumberOfBytes() != 0;
    if (!anyBytes) return "Cannot save as no serial codes have been defined!";
    if (library.ManufacturerField().trimmed().empty()) return BlankNames::Manufacturer.text;
    if (library.ModelField().trimmed().empty()) return BlankNames::Model.text;
    if (library.MyTypeField().trimmed().empty()) return BlankNames::EquipmentType.text;
    for (int i = 0; i < commands; ++i) {
        if (library.My_RS232_String_Class(i).NumberOfBytes() != 0 && library.CommandField(i).trimmed().empty())
            return "Cannot save as no command name for RS232 string " + QString::number(i + 1) + " has been defined!";
    }
    return {};
}

}  // namespace

void StampLibraryCommands(const RS232FileBlockClass& library, LibraryCommandMessages& messages)
{
    for (SerialClass& message : messages) {
        message.Baudrate(library.Baudrate());
        message.Parity(library.Parity());
        message.InterByteDelay(library.InterByteDelay());
        message.Manufacturer(library.Manufacturer());
        message.Model(library.Model());
        message.MyType(library.MyType());
        message.SerialType(SerialClass::LibraryCommand);
        message.CanBeInput(true);
        message.CanBeVariable(false);
        message.ConfigIndex(-1);
        message.VolumeExtension(nullptr);
    }
}

void LoadLibraryCommands(const RS232FileBlockClass& library, LibraryCommandMessages& messages)
{
    StampLibraryCommands(library, messages);
    for (int i = 0; i < RS232FileBlockClass::Commands; ++i) {
        SerialClass& message = messages[static_cast<std::size_t>(i)];
        message.Command(library.Command(i));
        message.IsFromLibrary(library.IsFromLibrary(i));
        message.MyRS232StringClass().CopyFromThisRS232StringClass(library.My_RS232_String_Class(i));
    }
}

void WriteLibraryCommands(const LibraryCommandMessages& messages, RS232FileBlockClass& library)
{
    for (int i = 0; i < RS232FileBlockClass::Commands; ++i) {
        const SerialClass& message = messages[static_cast<std::size_t>(i)];
        library.Command(i, message.Command());
        library.IsFromLibrary(i, message.IsFromLibrary());
        library.IsInputNotOutput(i, message.MyRS232StringClass().ContainsIgnore());
        library.My_RS232_String_Class(i).CopyFromThisRS232StringClass(message.MyRS232StringClass());
    }
}

bool SaveWorkRS232Library(SerialClassGlobals& libraries, UserPrompts& prompts)
{
    RS232FileBlockClass& work = libraries.WorkRS232Library;
    WriteLibraryCommands(libraries.EditCommandSerials, work);
    if (const QString failure = FirstFailedCheck(work); !failure.isEmpty()) return Refuse(prompts, failure);

    std::string manufacturer = work.Manufacturer();
    std::string type = work.MyType();
    std::string model = work.Model();
    const int existing = libraries.FindRS232Library(manufacturer, type, model);
    if (existing >= 0) {
        RS232FileBlockClass& entry = libraries.RS232Database()[existing];
        if (entry.IsSameAs(work)) return true;
        const QString question = "RS2332 equipment " + Text(work.ManufacturerField().trimmed()) + " / " +
                                 Text(work.MyTypeField().trimmed()) + " / " + Text(work.ModelField().trimmed()) +
                                 " already exists do you wish to over-write it?";
        if (prompts.Message(question, "Overwrite", PromptButtons::YesNo, PromptIcon::None) != PromptAnswer::Yes)
            return false;
        entry.CopyFrom(work);
        return true;
    }
    libraries.AddRS232Library();
    libraries.RS232Database()[libraries.RS232Database().LastIndex()].CopyFrom(work);
    return true;
}
