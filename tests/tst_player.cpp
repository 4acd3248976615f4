// The player and the sound devices: missing samples, unplayable files, the formats a user may pick, and the outputs.
#include "Decoder.h"
#include "Devices.h"
#include "Player.h"
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

// A 523 Hz tone, its phase shifted per channel.
static Pcm pcmOf(int rate, int channels, double seconds)
{
    Pcm pcm{{}, rate, channels, {}};
    for (qint64 f = 0; f < std::llround(seconds * rate); ++f)
        for (int c = 0; c < channels; ++c)
            pcm.samples.push_back(float(0.4 * std::sin(2 * std::numbers::pi * 523 * double(f) / rate + c)));
    return pcm;
}

class TestPlayer : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // An absent identifier (57, French 1998) plays nothing, and leaves no stale image behind.
    void sampleBufferIsReplaced()
    {
        RecordingDevice device;
        Player player(device);
        player.PlaySample(24);
        player.PlaySample(36);
        QCOMPARE(player.sampleBuffer(), SampleCatalogue().image(36));
        player.PlaySample(57);
        QVERIFY(player.sampleBuffer().isEmpty());
        QCOMPARE(device.log, (QStringList{QStringLiteral("sample 24"), QStringLiteral("sample 36")}));
    }

    void soundFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<double>("seconds"); // 0: the file cannot be played and the alert stands in for it
        // A user's file in a format libsndfile writes; an empty path when it could not be written.
        const auto sound = [this](const QString &name, int format, const Pcm &pcm) {
            SF_INFO info{0, pcm.sampleRate, pcm.channels, format, 0, 0};
            SNDFILE *file = sf_open(QFile::encodeName(dir.filePath(name)).constData(), SFM_WRITE, &info);
            const bool complete = file && sf_writef_float(file, pcm.samples.data(), pcm.frames()) == pcm.frames();
            sf_close(file);
            return complete ? dir.filePath(name) : QString();
        };
        QTest::newRow("stereo 22 kHz") << sound("a.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, pcmOf(22050, 2, 1.5)) << 1.5;
        QTest::newRow("FLAC") << sound("a.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, pcmOf(44100, 1, 2.0)) << 2.0;
        QTest::newRow("Ogg Vorbis") << sound("a.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, pcmOf(44100, 2, 1.75)) << 1.75;
        QFile garbage(dir.filePath(QStringLiteral("garbage.wav")));
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write(QByteArray("\x13\x57\xfe noise").repeated(300)));
        QTest::newRow("garbage bytes") << garbage.fileName() << 0.0;
        QTest::newRow("missing file") << dir.filePath(QStringLiteral("no-such-file.wav")) << 0.0;
    }

    void soundFile()
    {
        QFETCH(QString, path);
        QFETCH(double, seconds);
        RecordingDevice device;
        Player player(device);
        player.PlaySoundFile(path);
        QCOMPARE(device.log, QStringList{seconds > 0 ? path : QStringLiteral("alert")});
        const double expected = seconds > 0 ? seconds : decodeImage(SampleCatalogue().alertImage())->seconds();
        QCOMPARE_LE(std::abs(device.playedSeconds - expected), expected / 100);
    }

    // 14:05 in French, then left 0.5 and right 0.1 at 22050 Hz that must become 0.3 mono at 44.1 kHz, exactly.
    void wavFileJoinsAndConverts()
    {
        const QString path = dir.filePath(QStringLiteral("phrase.wav"));
        auto device = openWavFile(path, nullptr);
        QVERIFY(device);
        std::vector<float> expected;
        for (SampleId id : {24, 36, 15}) {
            const auto pcm = decodeImage(SampleCatalogue().image(id));
            QVERIFY(pcm);
            device->play(*pcm);
            for (float s : pcm->samples)
                expected.push_back(std::clamp(s, -1.0f, 1.0f));
        }
        device->stop();
        const size_t phraseEnd = expected.size();
        expected.resize(phraseEnd + 22050, 0.3f);
        Pcm stereo{{}, 22050, 2, {}};
        for (int f = 0; f < 11025; ++f)
            stereo.samples.insert(stereo.samples.end(), {0.5f, 0.1f});
        device->play(stereo);
        device.reset(); // closes the file
        const auto written = decodeFile(path);
        QVERIFY(written && written->sampleRate == 44100 && written->channels == 1);
        QCOMPARE(written->samples.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i)
            QVERIFY2(std::abs(written->samples[i] - expected[i]) <= (i < phraseEnd ? 1.0f / 32768 + 1e-6f : 0.001f),
                     qPrintable(QString::number(i)));
    }

    void wavFileThatCannotBeCreated_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("directory that does not exist") << dir.filePath(QStringLiteral("absent/out.wav"));
        QTest::newRow("disk full before the header") << QStringLiteral("/dev/full");
    }

    void wavFileThatCannotBeCreated()
    {
        QFETCH(QString, path);
        QString error;
        QVERIFY(!openWavFile(path, &error) && !error.isEmpty());
    }

    // The file-size limit stands in for a disk that fills up in the middle of a sound.
    void wavFileOnFullDisk()
    {
        const QString path = dir.filePath(QStringLiteral("full.wav"));
        auto device = WavFileDevice::create(path, nullptr);
        QVERIFY(device);
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const rlimit small{64 * 1024, saved.rlim_max};
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        device->play(pcmOf(44100, 1, 10.0));
        device->play(pcmOf(44100, 1, 0.1));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!device->ok());
        device.reset();
        const auto written = decodeFile(path); // what fitted stays a readable WAV file
        QVERIFY(written && written->frames() > 0 && written->frames() <= 32 * 1024);
    }

    // With or without a sound card, two plays and the stop that lets the buffered tail out take their length.
    void devicesKeepTime_data()
    {
        QTest::addColumn<bool>("speakers");
        QTest::newRow("silent device") << false;
        QTest::newRow("speakers") << true;
    }

    void devicesKeepTime()
    {
        QFETCH(bool, speakers);
        const std::unique_ptr<SoundDevice> device = speakers ? openSpeakers() : std::make_unique<SilentDevice>();
        QVERIFY(device);
        QElapsedTimer timer;
        timer.start();
        device->play(pcmOf(22050, 2, 0.3));
        device->play(pcmOf(22050, 2, 0.3));
        device->stop();
        QVERIFY2(timer.elapsed() >= 540 && timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    }
};

QTEST_GUILESS_MAIN(TestPlayer)
#include "tst_player.moc"
