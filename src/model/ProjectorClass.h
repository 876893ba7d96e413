#pragma once

#include "model/RS232_String_Class.h"
#include "model/VolumeExtensionClass.h"
#include "platform/FixedText.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class SerialClass;

// One projector definition: names, notes, 25 message slots with an in-use
// flag each, 13 reply-required flags, port settings, timings and the level
// format. Whole-object copies go through CopyFromProjectorClass, never
// through C++ copies, so that every owner keeps its own messages.
class ProjectorClass {
public:
    static constexpr int MessageSlots = 25;
    static constexpr int ReplyFlags = 13;
    static constexpr std::size_t NameLength = 32;
    static constexpr std::size_t NotesLength = 256;

    ProjectorClass() = default;
    ProjectorClass(const ProjectorClass&) = delete;
    ProjectorClass& operator=(const ProjectorClass&) = delete;

    bool IsSameAs(const ProjectorClass& other) const;
    void Clear();
    void CopyFromProjectorClass(const ProjectorClass& source);
    // Makes the message stand for slot `slot` of this definition.
    void FillSerialClass(SerialClass& message, int slot) const;

    // A level format that was never set reads as all zeros.
    VolumeExtensionClass& My_VolumeExtensionClass() { return volume_; }
    const VolumeExtensionClass& My_VolumeExtensionClass() const { return volume_; }

    // Slots 0 to 24; any other index raises SubscriptOutOfRange.
    RS232_String_Class& My_RS232_String_Class(int slot) { return messages_[CheckedSlot(slot)]; }
    const RS232_String_Class& My_RS232_String_Class(int slot) const { return messages_[CheckedSlot(slot)]; }
    bool InUse(int slot) const { return inUse_[CheckedSlot(slot)]; }
    void InUse(int slot, bool value) { inUse_[CheckedSlot(slot)] = value; }
    // Flags 0 to 12; any other index raises SubscriptOutOfRange.
    bool ReplyRequired(int index) const { return replyRequired_[CheckedReplyIndex(index)]; }
    void ReplyRequired(int index, bool value) { replyRequired_[CheckedReplyIndex(index)] = value; }

    void Baudrate(int16_t value) { baudrate_ = value; }
    int16_t Baudrate() const { return baudrate_; }
    void Parity(int16_t value) { parity_ = value; }
    int16_t Parity() const { return parity_; }
    void InterByteDelay(int16_t value) { interByteDelay_ = value; }
    int16_t InterByteDelay() const { return interByteDelay_; }
    void InterCommandDelay(int16_t value) { interCommandDelay_ = value; }
    int16_t InterCommandDelay() const { return interCommandDelay_; }
    void WarmUpTime(int16_t value) { warmUpTime_ = value; }
    int16_t WarmUpTime() const { return warmUpTime_; }
    void CoolDownTime(int16_t value) { coolDownTime_ = value; }
    int16_t CoolDownTime() const { return coolDownTime_; }

    // Stored padded or cut to the field's length; read back whole.
    void Manufacturer(std::string_view value) { manufacturer_ = value; }
    std::string Manufacturer() const { return manufacturer_.full(); }
    void Model(std::string_view value) { model_ = value; }
    std::string Model() const { return model_.full(); }
    void Notes(std::string_view value) { notes_ = value; }
    std::string Notes() const { return notes_.full(); }
    // The fields themselves, for the record transfers, finds and the sort.
    const FixedText<NameLength>& ManufacturerField() const { return manufacturer_; }
    const FixedText<NameLength>& ModelField() const { return model_; }
    const FixedText<NotesLength>& NotesField() const { return notes_; }

private:
    static std::size_t CheckedSlot(int slot)
    {
        if (slot < 0 || slot >= MessageSlots) [[unlikely]]
            ThrowBadSlot(slot);
        return static_cast<std::size_t>(slot);
    }
    static std::size_t CheckedReplyIndex(int index)
    {
        if (index < 0 || index >= ReplyFlags) [[unlikely]]
            ThrowBadReplyIndex(index);
        return static_cast<std::size_t>(index);
    }
    [[noreturn]] static void ThrowBadSlot(int slot);
    [[noreturn]] static void ThrowBadReplyIndex(int index);

    FixedText<NameLength> manufacturer_;
    FixedText<NameLength> model_;
    FixedText<NotesLength> notes_;
    std::array<bool, MessageSlots> inUse_{};
    std::array<bool, ReplyFlags> replyRequired_{};
    std::array<RS232_String_Class, MessageSlots> messages_{};
    VolumeExtensionClass volume_;
    int16_t baudrate_ = 0;
    int16_t interCommandDelay_ = 0;
    int16_t interByteDelay_ = 0;
    int16_t warmUpTime_ = 0;
    int16_t coolDownTime_ = 0;
    int16_t parity_ = 0;
};
