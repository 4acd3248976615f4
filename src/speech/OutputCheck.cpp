#include "OutputCheck.h"

#include <QDeadlineTimer>

#include <pulse/pulseaudio.h>

#include <unistd.h>

#include <cstring>
#include <set>
#include <string>

namespace {
// The stream is looked for this often, and no longer than this before the limit, so that the
// output's own answer still comes in time.
constexpr int StreamPollMs = 40;
constexpr int OutputAnswerMs = 80;

struct Query
{
    pa_mainloop *loop = nullptr;
    pa_context *context = nullptr;
    int pending = 0; // answers still to come
    bool failed = false;
    std::string defaultSink;
    bool streamFound = false;
    std::set<uint32_t> sinks; // the outputs this process's streams play to
    OutputLevel level = OutputLevel::Fine;

    void take(bool muted, const pa_cvolume &volume, bool hasVolume)
    {
        if (muted)
            level = OutputLevel::Muted;
        else if (hasVolume && pa_cvolume_valid(&volume) && pa_cvolume_max(&volume) == PA_VOLUME_MUTED
                 && level == OutputLevel::Fine)
            level = OutputLevel::Zero;
    }

    // Runs the loop until `done` holds; false when the limit passes first or the connection fails.
    template <typename Done>
    bool runUntil(Done done, const QDeadlineTimer &deadline)
    {
        while (!done()) {
            const qint64 ms = deadline.remainingTime();
            if (ms == 0 || failed || !PA_CONTEXT_IS_GOOD(pa_context_get_state(context)))
                return false;
            if (pa_mainloop_prepare(loop, int(ms) * 1000) < 0 || pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0)
                return false;
        }
        return !failed;
    }

    // Hands an operation's answer over; the callbacks count it down.
    bool asked(pa_operation *operation)
    {
        if (!operation)
            return false;
        ++pending;
        pa_operation_unref(operation);
        return true;
    }
};

// True once a list has been answered whole; an error on the way marks the query failed.
bool listEnded(Query *query, int last)
{
    if (!last)
        return false;
    query->failed = query->failed || last < 0;
    --query->pending;
    return true;
}

void onServer(pa_context *, const pa_server_info *info, void *data)
{
    auto *query = static_cast<Query *>(data);
    if (info && info->default_sink_name)
        query->defaultSink = info->default_sink_name;
    --query->pending;
}

// Streams are told apart by the name PulseDevice gives its connection and by the process.
void onStream(pa_context *, const pa_sink_input_info *info, int last, void *data)
{
    auto *query = static_cast<Query *>(data);
    if (listEnded(query, last))
        return;
    const char *name = pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_NAME);
    const char *pid = pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_PROCESS_ID);
    if (!name || std::strcmp(name, "Kalindor") != 0 || (pid && std::to_string(::getpid()) != pid))
        return;
    query->streamFound = true;
    query->sinks.insert(info->sink);
    query->take(info->mute != 0, info->volume, info->has_volume != 0);
}

void onSink(pa_context *, const pa_sink_info *info, int last, void *data)
{
    auto *query = static_cast<Query *>(data);
    if (listEnded(query, last))
        return;
    query->take(info->mute != 0, info->volume, true);
}

OutputLevel ask(Query &query, const QDeadlineTimer &deadline)
{
    const auto answered = [&query] { return query.pending == 0; };
    const bool connected = pa_context_connect(query.context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0
        && query.runUntil([&query] { return pa_context_get_state(query.context) == PA_CONTEXT_READY; }, deadline)
        && query.asked(pa_context_get_server_info(query.context, onServer, &query)) && query.runUntil(answered, deadline);
    if (!connected)
        return OutputLevel::Unknown;
    while (true) {
        if (!query.asked(pa_context_get_sink_input_info_list(query.context, onStream, &query)) || !query.runUntil(answered, deadline))
            return OutputLevel::Unknown;
        if (query.streamFound || deadline.remainingTime() < StreamPollMs + OutputAnswerMs)
            break;
        query.runUntil([] { return false; }, QDeadlineTimer(StreamPollMs));
        if (query.failed)
            return OutputLevel::Unknown;
    }
    bool sent = true;
    if (query.sinks.empty())
        sent = !query.defaultSink.empty()
            && query.asked(pa_context_get_sink_info_by_name(query.context, query.defaultSink.c_str(), onSink, &query));
    for (uint32_t sink : query.sinks)
        sent = sent && query.asked(pa_context_get_sink_info_by_index(query.context, sink, onSink, &query));
    if (!sent || !query.runUntil(answered, deadline))
        return OutputLevel::Unknown;
    return query.level;
}
} // namespace

OutputLevel askOutputLevel(int limitMs)
{
    const QDeadlineTimer deadline(limitMs, Qt::PreciseTimer);
    Query query;
    query.loop = pa_mainloop_new();
    if (!query.loop)
        return OutputLevel::Unknown;
    // A name of its own, so that a mixer does not show this passing question as Kalindor playing.
    query.context = pa_context_new(pa_mainloop_get_api(query.loop), "Kalindor output check");
    OutputLevel level = OutputLevel::Unknown;
    if (query.context) {
        level = ask(query, deadline);
        // Nothing here waits for the server: a stopped one cannot hold the thread past the limit.
        pa_context_disconnect(query.context);
        pa_context_unref(query.context);
    }
    pa_mainloop_free(query.loop);
    return level;
}

OutputCheck::OutputCheck()
{
    threads.setMaxThreadCount(2);
    threads.setExpiryTimeout(2000);
}

OutputCheck::~OutputCheck()
{
    threads.waitForDone();
}

void OutputCheck::ask(std::function<void(OutputLevel)> answer)
{
    threads.start([answer = std::move(answer)] { answer(askOutputLevel(LimitMs)); });
}
