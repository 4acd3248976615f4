// libpulse's threaded loop as the device uses it: its lock held for a scope, and callbacks that only wake
// the thread that waits on it.
#pragma once

#include <pulse/pulseaudio.h>

// The loop's lock, held around every call into libpulse.
class Locked
{
public:
    explicit Locked(pa_threaded_mainloop *loop) : loop(loop) { pa_threaded_mainloop_lock(loop); }
    ~Locked() { pa_threaded_mainloop_unlock(loop); }
    Locked(const Locked &) = delete;
    Locked &operator=(const Locked &) = delete;

private:
    pa_threaded_mainloop *loop;
};

// Every callback only wakes the waiting thread, which then looks at the states itself.
inline void wake(void *loop) { pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop *>(loop), 0); }
inline void wakeOnContext(pa_context *, void *loop) { wake(loop); }
inline void wakeOnStream(pa_stream *, void *loop) { wake(loop); }
inline void wakeOnWrite(pa_stream *, size_t, void *loop) { wake(loop); }
inline void wakeOnTime(pa_mainloop_api *, pa_time_event *, const struct timeval *, void *loop) { wake(loop); }
