#pragma once

#include "platform/CallbackList.h"

#include <array>
#include <cstddef>
#include <utility>

// The parts of the configuration an edit can touch, as the pages read them:
// a page listens to the groups it shows besides its own.
enum class ConfigGroup {
    Inputs,   // settings, audio reroute, computer or component, input messages
    InputIR,  // each input's IR device and commands
    Microphone,
    Projector,
    ControlInputs,
    ControlOutputs,
    Locking,
    Volume,
    ControlPort,     // the controller's second RS232 port
    GlobalMessages,  // the message slots the window's global panes show
    MeshloAddresses,
    OnOff,
    Notes,
    AddOns,  // the infra-red and HD add-on switches
    Count,   // not a group: the number of groups, whatever is appended above
};

// Who listens to edits, by group. Telling a group calls its listeners in
// the order they started listening.
class ConfigurationEdits {
public:
    using Token = CallbackList::Token;

    Token Listen(ConfigGroup group, CallbackList::Callback listener)
    {
        return listeners_[Index(group)].Subscribe(std::move(listener));
    }
    void StopListening(ConfigGroup group, Token token) { listeners_[Index(group)].Unsubscribe(token); }
    void Tell(ConfigGroup group) const { listeners_[Index(group)].Raise(); }

private:
    static constexpr std::size_t Groups = static_cast<std::size_t>(ConfigGroup::Count);
    static std::size_t Index(ConfigGroup group) { return static_cast<std::size_t>(group); }

    std::array<CallbackList, Groups> listeners_;
};

// Listens to one group while it lives; the edits must outlive it.
class EditListener {
public:
    EditListener(ConfigurationEdits& edits, ConfigGroup group, CallbackList::Callback listener)
        : edits_(edits), group_(group), token_(edits.Listen(group, std::move(listener)))
    {
    }
    ~EditListener() { edits_.StopListening(group_, token_); }
    EditListener(const EditListener&) = delete;
    EditListener& operator=(const EditListener&) = delete;

private:
    ConfigurationEdits& edits_;
    ConfigGroup group_;
    ConfigurationEdits::Token token_;
};
