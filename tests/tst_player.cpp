// The player and the sound devices: missing samples, unplayable files, every format a user may pick, and the outputs.
#include "Decoder.h"
#include "Devices.h"
#include "Player.h"
#include "PortAudioDevice.h"
#include "RecordingDevice.h"
#include "WavFileDevice.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sndfile.h>

#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <functional>
#include <numbers>

namespace {

// value(frame, channel) for a sound written by libsndfile in any format it can write.
using Wave = std::function<float(qint64 frame, int channel)>;

bool writeSound(const QString &path, int format, int rate, int channels, qint64 frames, const Wave &value)
{
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = format;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    std::vector<float> data(size_t(frames * channels));
    for (qint64 f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c)
            data[size_t(f * channels + c)] = value(f, c);
    const bool complete = sf_writef_float(file, data.data(), frames) == frames;
    sf_close(file);
    return complete;
}

Wave tone(double hz, int rate)
{
    return [=](qint64 f, int c) { return float(0.4 * std::sin(2 * std::numbers::pi * hz * double(f) / rate + c)); };
}

Pcm pcmOf(int rate, int channels, qint64 frames, const Wave &value)
{
    Pcm pcm;
    pcm.sampleRate = rate;
    pcm.channels = channels;
    pcm.samples.resize(size_t(frames * channels));
    for (qint64 f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c)
            pcm.samples[size_t(f * channels + c)] = value(f, c);
    return pcm;
}

qint64 msToPlay(SoundDevice &device, const Pcm &pcm)
{
    QElapsedTimer timer;
    timer.start();
    device.play(pcm);
    return timer.elapsed();
}

} // namespace

class TestPlayer : public QObject
{
    Q_OBJECT

private slots:
    void absentSampleIsSilent_data();
    void absentSampleIsSilent();
    void builtInSampleIsPlayed();
    void sampleBufferHoldsLastImage();
    void unplayableFileSoundsAlert_data();
    void unplayableFileSoundsAlert();
    void userFileIsPlayedWhole_data();
    void userFileIsPlayedWhole();
    void wavFileJoinsSoundsBackToBack();
    void wavFileTakesOtherFormats();
    void wavFileHoldsPhraseOfSamples();
    void wavFileThatCannotBeCreated_data();
    void wavFileThatCannotBeCreated();
    void wavFileOnFullDisk();
    void silentDeviceTiming_data();
    void silentDeviceTiming();
    void speakersWithoutSoundCard();
    void portAudioKeepsTimeWhateverHappens();

private:
    QTemporaryDir dir;
};

void TestPlayer::absentSampleIsSilent_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("57 French 1998, asked for but absent") << 57;
    QTest::newRow("56 gap in the set") << 56;
    QTest::newRow("199 gap at the top") << 199;
    QTest::newRow("-1 negative") << -1;
    QTest::newRow("0 below the set") << 0;
}

void TestPlayer::absentSampleIsSilent()
{
    QFETCH(int, id);
    RecordingDevice device;
    Player player(device);
    player.PlaySample(SampleId(id));
    QVERIFY2(device.log.isEmpty(), qPrintable(device.log.join(u',')));
    QVERIFY(player.sampleBuffer().isEmpty());
}

void TestPlayer::builtInSampleIsPlayed()
{
    if (SampleCatalogue().image(24).isEmpty())
        QSKIP("the sample images are not built into this tree yet");
    FakeClock clock;
    const QDateTime before = clock.now();
    RecordingDevice device(&clock);
    Player player(device);
    player.PlaySample(24);
    QCOMPARE(device.log, QStringList{QStringLiteral("sample 24")});
    QVERIFY(device.playedSeconds > 0.1 && device.playedSeconds < 3);
    QVERIFY(clock.now() > before);
}

