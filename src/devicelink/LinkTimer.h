#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>

// The timer a serial link's waits run on, and how time passes while one
// waits. The program waits on the window loop; a run that feeds the link
// from memory passes time virtually, so a reply wait costs nothing.
class LinkTimer {
public:
    virtual ~LinkTimer() = default;
    virtual void Start(int milliseconds) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
    // Lets time pass until something may have changed: the timer ran out,
    // bytes arrived, or the abort flag was set.
    virtual void WaitForEvents() = 0;
    // Milliseconds on the clock the waits run by, from any fixed start.
    virtual int64_t Now() const = 0;
};

// A precise single-shot timer on the window loop, which runs while the link
// waits so that received bytes, clicks and the dialog's closing get through.
class WindowLoopTimer final : public LinkTimer {
public:
    WindowLoopTimer();
    void Start(int milliseconds) override { timer_.start(milliseconds); }
    void Stop() override { timer_.stop(); }
    bool IsActive() const override { return timer_.isActive(); }
    void WaitForEvents() override;
    int64_t Now() const override { return clock_.elapsed(); }

private:
    QTimer timer_;
    QElapsedTimer clock_;
};
