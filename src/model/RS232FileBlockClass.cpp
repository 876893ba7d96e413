#include "model/RS232FileBlockClass.h"

#include "model/RuntimeErrors.h"

#include <algorithm>
#include <cctype>

void RS232FileBlockClass::ThrowBadCommand(int command)
{
    throw SubscriptOutOfRange("library command " + std::to_string(command));
}

int RS232FileBlockClass::CommandIndex(std::string_view text)
{
    const std::string trimmed = FixedText<1>::TrimSpaces(text);
    std::size_t digits = 0;
    if (!trimmed.empty() && (trimmed[0] == '-' || trimmed[0] == '+')) digits = 1;
    if (digits == trimmed.size()) throw TypeMismatch("command number '" + std::string(text) + "'");
    for (std::size_t i = digits; i < trimmed.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(trimmed[i])))
            throw TypeMismatch("command number '" + std::string(text) + "'");
    }
    // Leading zeros say nothing ("007" is command 7); any other long run of
    // digits is out of range whatever it says, and never reaches stoi.
    const bool negative = trimmed[0] == '-';
    const std::size_t firstSignificant = std::min(trimmed.find_first_not_of('0', digits), trimmed.size() - 1);
    const std::string number = trimmed.substr(firstSignificant);
    if (number.size() > 4) throw SubscriptOutOfRange("library command " + trimmed);
    const int value = std::stoi(number);
    return static_cast<int>(Checked(negative ? -value : value));
}

bool RS232FileBlockClass::IsSameAs(const RS232FileBlockClass& other) const
{
    if (manufacturer_ != other.manufacturer_ || model_ != other.model_ || myType_ != other.myType_ ||
        notes_ != other.notes_)
        return false;
    if (baudrate_ != other.baudrate_ || parity_ != other.parity_ || interByteDelay_ != other.interByteDelay_)
        return false;
    for (std::size_t i = 0; i < Commands; ++i) {
        if (names_[i] != other.names_[i] || isInputNotOutput_[i] != other.isInputNotOutput_[i] ||
            !messages_[i].IsSameAs(other.messages_[i]) || isFromLibrary_[i] != other.isFromLibrary_[i])
            return false;
    }
    return true;
}

void RS232FileBlockClass::CopyFrom(const RS232FileBlockClass& source)
{
    if (&source == this) return;
    manufacturer_ = source.manufacturer_;
    model_ = source.model_;
    myType_ = source.myType_;
    notes_ = source.notes_;
    for (std::size_t i = 0; i < Commands; ++i) {
        names_[i] = source.names_[i];
        messages_[i].CopyFromThisRS232StringClass(source.messages_[i]);
        isInputNotOutput_[i] = source.isInputNotOutput_[i];
        isFromLibrary_[i] = source.isFromLibrary_[i];
    }
    baudrate_ = source.baudrate_;
    parity_ = source.parity_;
    interByteDelay_ = source.interByteDelay_;
}

void RS232FileBlockClass::Clear()
{
    manufacturer_ = "";
    model_ = "";
    myType_ = "";
    notes_ = "";
    for (std::size_t i = 0; i < Commands; ++i) {
        names_[i] = "";
        messages_[i].Clear();
        isInputNotOutput_[i] = false;
        isFromLibrary_[i] = false;
    }
    baudrate_ = 0;
    parity_ = 0;
    interByteDelay_ = 0;
}