void TestPlayer::sampleBufferHoldsLastImage()
{
    const SampleCatalogue catalogue;
    if (catalogue.image(24).isEmpty() || catalogue.image(36).isEmpty())
        QSKIP("the sample images are not built into this tree yet");
    RecordingDevice device;
    Player player(device);
    player.PlaySample(24);
    QCOMPARE(player.sampleBuffer(), catalogue.image(24));
    player.PlaySample(36);
    QCOMPARE(player.sampleBuffer(), catalogue.image(36));
    QVERIFY(player.sampleBuffer() != catalogue.image(24));
    player.PlaySample(57);
    QVERIFY(player.sampleBuffer().isEmpty());
    QCOMPARE(device.log, (QStringList{QStringLiteral("sample 24"), QStringLiteral("sample 36")}));
}

void TestPlayer::unplayableFileSoundsAlert_data()
{
    QVERIFY(dir.isValid());
    QTest::addColumn<QString>("path");

    const QString garbage = dir.filePath(QStringLiteral("garbage.wav"));
    QFile g(garbage);
    QVERIFY(g.open(QIODevice::WriteOnly));
    QByteArray noise;
    for (int i = 0; i < 5000; ++i)
        noise.append(char((i * 7919) % 251));
    g.write(noise);
    g.close();

    const QString whole = dir.filePath(QStringLiteral("whole.wav"));
    QVERIFY(writeSound(whole, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 1, 44100, tone(440, 44100)));
    QFile w(whole);
    QVERIFY(w.open(QIODevice::ReadOnly));
    const QString truncated = dir.filePath(QStringLiteral("truncated.wav"));
    QFile t(truncated);
    QVERIFY(t.open(QIODevice::WriteOnly));
    t.write(w.read(40)); // RIFF and fmt intact, the data chunk's header cut in half

    const QString empty = dir.filePath(QStringLiteral("empty.wav"));
    QFile e(empty);
    QVERIFY(e.open(QIODevice::WriteOnly));

    QTest::newRow("missing file") << dir.filePath(QStringLiteral("no-such-file.wav"));
    QTest::newRow("empty path") << QString();
    QTest::newRow("garbage bytes") << garbage;
    QTest::newRow("WAV cut inside its header") << truncated;
    QTest::newRow("file of zero bytes") << empty;
    QTest::newRow("a directory") << dir.path();
}

void TestPlayer::unplayableFileSoundsAlert()
{
    QFETCH(QString, path);
    RecordingDevice device;
    Player player(device);
    player.PlaySoundFile(path);
    QCOMPARE(device.log, QStringList{QStringLiteral("alert")});
    QVERIFY(device.playedSeconds > 0.1);
}

