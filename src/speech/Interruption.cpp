#include "Interruption.h"

#include <chrono>

void Interruption::raise()
{
    {
        std::lock_guard lock(mutex); // so that a wait about to begin cannot miss the news
        raised = true;
    }
    woken.notify_all();
}

void Interruption::wait(const QDeadlineTimer &deadline)
{
    std::unique_lock lock(mutex);
    woken.wait_for(lock, std::chrono::nanoseconds(deadline.remainingTimeNSecs()), [this] { return raised.load(); });
}
