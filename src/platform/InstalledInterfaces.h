#pragma once

#include <memory>
#include <typeindex>
#include <unordered_map>

// Where an inner ring finds the implementation of an interface it declares
// but cannot build itself: the message pane opening the RS232 loader, the
// archive reader asking how to settle a library, a dialog asking for a serial
// port. The application installs each implementation once at start-up; a
// test installs its own. The state holding this knows none of the types.
class InstalledInterfaces {
public:
    template <class Interface>
    void Install(std::unique_ptr<Interface> implementation)
    {
        // The shared_ptr keeps the implementation's own deleter behind void.
        implementations_[std::type_index(typeid(Interface))] = std::shared_ptr<Interface>(std::move(implementation));
    }

    // The installed implementation, or nullptr when none is.
    template <class Interface>
    Interface* Find() const
    {
        const auto found = implementations_.find(std::type_index(typeid(Interface)));
        return found == implementations_.end() ? nullptr : static_cast<Interface*>(found->second.get());
    }

private:
    std::unordered_map<std::type_index, std::shared_ptr<void>> implementations_;
};
