#pragma once

#include "platform/FixedText.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The two halves of an IR command. Callers that hold the half as a number or
// a Boolean use IRPartOf: 0 (false) is the repeat part, anything else the start.
enum class IRPart : uint8_t {
    Repeat = 0,
    Start = 1,
};

constexpr IRPart IRPartOf(int selector)
{
    return selector == 0 ? IRPart::Repeat : IRPart::Start;
}

// One named IR command: 128 code bytes per part, an inter-period byte per
// part and the mode byte (1 when the command has a repeat part). A new
// command is all zeros with a blank name.
class IRCommandClass {
public:
    static constexpr int DataLength = 128;
    using PartData = std::array<uint8_t, DataLength>;

    IRCommandClass() : data_{} {}
    // A command that a reader fills next, name, mode and both parts whole:
    // its parts are not zeroed first, as a large read would write every
    // code byte twice.
    struct ToBeRead {};
    explicit IRCommandClass(ToBeRead /*unused*/) {}
    IRCommandClass(const IRCommandClass&) = delete;
    IRCommandClass& operator=(const IRCommandClass&) = delete;

    void CopyFrom(const IRCommandClass& source);
    void Clear();
    // Name, both parts, their inter-period bytes and the mode all equal.
    bool IsSameAs(const IRCommandClass& other) const;

    std::string Name() const { return name_.full(); }
    void Name(std::string_view value) { name_ = value; }
    const FixedText<16>& NameField() const { return name_; }
    void NameField(const FixedText<16>& value) { name_ = value; }

    uint8_t InterPeriod(IRPart part) const { return interPeriod_[Slot(part)]; }
    void InterPeriod(IRPart part, uint8_t value) { interPeriod_[Slot(part)] = value; }
    uint8_t InterPeriod(int part) const { return InterPeriod(IRPartOf(part)); }
    void InterPeriod(int part, uint8_t value) { InterPeriod(IRPartOf(part), value); }

    uint8_t Mode() const { return mode_; }
    void Mode(uint8_t value) { mode_ = value; }

    // An index outside 0 to 127 raises SubscriptOutOfRange.
    uint8_t Data(IRPart part, int index) const;
    void Data(IRPart part, int index, uint8_t value);
    uint8_t Data(int part, int index) const { return Data(IRPartOf(part), index); }
    void Data(int part, int index, uint8_t value) { Data(IRPartOf(part), index, value); }

    // A whole part at once, for the record conversions.
    const PartData& Part(IRPart part) const { return data_[Slot(part)]; }
    PartData& Part(IRPart part) { return data_[Slot(part)]; }

private:
    static std::size_t Slot(IRPart part) { return static_cast<std::size_t>(part); }
    static void CheckIndex(int index);

    FixedText<16> name_;
    std::array<PartData, 2> data_;
    std::array<uint8_t, 2> interPeriod_{};
    uint8_t mode_ = 0;
};
