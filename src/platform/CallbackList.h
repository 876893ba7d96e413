#pragma once

#include <functional>
#include <map>

// Listeners of an event raised by a model object (a redraw request, say).
// Raising calls every listener synchronously, in the order they subscribed.
class CallbackList {
public:
    using Callback = std::function<void()>;
    using Token = int;

    Token Subscribe(Callback callback)
    {
        const Token token = next_++;
        callbacks_.emplace(token, std::move(callback));
        return token;
    }
    void Unsubscribe(Token token) { callbacks_.erase(token); }

    void Raise() const
    {
        // A copy, so a listener may unsubscribe while being called.
        const auto callbacks = callbacks_;
        for (const auto& entry : callbacks) entry.second();
    }

private:
    std::map<Token, Callback> callbacks_;
    Token next_ = 1;
};
