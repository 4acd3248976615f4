// The player and the sound devices: missing samples, unplayable files, every format a user may pick, and the outputs.
#include "Decoder.h"
#include "Devices.h"
#include "Player.h"
#include "PortAudioDevice.h"
#include "RecordingDevice.h"
#include "WavFileDevice.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sndfile.h>

#include <sys/resource.h>

#include <cmath>
#include <csignal>
#include <numbers>

namespace {

// A 523 Hz tone, its phase shifted per channel.
Pcm pcmOf(int rate, int channels, double seconds)
{
    Pcm pcm{{}, rate, channels, {}};
    for (qint64 f = 0; f < std::llround(seconds * rate); ++f)
        for (int c = 0; c < channels; ++c)
            pcm.samples.push_back(float(0.4 * std::sin(2 * std::numbers::pi * 523 * double(f) / rate + c)));
    return pcm;
}

// A user's sound file in any format libsndfile can write.
bool writeSound(const QString &path, int format, const Pcm &pcm)
{
    SF_INFO info{0, pcm.sampleRate, pcm.channels, format, 0, 0};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    const bool complete = sf_writef_float(file, pcm.samples.data(), pcm.frames()) == pcm.frames();
    sf_close(file);
    return complete;
}

} // namespace

class TestPlayer : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void sampleBufferIsReplaced_data()
    {
        QTest::addColumn<int>("absent");
        QTest::newRow("57 French 1998, asked for but absent") << 57;
        QTest::newRow("199 gap at the top") << 199;
        QTest::newRow("-1 negative") << -1;
    }

    // An absent identifier plays nothing, and leaves no stale image behind.
    void sampleBufferIsReplaced()
    {
        QFETCH(int, absent);
        const SampleCatalogue catalogue;
        RecordingDevice device;
        Player player(device);
        player.PlaySample(24);
        QCOMPARE(player.sampleBuffer(), catalogue.image(24));
        player.PlaySample(36);
        QCOMPARE(player.sampleBuffer(), catalogue.image(36));
        player.PlaySample(SampleId(absent));
        QVERIFY(player.sampleBuffer().isEmpty());
        QCOMPARE(device.log, (QStringList{QStringLiteral("sample 24"), QStringLiteral("sample 36")}));
        QVERIFY(device.playedSeconds > 0.2 && device.playedSeconds < 6);
    }

    void soundFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<double>("seconds"); // 0: the file cannot be played and the alert stands in for it
        struct Kind { const char *row; const char *name; int format; int rate; int channels; double seconds; };
        const Kind kinds[] = {
            {"8-bit PCM WAV", "u8.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 11025, 1, 0.8},
            {"32-bit float WAV", "float.wav", SF_FORMAT_WAV | SF_FORMAT_FLOAT, 44100, 1, 1.2},
            {"stereo 22050 Hz WAV", "stereo.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 22050, 2, 1.5},
            {"six channels 48 kHz WAV", "surround.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_24, 48000, 6, 0.7},
            {"FLAC", "sound.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 1, 2.0},
            {"Ogg Vorbis", "sound.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, 2, 1.75},
            {"WAV cut inside its header", "truncated.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 1, 0},
            {"file of zero bytes", "empty.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 1, 0},
        };
        for (const Kind &k : kinds) {
            const QString path = dir.filePath(QString::fromLatin1(k.name));
            const double seconds = k.seconds > 0 ? k.seconds : 1.0;
            QVERIFY2(writeSound(path, k.format, pcmOf(k.rate, k.channels, seconds)), k.row);
            QTest::newRow(k.row) << path << k.seconds;
        }
        // Cut to 40 bytes, a good WAV file keeps RIFF and fmt but loses half the data chunk's header.
        QVERIFY(QFile::resize(dir.filePath(QStringLiteral("truncated.wav")), 40));
        QVERIFY(QFile::resize(dir.filePath(QStringLiteral("empty.wav")), 0));
        const QByteArray noise = QByteArray("\x13\x57\xfe\x01 not a sound \x7f\x80").repeated(300);
        QFile garbage(dir.filePath(QStringLiteral("garbage.wav")));
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write(noise) == noise.size());
        QTest::newRow("garbage bytes") << garbage.fileName() << 0.0;
        QTest::newRow("missing file") << dir.filePath(QStringLiteral("no-such-file.wav")) << 0.0;
        QTest::newRow("empty path") << QString() << 0.0;
        QTest::newRow("a directory") << dir.path() << 0.0;
    }

    void soundFile()
    {
        QFETCH(QString, path);
        QFETCH(double, seconds);
        RecordingDevice device;
        Player player(device);
        player.PlaySoundFile(path);
        QCOMPARE(device.log, QStringList{seconds > 0 ? path : QStringLiteral("alert")});
        if (seconds == 0)
            seconds = decodeImage(SampleCatalogue().alertImage())->seconds();
        QVERIFY2(std::abs(device.playedSeconds - seconds) <= seconds * 0.01,
                 qPrintable(QString::number(device.playedSeconds)));
    }

    // The 14:05 phrase in French, then a sound the file must convert: left 0.5 and right 0.1 at 22050 Hz
    // become 0.3 mono at 44.1 kHz. A frame lost, doubled or altered at a joint shows up as a mismatch.
    void wavFileJoinsAndConverts()
    {
        const SampleId phrase[] = {24, 36, 15};
        std::vector<float> expected;
        for (SampleId id : phrase) {
            const auto pcm = decodeImage(SampleCatalogue().image(id));
            QVERIFY(pcm);
            for (float s : pcm->samples)
                expected.push_back(std::clamp(s, -1.0f, 1.0f));
        }
        const size_t phraseEnd = expected.size();
        expected.resize(phraseEnd + 22050, 0.3f);
        const QString path = dir.filePath(QStringLiteral("phrase.wav"));
        {
            QString error;
            auto device = openWavFile(path, &error);
            QVERIFY2(device, qPrintable(error));
            Player player(*device);
            for (SampleId id : phrase)
                player.PlaySample(id);
            player.StopSound();
            Pcm stereo = pcmOf(22050, 2, 0.5);
            for (size_t i = 0; i < stereo.samples.size(); ++i)
                stereo.samples[i] = i % 2 ? 0.1f : 0.5f;
            device->play(stereo);
        }
        const auto written = decodeFile(path);
        QVERIFY(written);
        QCOMPARE(written->sampleRate, 44100);
        QCOMPARE(written->channels, 1);
        QCOMPARE(written->samples.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i)
            QVERIFY2(std::abs(written->samples[i] - expected[i]) <= (i < phraseEnd ? 1.0f / 32768 + 1e-6f : 0.001f),
                     qPrintable(QString::number(i)));
    }

    void wavFileThatCannotBeCreated_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("directory that does not exist") << dir.filePath(QStringLiteral("absent/out.wav"));
        QTest::newRow("path names a directory") << dir.path();
        QTest::newRow("empty path") << QString();
        QTest::newRow("disk full before the header") << QStringLiteral("/dev/full");
    }

    void wavFileThatCannotBeCreated()
    {
        QFETCH(QString, path);
        QString error;
        QVERIFY(!openWavFile(path, &error));
        QVERIFY(!error.isEmpty());
    }

    // The file-size limit stands in for a disk that fills up in the middle of a sound.
    void wavFileOnFullDisk()
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
        device->play(pcmOf(44100, 1, 10.0));
        device->play(pcmOf(44100, 1, 0.1));
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

    // This machine may have no sound card at all: whatever the speakers find, a play takes about the sound's
    // length and never hangs, and a stop (which lets the handed-over tail play out) is harmless and brief.
    void devicesKeepTime_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<Pcm>("sound");
        QTest::newRow("silent, keeping time") << "silent" << pcmOf(44100, 1, 0.2);
        QTest::newRow("silent, returning at once") << "instant" << pcmOf(44100, 1, 0.2);
        QTest::newRow("speakers, 44.1 kHz mono") << "speakers" << pcmOf(44100, 1, 0.3);
        QTest::newRow("speakers, 22050 Hz stereo") << "speakers" << pcmOf(22050, 2, 0.3);
        QTest::newRow("PortAudio, 48 kHz six channels") << "PortAudio" << pcmOf(48000, 6, 0.2);
        QTest::newRow("PortAudio, 8 kHz stereo") << "PortAudio" << pcmOf(8000, 2, 0.2);
    }

    void devicesKeepTime()
    {
        QFETCH(QString, kind);
        QFETCH(Pcm, sound);
        std::unique_ptr<SoundDevice> device = std::make_unique<SilentDevice>(kind == u"silent");
        if (kind != u"silent" && kind != u"instant")
            device = kind == u"speakers" ? openSpeakers() : std::make_unique<PortAudioDevice>();
        QVERIFY(device);
        device->stop();
        QElapsedTimer timer;
        for (int i = 0; i < 2; ++i) {
            timer.start();
            device->play(sound);
            const qint64 ms = timer.elapsed();
            // A real stream returns while its last frames are still buffered, so only half is certain there.
            const double least = sound.seconds() * (kind == u"silent" ? 900 : 500);
            QVERIFY2(kind == u"instant" ? ms < 50 : ms >= least && ms < 3000, qPrintable(QString::number(ms)));
        }
        timer.start();
        device->stop();
        device->stop();
        device->play(Pcm{});
        QVERIFY2(timer.elapsed() < 1500, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_GUILESS_MAIN(TestPlayer)
#include "tst_player.moc"