void TestPlayer::userFileIsPlayedWhole_data()
{
    QVERIFY(dir.isValid());
    QTest::addColumn<QString>("path");
    QTest::addColumn<double>("seconds");

    struct Kind { const char *row; const char *name; int format; int rate; int channels; double seconds; };
    const Kind kinds[] = {
        {"8-bit PCM WAV", "u8.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 11025, 1, 0.8},
        {"32-bit float WAV", "float.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 44100, 1, 1.2},
        {"stereo 22050 Hz WAV", "stereo.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 2, 1.5},
        {"six channels 48 kHz WAV", "surround.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 48000, 6, 0.7},
        {"FLAC", "sound.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 1, 2.0},
        {"Ogg Vorbis", "sound.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, 2, 1.75},
    };
    for (const Kind &k : kinds) {
        const QString path = dir.filePath(QString::fromLatin1(k.name));
        QVERIFY2(writeSound(path, k.format, k.rate, k.channels, qint64(k.seconds * k.rate), tone(523, k.rate)), k.row);
        QTest::newRow(k.row) << path << k.seconds;
    }
}

void TestPlayer::userFileIsPlayedWhole()
{
    QFETCH(QString, path);
    QFETCH(double, seconds);
    RecordingDevice device;
    Player player(device);
    player.PlaySoundFile(path);
    QCOMPARE(device.log, QStringList{path});
    QVERIFY2(std::abs(device.playedSeconds - seconds) <= seconds * 0.01, qPrintable(QString::number(device.playedSeconds)));
}

void TestPlayer::wavFileJoinsSoundsBackToBack()
{
    const QString path = dir.filePath(QStringLiteral("joined.wav"));
    const Pcm first = pcmOf(44100, 1, 13230, tone(440, 44100));
    // A ramp from -0.9 to 0.9: any frame lost or doubled at the joint shows up as a mismatch.
    const Pcm second = pcmOf(44100, 1, 8820, [](qint64 f, int) { return float(-0.9 + 1.8 * double(f) / 8820); });
    {
        QString error;
        auto device = openWavFile(path, &error);
        QVERIFY2(device, qPrintable(error));
        device->play(first);
        device->play(second);
    }
    const auto written = decodeFile(path);
    QVERIFY(written);
    QCOMPARE(written->sampleRate, 44100);
    QCOMPARE(written->channels, 1);
    std::vector<float> expected = first.samples;
    expected.insert(expected.end(), second.samples.begin(), second.samples.end());
    QCOMPARE(written->samples.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        QVERIFY2(std::abs(written->samples[i] - expected[i]) <= 1.0f / 32768 + 1e-6f, qPrintable(QString::number(i)));
}

void TestPlayer::wavFileTakesOtherFormats()
{
    const QString path = dir.filePath(QStringLiteral("converted.wav"));
    // Left 0.5, right 0.1: mixed down to mono that is 0.3 throughout.
    const Pcm stereo = pcmOf(22050, 2, 11025, [](qint64, int c) { return c == 0 ? 0.5f : 0.1f; });
    {
        QString error;
        auto device = openWavFile(path, &error);
        QVERIFY2(device, qPrintable(error));
        device->play(stereo);
    }
    const auto written = decodeFile(path);
    QVERIFY(written);
    QCOMPARE(written->sampleRate, 44100);
    QCOMPARE(written->channels, 1);
    QCOMPARE(written->frames(), qint64(22050));
    for (float s : written->samples)
        QVERIFY(std::abs(s - 0.3f) < 0.001f);
}

void TestPlayer::wavFileHoldsPhraseOfSamples()
{
    const SampleCatalogue catalogue;
    const SampleId phrase[] = {24, 36, 15}; // 14:05 in French
    std::vector<float> expected;
    for (SampleId id : phrase) {
        const auto pcm = decodeImage(catalogue.image(id));
        if (!pcm)
            QSKIP("the sample images are not built into this tree yet");
        QCOMPARE(pcm->sampleRate, 44100);
        QCOMPARE(pcm->channels, 1);
        expected.insert(expected.end(), pcm->samples.begin(), pcm->samples.end());
    }
    const QString path = dir.filePath(QStringLiteral("phrase.wav"));
    {
        QString error;
        auto device = openWavFile(path, &error);
        QVERIFY2(device, qPrintable(error));
        Player player(*device);
        for (SampleId id : phrase)
            player.PlaySample(id);
        player.StopSound();
    }
    const auto written = decodeFile(path);
    QVERIFY(written);
    QCOMPARE(written->samples.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        QVERIFY(std::abs(written->samples[i] - std::clamp(expected[i], -1.0f, 1.0f)) <= 1.0f / 32768 + 1e-6f);
}

void TestPlayer::wavFileThatCannotBeCreated_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("needsUnprivileged");

    const QString readOnly = dir.filePath(QStringLiteral("read-only"));
    QVERIFY(QDir().mkpath(readOnly));
    QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner));

    QTest::newRow("directory that does not exist") << dir.filePath(QStringLiteral("absent/out.wav")) << false;
    QTest::newRow("path names a directory") << dir.path() << false;
    QTest::newRow("empty path") << QString() << false;
    QTest::newRow("read-only directory") << readOnly + QStringLiteral("/out.wav") << true;
    if (QFile::exists(QStringLiteral("/dev/full")))
        QTest::newRow("disk full before the header") << QStringLiteral("/dev/full") << false;
}

void TestPlayer::wavFileThatCannotBeCreated()
{
    QFETCH(QString, path);
    QFETCH(bool, needsUnprivileged);
    if (needsUnprivileged) {
        QFile probe(QFileInfo(path).path() + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QSKIP("this user writes into read-only directories (root)");
        }
    }
    QString error;
    auto device = openWavFile(path, &error);
    QVERIFY(!device);
    QVERIFY(!error.isEmpty());
}

// The file-size limit stands in for a disk that fills up in the middle of a sound.
void TestPlayer::wavFileOnFullDisk()
{
    const QString path = dir.filePath(QStringLiteral("full.wav"));
    QString error;
    auto device = WavFileDevice::create(path, &error);
    QVERIFY2(device, qPrintable(error));

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    device->play(pcmOf(44100, 1, 441000, tone(440, 44100)));
    device->play(pcmOf(44100, 1, 4410, tone(440, 44100)));
    const bool failed = !device->ok();
    device.reset();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(failed);
    // What fitted stays a readable WAV file.
    const auto written = decodeFile(path);
    QVERIFY(written);
    QVERIFY(written->frames() > 0 && written->frames() <= 32 * 1024);
}

void TestPlayer::silentDeviceTiming_data()
{
    QTest::addColumn<bool>("keepTime");
    QTest::addColumn<int>("minMs");
    QTest::addColumn<int>("maxMs");
    QTest::newRow("keeps time") << true << 190 << 1000;
    QTest::newRow("returns at once") << false << 0 << 50;
}

void TestPlayer::silentDeviceTiming()
{
    QFETCH(bool, keepTime);
    QFETCH(int, minMs);
    QFETCH(int, maxMs);
    SilentDevice device(keepTime);
    const qint64 ms = msToPlay(device, pcmOf(44100, 1, 8820, tone(440, 44100)));
    QVERIFY2(ms >= minMs && ms <= maxMs, qPrintable(QString::number(ms)));
}

// This machine may have no sound card at all; the speakers must still take a sound's time and never hang.
void TestPlayer::speakersWithoutSoundCard()
{
    auto speakers = openSpeakers();
    QVERIFY(speakers);
    speakers->stop();
    const Pcm sound = pcmOf(44100, 1, 13230, tone(440, 44100));
    for (int i = 0; i < 2; ++i) {
        const qint64 ms = msToPlay(*speakers, sound);
        QVERIFY2(ms >= 150 && ms < 3000, qPrintable(QString::number(ms)));
    }
    speakers->stop();
    speakers->stop();
    const qint64 ms = msToPlay(*speakers, pcmOf(22050, 2, 6615, tone(440, 22050)));
    QVERIFY2(ms >= 150 && ms < 3000, qPrintable(QString::number(ms)));
}

// Whether or not PortAudio finds an output here, every play takes about the sound's length and stop is harmless.
void TestPlayer::portAudioKeepsTimeWhateverHappens()
{
    PortAudioDevice device;
    device.stop();
    const Pcm sounds[] = {
        pcmOf(44100, 1, 8820, tone(440, 44100)),
        pcmOf(44100, 1, 8820, tone(660, 44100)),
        pcmOf(48000, 6, 9600, tone(440, 48000)),
        pcmOf(8000, 2, 1600, tone(440, 8000)),
    };
    for (const Pcm &sound : sounds) {
        const qint64 ms = msToPlay(device, sound);
        QVERIFY2(ms >= 100 && ms < 2000, qPrintable(QString::number(ms)));
        device.stop();
    }
    QCOMPARE(msToPlay(device, Pcm{}), qint64(0));
}

QTEST_GUILESS_MAIN(TestPlayer)
#include "tst_player.moc"
