// The player and the sound devices: unplayable files, the formats a user may pick, the
// alarms' own level, and the outputs.
#include "AlarmRinger.h"
#include "Decoder.h"
#include "Devices.h"
#include "Player.h"
#include "RecordingDevice.h"
#include "Rows.h"
#include "SoundFileReader.h"
#include "SoundQueue.h"
#include "WavFileDevice.h"

#include <QFile>
#include <QtEndian>
#include <QTemporaryDir>
#include <QtTest>

#include <sndfile.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cmath>
#include <numeric>
#include <csignal>
#include <numbers>

static QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Frames `from` to `to` of a tone, its phase shifted per channel.
static Pcm pcmOf(int rate, int channels, qint64 from, qint64 to, double hz = 523)
{
    Pcm pcm{{}, rate, channels, {}};
    for (qint64 f = from; f < to; ++f)
        for (int c = 0; c < channels; ++c)
            pcm.samples.push_back(float(0.4 * std::sin(2 * std::numbers::pi * hz * double(f) / rate + c)));
    return pcm;
}

class TestPlayer : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    // A user's file in a format libsndfile writes, `seconds` of a tone written a second at a time.
    QString sound(const QString &name, int format, int rate, int channels, double seconds, double hz = 523)
    {
        SF_INFO info{0, rate, channels, format, 0, 0};
        SNDFILE *file = sf_open(QFile::encodeName(dir.filePath(name)).constData(), SFM_WRITE, &info);
        const qint64 frames = std::llround(seconds * rate);
        for (qint64 done = 0; file && done < frames; done += rate) {
            const Pcm second = pcmOf(rate, channels, done, std::min(done + rate, frames), hz);
            sf_writef_float(file, second.samples.data(), second.frames());
        }
        sf_close(file);
        return dir.filePath(name);
    }

