// How a sound device waits out a sound's time: until a deadline, or until another thread interrupts it.
#pragma once

#include <QDeadlineTimer>

#include <atomic>
#include <condition_variable>
#include <mutex>

class Interruption
{
public:
    // Any thread: ends the wait under way at once, and every wait after it until clear().
    void raise();
    void clear() { raised = false; }
    bool isRaised() const { return raised; }
    // Returns at the deadline, or earlier when interrupted.
    void wait(const QDeadlineTimer &deadline);

private:
    std::atomic<bool> raised{false};
    std::mutex mutex;
    std::condition_variable woken;
};
