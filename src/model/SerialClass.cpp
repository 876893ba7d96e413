#include "model/SerialClass.h"

#include "platform/UserPrompts.h"

bool SerialClass::IsSameAs(const SerialClass& other) const
{
    if (serialType_ != other.serialType_) return false;
    if (command_ != other.command_ || manufacturer_ != other.manufacturer_ || model_ != other.model_ ||
        myType_ != other.myType_)
        return false;
    if (!bytes_.IsSameAs(other.bytes_)) return false;
    if (canBeInput_ != other.canBeInput_ || isFromLibrary_ != other.isFromLibrary_ ||
        configIndex_ != other.configIndex_)
        return false;
    if (baudrate_ != other.baudrate_ || parity_ != other.parity_ || interByteDelay_ != other.interByteDelay_)
        return false;
    if (!volumeExtension_ || !other.volumeExtension_) return !volumeExtension_ && !other.volumeExtension_;
    return volumeExtension_->IsSameAs(*other.volumeExtension_);
}

// Every field but CanBeVariable, which describes the slot and not the message.
// The level format is copied into an object of our own, never shared.
void SerialClass::TakeFieldsOf(const SerialClass& source)
{
    if (&source == this) return;
    serialType_ = source.serialType_;
    command_ = source.command_;
    manufacturer_ = source.manufacturer_;
    model_ = source.model_;
    myType_ = source.myType_;
    bytes_.CopyFromThisRS232StringClass(source.bytes_);
    canBeInput_ = source.canBeInput_;
    isFromLibrary_ = source.isFromLibrary_;
    configIndex_ = source.configIndex_;
    baudrate_ = source.baudrate_;
    parity_ = source.parity_;
    interByteDelay_ = source.interByteDelay_;
    if (!source.volumeExtension_) {
        volumeExtension_.reset();
    } else {
        if (!volumeExtension_) volumeExtension_ = std::make_shared<VolumeExtensionClass>();
        volumeExtension_->CopyFrom(*source.volumeExtension_);
    }
}

void SerialClass::CopyFrom(const SerialClass& source)
{
    TakeFieldsOf(source);
    ForceRepaint.Raise();
}

void SerialClass::Copy(SerialClass& clipboard) const
{
    clipboard.TakeFieldsOf(*this);
}

void SerialClass::paste(const SerialClass& clipboard, UserPrompts& prompts)
{
    if (!canBeVariable_ && clipboard.bytes_.ContainsVariable()) {
        prompts.Message("Sorry cannot paste here as serial string contains an 'variable'!", "Sorry!", PromptButtons::Ok,
                        PromptIcon::Exclamation);
        return;
    }
    if (!canBeInput_ && clipboard.bytes_.ContainsIgnore()) {
        prompts.Message("Sorry cannot paste here as serial string contains an 'ignore' byte!", "Sorry!",
                        PromptButtons::Ok, PromptIcon::Exclamation);
        return;
    }
    TakeFieldsOf(clipboard);
    ForceRepaint.Raise();
}

void SerialClass::Clear()
{
    serialType_ = -1;
    command_ = "";
    manufacturer_ = "";
    model_ = "";
    myType_ = "";
    bytes_.Clear();
    canBeInput_ = false;
    isFromLibrary_ = false;
    configIndex_ = -1;
    baudrate_ = 0;
    parity_ = 0;
    interByteDelay_ = 0;
    volumeExtension_.reset();
    ForceRepaint.Raise();
}
