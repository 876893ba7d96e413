#pragma once

// A widget's flag that is set while it shows the configuration in its own
// controls: the change handlers those controls fire then store nothing.
// Only a FillGuard sets it, so it is never left set by an early return.
class FillFlag {
public:
    explicit operator bool() const { return holds_ > 0; }

private:
    friend class FillGuard;
    int holds_ = 0;
};

// Sets the flag for its own lifetime. Guards on one flag nest: a fill that
// runs another fill of the same widget leaves the flag set until it ends.
class [[nodiscard]] FillGuard {
public:
    explicit FillGuard(FillFlag& flag) : flag_(flag) { ++flag_.holds_; }
    ~FillGuard() { --flag_.holds_; }
    FillGuard(const FillGuard&) = delete;
    FillGuard& operator=(const FillGuard&) = delete;

private:
    FillFlag& flag_;
};
