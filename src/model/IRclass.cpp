#include "model/IRclass.h"

#include "model/RuntimeErrors.h"

namespace {

[[noreturn]] void TooManyCommands()
{
    throw ValueOverflow("an IR library holds at most " + std::to_string(IRclass::MaximumCommands) + " commands");
}

}  // namespace

IRCommandClass& IRclass::AddIRCommand()
{
    CheckRoomFor(1);
    commands_.push_back(std::make_shared<IRCommandClass>());
    return *commands_.back();
}

void IRclass::AddIRCommands(int count)
{
    if (count <= 0) return;
    CheckRoomFor(count);
    CommandList made = ClearedCommands(count);
    commands_.insert(commands_.end(), std::make_move_iterator(made.begin()), std::make_move_iterator(made.end()));
}

IRclass::CommandList IRclass::CommandsToRead(int count, const std::shared_ptr<EntryBlock<IRCommandClass>>& block)
{
    if (count <= 0) return {};
    if (block == nullptr || block->Room() < static_cast<std::size_t>(count)) return ClearedCommands(count);
    return MadeIn(block, count, [&] { return block->Make(IRCommandClass::ToBeRead{}); });
}

void IRclass::TakeCommands(CommandList commands)
{
    if (commands.size() > MaximumCommands) TooManyCommands();
    commands_ = std::move(commands);
}

void IRclass::CheckRoomFor(int count) const
{
    if (static_cast<std::size_t>(count) > MaximumCommands - commands_.size()) TooManyCommands();
}

IRclass::CommandList IRclass::ClearedCommands(int count)
{
    const auto block = std::make_shared<EntryBlock<IRCommandClass>>(static_cast<std::size_t>(count));
    return MadeIn(block, count, [&] { return block->Make(); });
}

template <class Make>
IRclass::CommandList IRclass::MadeIn(const std::shared_ptr<EntryBlock<IRCommandClass>>& block, int count, Make make)
{
    // Each command shares ownership of the block, so any one of them can
    // outlive the library or the others.
    CommandList made;
    made.reserve(static_cast<std::size_t>(count));
    for (int c = 0; c < count; ++c) made.emplace_back(block, make());
    return made;
}

void IRclass::RemoveIRCommand(int i)
{
    if (!InList(i)) return;
    const auto index = static_cast<std::size_t>(i);
    for (std::size_t j = index; j + 1 < commands_.size(); ++j) commands_[j]->CopyFrom(*commands_[j + 1]);
    commands_.pop_back();
}

void IRclass::CopyFrom(const IRclass& source)
{
    if (&source == this) return;
    manufacturer_ = source.manufacturer_;
    irType_ = source.irType_;
    model_ = source.model_;
    comment_ = source.comment_;
    interPeriod0_ = source.interPeriod0_;
    interPeriod1_ = source.interPeriod1_;
    commands_.clear();
    commands_.reserve(source.commands_.size());
    for (const auto& command : source.commands_) AddIRCommand().CopyFrom(*command);
}

bool IRclass::IsSameAs(const IRclass& other) const
{
    if (manufacturer_ != other.manufacturer_ || irType_ != other.irType_ || model_ != other.model_ ||
        comment_ != other.comment_ || interPeriod0_ != other.interPeriod0_ || interPeriod1_ != other.interPeriod1_ ||
        commands_.size() != other.commands_.size())
        return false;
    for (std::size_t i = 0; i < commands_.size(); ++i)
        if (!commands_[i]->IsSameAs(*other.commands_[i])) return false;
    return true;
}

void IRclass::Clear()
{
    manufacturer_ = "";
    irType_ = "";
    model_ = "";
    comment_ = "";
    interPeriod0_ = 0;
    interPeriod1_ = 0;
    commands_.clear();
}

std::shared_ptr<IRCommandClass> IRclass::IRCommands(int i) const
{
    return InList(i) ? commands_[static_cast<std::size_t>(i)] : nullptr;
}

void IRclass::IRCommands(int i, std::shared_ptr<IRCommandClass> command)
{
    if (InList(i) && command) commands_[static_cast<std::size_t>(i)] = std::move(command);
}