private slots:
    void soundFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<double>("seconds"); // 0: the file cannot be played and the alert stands in for it
        const int wav = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
        QTest::newRow("stereo 22 kHz") << sound("a.wav", wav, 22050, 2, 1.5) << 1.5;
        QTest::newRow("FLAC") << sound("a.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 44100, 1, 2.0) << 2.0;
        QTest::newRow("Ogg Vorbis") << sound("a.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 44100, 2, 1.75) << 1.75;
        QTest::newRow("1 Hz header") << sound("1hz.wav", wav, 1, 1, 3) << 3.0;
        // A thousand seconds claimed by 2 kB: cut at the bound of three minutes and 10 ms a byte.
        const QString claims = sound("1hz-long.wav", wav, 1, 1, 1000);
        QTest::newRow("1 Hz header, bounded") << claims << 180 + QFileInfo(claims).size() / 100.0;
        QTest::newRow("768 kHz header") << sound("768k.wav", wav, 768000, 1, 1.0) << 1.0;
        QTest::newRow("100 channels") << sound("100.wav", wav, 44100, 100, 0.5) << 0.5;
        QTest::newRow("0 frames") << sound("empty.wav", wav, 44100, 1, 0) << 0.0;
        const QString cut = sound("cut.wav", wav, 44100, 1, 2.0);
        QVERIFY(::truncate(QFile::encodeName(cut).constData(), 44 + 44100 * 2) == 0);
        QTest::newRow("truncated to its first second") << cut << 1.0;
        QVERIFY(QFile::link(cut, dir.filePath("link.wav")));
        QTest::newRow("symbolic link") << dir.filePath("link.wav") << 1.0;
        QFile garbage(dir.filePath(QStringLiteral("garbage.wav")));
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write(QByteArray("\x13\x57\xfe noise").repeated(300)));
        QTest::newRow("garbage bytes") << garbage.fileName() << 0.0;
        QTest::newRow("missing file") << dir.filePath(QStringLiteral("no-such-file.wav")) << 0.0;
        QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("fifo.wav")).constData(), 0600) == 0);
        QTest::newRow("FIFO without a writer") << dir.filePath("fifo.wav") << 0.0;
        QTest::newRow("endless device") << QStringLiteral("/dev/zero") << 0.0;
        QTest::newRow("directory") << dir.path() << 0.0;
    }

    void soundFile()
    {
        QFETCH(QString, path);
        QFETCH(double, seconds);
        RecordingDevice device;
        Player player(device);
        int pieces = 0; // the window is called back after each, to go on showing the time
        player.betweenPieces([&] { ++pieces; });
        player.PlaySoundFile(path);
        QCOMPARE(device.log, QStringList{seconds > 0 ? path : QStringLiteral("alert")});
        QCOMPARE(pieces, int(std::ceil(device.playedSeconds * 44100 / SoundFileReader::PieceFrames - 1e-6)));
        const double expected = seconds > 0 ? seconds : decodeImage(SampleCatalogue().alertImage())->seconds();
        QCOMPARE_LE(std::abs(device.playedSeconds - expected), expected / 100);
    }

    // 5 s of speech, then seven rings of a 5 s tone with a flag spoken after the second, recorded beside
    // the same sounds played as they are. The level is set back to the default after the first ring,
    // which counts only from the next minute.
    void loudness_data() { addRows("player_loudness", {"percent", "rise", "second", "ratio"}); }
    void loudness()
    {
        const QString tone = sound("tone.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 1, 5.0);
        std::array<std::optional<Pcm>, 2> heard; // rung, and as they are
        for (int asIs = 0; asIs < 2; ++asIs) {
            AlarmBook book(dir.path());
            HPMOD shared;
            FakeClock clock(QDateTime(QDate(2026, 12, 5), QTime(7, 30)));
            SoundQueue queue(WavFileDevice::create(dir.filePath(QString::number(asIs)), nullptr));
            AlarmRinger ringer(book, shared, clock, queue);
            book.setLoudness({cell("percent").toInt(), cell("rise").toInt()});
            for (int i = 0; i < 9; ++i)
                book.setField(1, i, ("5 12 2026 7 30 0 0 0 " + tone).section(u' ', i, i));
            queue.PlaySoundFile(tone);
            for (int i = 0; i < 7; ++i, clock.advanceMs(5000)) {
                asIs ? queue.PlaySoundFile(tone) : void(ringer.check(clock.now(), "07:30"));
                book.setLoudness({});
                if (i == 1)
                    queue.PlaySample(24);
            }
            bool done = false;
            queue.whenHeard([&] { done = true; });
            QTRY_VERIFY_WITH_TIMEOUT(done, 10000);
            heard[size_t(asIs)] = decodeFile(dir.filePath(QString::number(asIs)));
        }
        const auto &[rung, asIs] = heard;
        QVERIFY(rung && asIs && rung->seconds() > 35 && rung->frames() == asIs->frames());
        QCOMPARE(rung->samples == asIs->samples, cell("percent") == "100" && cell("rise") == "0");
        const auto power = [from = qsizetype(cell("second").toDouble() * 44100)](const Pcm &pcm) {
            const auto at = pcm.samples.begin() + from;
            return std::inner_product(at, at + 44100 / 3, at, 0.0);
        };
        const double ratio = std::sqrt(power(*rung) / power(*asIs));
        QVERIFY2(std::abs(ratio / cell("ratio").toDouble() - 1) < 0.1, qPrintable(QString::number(ratio)));
    }

    // A recording read while it is still being written, or left by a program killed in the middle of it,
    // holds every sound played so far: after each sound its header gives the lengths of the file and of
    // its sound, which players that trust the header (not libsndfile, which reads on to the end) go by.
    void wavFileWholeWhileWritten()
    {
        const QString path = dir.filePath(QStringLiteral("growing.wav"));
        auto device = WavFileDevice::create(path, nullptr);
        QVERIFY(device);
        for (const qint64 frames : {4410, 4410 + 22050}) {
            device->play(pcmOf(44100, 1, frames == 4410 ? 0 : 4410, frames));
            const QByteArray bytes = contentsOf(path);
            const auto le32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
            QCOMPARE(bytes.left(4), QByteArray("RIFF"));
            QCOMPARE(qint64(le32(4)), qint64(bytes.size()) - 8);
            qsizetype chunk = 12;
            while (chunk + 8 <= bytes.size() && bytes.mid(chunk, 4) != "data")
                chunk += 8 + qsizetype(le32(chunk + 4));
            QVERIFY(chunk + 8 <= bytes.size());
            QCOMPARE(qint64(le32(chunk + 4)), frames * 2); // 16-bit mono
            const auto written = decodeFile(path);
            QVERIFY(written);
            QCOMPARE(written->frames(), frames);
        }
        QVERIFY(device->ok());
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
        device->play(pcmOf(44100, 1, 0, 441000));
        device->play(pcmOf(44100, 1, 0, 4410));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!device->ok());
        device.reset();
        const auto written = decodeFile(path); // what fitted stays a readable WAV file
        QVERIFY(written && written->frames() > 0 && written->frames() <= 32 * 1024);
    }
};

QTEST_GUILESS_MAIN(TestPlayer)
#include "tst_player.moc"
