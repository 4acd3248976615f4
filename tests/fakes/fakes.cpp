#include "RecordingDevice.h"

#include <cmath>

void RecordingDevice::play(const Pcm &pcm)
{
    if (eachPiece)
        eachPiece();
    if (!pcm.continuation)
        log << pcm.origin;
    playedSeconds += pcm.seconds();
    if (clock)
        clock->advanceMs(std::llround(pcm.seconds() * 1000));
}

std::vector<int> idList(const QString &text)
{
    std::vector<int> ids;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts))
        ids.push_back(word.toInt());
    return ids;
}
