#pragma once

#include "model/EntryBlock.h"
#include "model/IRCommandClass.h"
#include "platform/FixedText.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One IR library: the command set of one model of remote-controlled equipment.
// Commands are held by reference: an editor may keep one while the list
// changes. Whole-library copies go through CopyFrom, never C++ copies, so no
// command object is ever shared between two libraries by accident.
class IRclass {
public:
    // The files store the command count in one byte.
    static constexpr int MaximumCommands = 255;

    IRclass() = default;
    IRclass(const IRclass&) = delete;
    IRclass& operator=(const IRclass&) = delete;

    // Appends a cleared command and returns it; the 256th raises ValueOverflow
    // and leaves the list as it was.
    IRCommandClass& AddIRCommand();
    // Appends count cleared commands in one allocation, as a loader does;
    // raises ValueOverflow, adding none, when they would not fit.
    void AddIRCommands(int count);
    // The commands of one library, each holding a share of what it was made in.
    using CommandList = std::vector<std::shared_ptr<IRCommandClass>>;
    // Makes count commands that the caller fills next, name, mode and both
    // parts (IRCommandClass::ToBeRead), in `block` where it has room for all
    // of them: a loader makes the commands of a whole file in a few blocks.
    // Otherwise they are cleared commands of their own.
    static CommandList CommandsToRead(int count, const std::shared_ptr<EntryBlock<IRCommandClass>>& block);
    // Takes `commands` in place of its own; more than MaximumCommands raise
    // ValueOverflow and change nothing.
    void TakeCommands(CommandList commands);
    void EraseAllIRCommands() { commands_.clear(); }
    // Later commands move down through the objects already in the list, so a
    // reference to command i then shows what followed it. An index beyond the
    // list does nothing.
    void RemoveIRCommand(int i);
    void CopyFrom(const IRclass& source);
    void Clear();
    // Every field and every command, in order, equal.
    bool IsSameAs(const IRclass& other) const;

    std::string Manufacturer() const { return manufacturer_.full(); }
    void Manufacturer(std::string_view value) { manufacturer_ = value; }
    std::string IRtype() const { return irType_.full(); }
    void IRtype(std::string_view value) { irType_ = value; }
    std::string Model() const { return model_.full(); }
    void Model(std::string_view value) { model_ = value; }
    std::string Comment() const { return comment_.full(); }
    void Comment(std::string_view value) { comment_ = value; }
    const FixedText<16>& ManufacturerField() const { return manufacturer_; }
    const FixedText<16>& IRtypeField() const { return irType_; }
    const FixedText<16>& ModelField() const { return model_; }
    const FixedText<160>& CommentField() const { return comment_; }

    uint8_t InterPeriod0() const { return interPeriod0_; }
    void InterPeriod0(uint8_t value) { interPeriod0_ = value; }
    uint8_t InterPeriod1() const { return interPeriod1_; }
    void InterPeriod1(uint8_t value) { interPeriod1_ = value; }

    // The command object at i, or nullptr beyond the list.
    std::shared_ptr<IRCommandClass> IRCommands(int i) const;
    // Replaces the reference at i; ignored beyond the list or for nullptr,
    // so the list never holds an empty place.
    void IRCommands(int i, std::shared_ptr<IRCommandClass> command);

    // The same without taking a share of ownership, for the conversions.
    IRCommandClass* CommandAt(int i) const
    {
        return InList(i) ? commands_[static_cast<std::size_t>(i)].get() : nullptr;
    }

    uint8_t Num_commands() const { return static_cast<uint8_t>(commands_.size()); }

private:
    bool InList(int i) const { return i >= 0 && static_cast<std::size_t>(i) < commands_.size(); }
    // Raises ValueOverflow when count more commands would not fit.
    void CheckRoomFor(int count) const;
    // count cleared commands in a block of their own.
    static CommandList ClearedCommands(int count);
    // count commands that make() makes in the block.
    template <class Make>
    static CommandList MadeIn(const std::shared_ptr<EntryBlock<IRCommandClass>>& block, int count, Make make);

    FixedText<16> manufacturer_;
    FixedText<16> irType_;
    FixedText<16> model_;
    FixedText<160> comment_;
    uint8_t interPeriod0_ = 0;
    uint8_t interPeriod1_ = 0;
    std::vector<std::shared_ptr<IRCommandClass>> commands_;
};
