#pragma once

#include "model/RS232_String_Class.h"
#include "model/VolumeExtensionClass.h"
#include "platform/CallbackList.h"
#include "platform/FixedText.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class UserPrompts;

// One RS232 message with its port settings, origin and optional level format.
// Whole-object copies go through CopyFrom, Copy and paste, never through C++
// copies, so the object is not copyable.
class SerialClass {
public:
    // Owners of a message.
    static constexpr int16_t ConfigurationMessage = 0;
    static constexpr int16_t LibraryCommand = 1;
    static constexpr int16_t ProjectorMessage = 2;

    SerialClass() = default;
    SerialClass(const SerialClass&) = delete;
    SerialClass& operator=(const SerialClass&) = delete;

    bool IsSameAs(const SerialClass& other) const;
    int16_t SerialType() const { return serialType_; }
    void SerialType(int16_t value) { serialType_ = value; }

    // The object itself is stored, not a copy; nullptr means none.
    void VolumeExtension(std::shared_ptr<VolumeExtensionClass> extension) { volumeExtension_ = std::move(extension); }
    const std::shared_ptr<VolumeExtensionClass>& VolumeExtension() const { return volumeExtension_; }

    RS232_String_Class& MyRS232StringClass() { return bytes_; }
    const RS232_String_Class& MyRS232StringClass() const { return bytes_; }

    void CopyFrom(const SerialClass& source);
    void Copy(SerialClass& clipboard) const;
    void paste(const SerialClass& clipboard, UserPrompts& prompts);
    void Clear();

    void Baudrate(int16_t value) { baudrate_ = value; }
    int16_t Baudrate() const { return baudrate_; }
    void Parity(int16_t value) { parity_ = value; }
    int16_t Parity() const { return parity_; }
    void InterByteDelay(int16_t value) { interByteDelay_ = value; }
    int16_t InterByteDelay() const { return interByteDelay_; }
    void CanBeInput(bool value) { canBeInput_ = value; }
    bool CanBeInput() const { return canBeInput_; }
    void CanBeVariable(bool value) { canBeVariable_ = value; }
    bool CanBeVariable() const { return canBeVariable_; }
    void IsFromLibrary(bool value) { isFromLibrary_ = value; }
    bool IsFromLibrary() const { return isFromLibrary_; }
    void ConfigIndex(int16_t value) { configIndex_ = value; }
    int16_t ConfigIndex() const { return configIndex_; }

    // Text properties: stored padded or cut to 32 characters; read back whole.
    void Manufacturer(std::string_view value) { manufacturer_ = value; }
    std::string Manufacturer() const { return manufacturer_.full(); }
    void Command(std::string_view value) { command_ = value; }
    std::string Command() const { return command_.full(); }
    void Model(std::string_view value) { model_ = value; }
    std::string Model() const { return model_.full(); }
    void MyType(std::string_view value) { myType_ = value; }
    std::string MyType() const { return myType_.full(); }

    // Raised after CopyFrom, paste and Clear have written every field.
    CallbackList ForceRepaint;

private:
    void TakeFieldsOf(const SerialClass& source);

    FixedText<32> command_;
    FixedText<32> manufacturer_;
    FixedText<32> model_;
    FixedText<32> myType_;
    RS232_String_Class bytes_;
    bool canBeInput_ = false;
    bool canBeVariable_ = false;
    bool isFromLibrary_ = false;
    int16_t configIndex_ = 0;
    int16_t baudrate_ = 0;
    int16_t parity_ = 0;
    int16_t interByteDelay_ = 0;
    std::shared_ptr<VolumeExtensionClass> volumeExtension_;
    int16_t serialType_ = 0;
};
