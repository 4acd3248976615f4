#include "OutputCheck.h"

#include <pulse/pulseaudio.h>

namespace {
// Two operations, the stream's volume and its output's; the last of them to end answers.
struct Query
{
    std::function<void(OutputLevel)> answer;
    int pending = 1; // held while the operations are sent, so that none can answer early
    bool failed = false;
    OutputLevel level = OutputLevel::Fine;

    void take(bool muted, const pa_cvolume &volume, bool hasVolume)
    {
        if (muted)
            level = OutputLevel::Muted;
        else if (hasVolume && pa_cvolume_valid(&volume) && pa_cvolume_max(&volume) == PA_VOLUME_MUTED
                 && level == OutputLevel::Fine)
            level = OutputLevel::Zero;
    }

    // Deletes the query once nothing is pending.
    void release()
    {
        if (--pending > 0)
            return;
        answer(failed ? OutputLevel::Unknown : level);
        delete this;
    }
};

void onStream(pa_context *, const pa_sink_input_info *info, int last, void *data)
{
    auto *query = static_cast<Query *>(data);
    query->failed = query->failed || last < 0;
    if (!last && info)
        query->take(info->mute != 0, info->volume, info->has_volume != 0);
}

void onSink(pa_context *, const pa_sink_info *info, int last, void *data)
{
    auto *query = static_cast<Query *>(data);
    query->failed = query->failed || last < 0;
    if (!last && info)
        query->take(info->mute != 0, info->volume, true);
}

// Once for each operation: done after its answer, or cancelled with its connection.
void onEnded(pa_operation *operation, void *data)
{
    const pa_operation_state_t state = pa_operation_get_state(operation);
    if (state == PA_OPERATION_RUNNING)
        return;
    auto *query = static_cast<Query *>(data);
    query->failed = query->failed || state == PA_OPERATION_CANCELLED;
    query->release();
}
} // namespace

void askStreamOutput(pa_context *context, pa_stream *stream, std::function<void(OutputLevel)> answer)
{
    auto *query = new Query{std::move(answer)};
    for (pa_operation *operation : {pa_context_get_sink_input_info(context, pa_stream_get_index(stream), onStream, query),
                                    pa_context_get_sink_info_by_index(context, pa_stream_get_device_index(stream), onSink, query)}) {
        if (!operation) {
            query->failed = true;
            continue;
        }
        ++query->pending;
        pa_operation_set_state_callback(operation, onEnded, query);
        pa_operation_unref(operation);
    }
    query->release();
}
