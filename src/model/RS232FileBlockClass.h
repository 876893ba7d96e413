#pragma once

#include "model/RS232_String_Class.h"
#include "platform/FixedText.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// One RS232 library: the names of the equipment, notes, port settings and
// 32 named commands, each a message sent to or received from the equipment.
// Whole-object copies go through CopyFrom, Copy and paste, never through C++
// copies, so that every owner keeps its own messages.
class RS232FileBlockClass {
public:
    static constexpr int Commands = 32;
    static constexpr std::size_t NameLength = 16;
    static constexpr std::size_t NotesLength = 160;

    RS232FileBlockClass() = default;
    RS232FileBlockClass(const RS232FileBlockClass&) = delete;
    RS232FileBlockClass& operator=(const RS232FileBlockClass&) = delete;

    bool IsSameAs(const RS232FileBlockClass& other) const;
    void CopyFrom(const RS232FileBlockClass& source);
    // The clipboard becomes a copy of this library.
    void Copy(RS232FileBlockClass& clipboard) const { clipboard.CopyFrom(*this); }
    // This library becomes a copy of the clipboard, unchecked.
    void paste(const RS232FileBlockClass& clipboard) { CopyFrom(clipboard); }
    // Stale bytes beyond each command's count stay, as in every message.
    void Clear();

    // The per-command properties take the command number 0 to 31, also as
    // its decimal text: text that is no number raises TypeMismatch, a number
    // outside 0 to 31 SubscriptOutOfRange.
    static int CommandIndex(std::string_view text);
    bool IsFromLibrary(int command) const { return isFromLibrary_[Checked(command)]; }
    void IsFromLibrary(int command, bool value) { isFromLibrary_[Checked(command)] = value; }
    bool IsFromLibrary(std::string_view command) const { return IsFromLibrary(CommandIndex(command)); }
    void IsFromLibrary(std::string_view command, bool value) { IsFromLibrary(CommandIndex(command), value); }
    bool IsInputNotOutput(int command) const { return isInputNotOutput_[Checked(command)]; }
    void IsInputNotOutput(int command, bool value) { isInputNotOutput_[Checked(command)] = value; }
    bool IsInputNotOutput(std::string_view command) const { return IsInputNotOutput(CommandIndex(command)); }
    void IsInputNotOutput(std::string_view command, bool value) { IsInputNotOutput(CommandIndex(command), value); }
    // The command's name, all 16 characters; blank for a slot not in use.
    std::string Command(int command) const { return names_[Checked(command)].full(); }
    void Command(int command, std::string_view name) { names_[Checked(command)] = name; }
    std::string Command(std::string_view command) const { return Command(CommandIndex(command)); }
    void Command(std::string_view command, std::string_view name) { Command(CommandIndex(command), name); }
    RS232_String_Class& My_RS232_String_Class(int command) { return messages_[Checked(command)]; }
    const RS232_String_Class& My_RS232_String_Class(int command) const { return messages_[Checked(command)]; }

    void Baudrate(int16_t value) { baudrate_ = value; }
    int16_t Baudrate() const { return baudrate_; }
    void Parity(int16_t value) { parity_ = value; }
    int16_t Parity() const { return parity_; }
    void InterByteDelay(int16_t value) { interByteDelay_ = value; }
    int16_t InterByteDelay() const { return interByteDelay_; }

    // Stored padded or cut to the field's length; read back whole.
    void Manufacturer(std::string_view value) { manufacturer_ = value; }
    std::string Manufacturer() const { return manufacturer_.full(); }
    void Model(std::string_view value) { model_ = value; }
    std::string Model() const { return model_.full(); }
    void MyType(std::string_view value) { myType_ = value; }
    std::string MyType() const { return myType_.full(); }
    void Notes(std::string_view value) { notes_ = value; }
    std::string Notes() const { return notes_.full(); }
    // The fields themselves, for the record transfers and comparisons.
    const FixedText<NameLength>& ManufacturerField() const { return manufacturer_; }
    const FixedText<NameLength>& ModelField() const { return model_; }
    const FixedText<NameLength>& MyTypeField() const { return myType_; }
    const FixedText<NotesLength>& NotesField() const { return notes_; }
    const FixedText<NameLength>& CommandField(int command) const { return names_[Checked(command)]; }

private:
    static std::size_t Checked(int command)
    {
        if (command < 0 || command >= Commands) [[unlikely]]
            ThrowBadCommand(command);
        return static_cast<std::size_t>(command);
    }
    [[noreturn]] static void ThrowBadCommand(int command);

    FixedText<NameLength> manufacturer_;
    FixedText<NameLength> model_;
    FixedText<NameLength> myType_;
    FixedText<NotesLength> notes_;
    int16_t baudrate_ = 0;
    int16_t parity_ = 0;
    int16_t interByteDelay_ = 0;
    std::array<RS232_String_Class, Commands> messages_{};
    std::array<FixedText<NameLength>, Commands> names_{};
    std::array<bool, Commands> isInputNotOutput_{};
    std::array<bool, Commands> isFromLibrary_{};
};
