#include "SoundFileCheck.h"

#include "HPMOD.h"
#include "SoundFileReader.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>

#include <optional>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <pthread.h>
#include <system_error>
#include <thread>

bool soundFilePlays(const QString &waveFile)
{
    return waveFile.isEmpty() || waveFile == NoWaveFile || SoundFileReader::open(waveFile) != nullptr;
}

struct SoundFileCheck::Shared
{
    struct Known
    {
        QDateTime changed;
        bool answered = false;
        bool plays = true;
        bool looking = false;
    };
    std::function<bool(const QString &)> check;
    std::mutex mutex;
    std::condition_variable answered;
    QHash<QString, Known> files; // never shrinks, so that a look under way always finds its entry

    void look(const QString &file)
    {
        const QDateTime changed = QFileInfo(file).lastModified();
        std::optional<bool> plays;
        {
            std::lock_guard lock(mutex);
            const Known &known = files[file];
            if (known.answered && known.changed == changed)
                plays = known.plays;
        }
        if (!plays)
            plays = check(file);
        std::lock_guard lock(mutex);
        files[file] = {changed, true, *plays, false};
        answered.notify_all();
    }
};

SoundFileCheck::SoundFileCheck(std::function<bool(const QString &)> check, int waitMs)
    : shared(std::make_shared<Shared>()), waitMs(waitMs)
{
    shared->check = std::move(check);
}

bool SoundFileCheck::plays(const QString &waveFile)
{
    if (waveFile.isEmpty() || waveFile == NoWaveFile)
        return true;
    std::unique_lock lock(shared->mutex);
    if (shared->files[waveFile].looking)
        return shared->files[waveFile].plays;
    shared->files[waveFile].looking = true;
    try {
        std::thread([shared = shared, waveFile] {
            pthread_setname_np(pthread_self(), "file-look");
            shared->look(waveFile);
        }).detach();
    } catch (const std::system_error &) {
        // No thread to be had: look here, as the program did before it had one.
        lock.unlock();
        shared->look(waveFile);
        lock.lock();
    }
    shared->answered.wait_for(lock, std::chrono::milliseconds(waitMs), [&] { return !shared->files[waveFile].looking; });
    return shared->files[waveFile].plays;
}
