#include "model/ProjectorClass.h"

#include "model/RuntimeErrors.h"
#include "model/SerialClass.h"

#include <memory>

void ProjectorClass::ThrowBadSlot(int slot)
{
    throw SubscriptOutOfRange("projector message slot " + std::to_string(slot));
}

void ProjectorClass::ThrowBadReplyIndex(int index)
{
    throw SubscriptOutOfRange("projector reply flag " + std::to_string(index));
}

bool ProjectorClass::IsSameAs(const ProjectorClass& other) const
{
    for (std::size_t i = 0; i < MessageSlots; ++i) {
        if (inUse_[i] != other.inUse_[i] || !messages_[i].IsSameAs(other.messages_[i])) return false;
    }
    return replyRequired_ == other.replyRequired_ && volume_.IsSameAs(other.volume_) &&
           interCommandDelay_ == other.interCommandDelay_ && warmUpTime_ == other.warmUpTime_ &&
           coolDownTime_ == other.coolDownTime_ && manufacturer_ == other.manufacturer_ && model_ == other.model_ &&
           notes_ == other.notes_ && baudrate_ == other.baudrate_ && interByteDelay_ == other.interByteDelay_ &&
           parity_ == other.parity_;
}

// Stale bytes beyond each message's count stay, as they do in every message.
void ProjectorClass::Clear()
{
    inUse_.fill(false);
    replyRequired_.fill(false);
    for (RS232_String_Class& message : messages_) message.Clear();
    volume_.Clear();
    manufacturer_ = "";
    model_ = "";
    notes_ = "";
    baudrate_ = 0;
    interCommandDelay_ = 0;
    interByteDelay_ = 0;
    warmUpTime_ = 0;
    coolDownTime_ = 0;
    parity_ = 0;
}

void ProjectorClass::CopyFromProjectorClass(const ProjectorClass& source)
{
    if (&source == this) return;
    replyRequired_ = source.replyRequired_;
    inUse_ = source.inUse_;
    for (std::size_t i = 0; i < MessageSlots; ++i) messages_[i].CopyFromThisRS232StringClass(source.messages_[i]);
    volume_.CopyFrom(source.volume_);
    interCommandDelay_ = source.interCommandDelay_;
    warmUpTime_ = source.warmUpTime_;
    coolDownTime_ = source.coolDownTime_;
    manufacturer_ = source.manufacturer_;
    model_ = source.model_;
    notes_ = source.notes_;
    baudrate_ = source.baudrate_;
    interByteDelay_ = source.interByteDelay_;
    parity_ = source.parity_;
}

// Slots 10 and above are the replies, which may be received; slot 6 is the
// volume message, which may carry a level. SerialType stays as the caller
// set it.
void ProjectorClass::FillSerialClass(SerialClass& message, int slot) const
{
    const RS232_String_Class& bytes = My_RS232_String_Class(slot);
    message.Baudrate(baudrate_);
    message.Parity(parity_);
    message.InterByteDelay(interByteDelay_);
    message.Manufacturer(manufacturer_.full());
    message.Model(model_.full());
    message.CanBeInput(slot >= 10);
    message.CanBeVariable(slot == 6);
    message.Command("");
    message.MyType("");
    message.IsFromLibrary(false);
    message.ConfigIndex(static_cast<int16_t>(slot));
    message.MyRS232StringClass().CopyFromThisRS232StringClass(bytes);
    auto volume = message.VolumeExtension();
    if (!volume) {
        volume = std::make_shared<VolumeExtensionClass>();
        message.VolumeExtension(volume);
    }
    volume->CopyFrom(volume_);
}
