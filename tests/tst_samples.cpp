// The embedded sample set: which identifiers exist, the exact RIFF layout of each image, and how each decodes.
#include "Decoder.h"
#include "SampleCatalogue.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QTemporaryFile>
#include <QTest>

#include <sndfile.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int FirstId = 10;
constexpr int LastId = 201;

bool isPresent(int id)
{
    return (id >= 10 && id <= 55) || (id >= 58 && id <= 64) || (id >= 66 && id <= 195) || id == 200 || id == 201;
}

const QSet<int> FillerIds{116, 117, 129, 157, 184, 186};
// Lone consonants are kept near the level they have inside a word; at word loudness they would hiss.
const QSet<int> EndingIds{180, 181, 182};
const QSet<int> ToneIds{66, 67};

bool isSpoken(int id)
{
    return isPresent(id) && !FillerIds.contains(id) && !ToneIds.contains(id);
}

// "Speech" is anything louder than this; silence before and after it is what trimming removes.
const double SpeechThreshold = std::pow(10.0, -45.0 / 20.0);
constexpr double MaxLeadSeconds = 0.010;
constexpr double MaxTailSeconds = 0.030;
// RMS over the whole decoded sample, in dBFS.
constexpr double WordRmsDb = -22.0;
constexpr double EndingRmsDb = -32.0;
constexpr double RmsToleranceDb = 0.5;

quint16 u16(const QByteArray &b, qsizetype at)
{
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

quint32 u32(const QByteArray &b, qsizetype at)
{
    return quint32(u16(b, at)) | quint32(u16(b, at + 2)) << 16;
}

struct Chunk
{
    QByteArray id;
    qsizetype offset = 0; // of the chunk's content
    quint32 size = 0;
};

// The chunks after "WAVE", in file order; empty when a chunk runs past the end of the image.
QList<Chunk> chunksOf(const QByteArray &image)
{
    QList<Chunk> chunks;
    qsizetype at = 12;
    while (at + 8 <= image.size()) {
        Chunk c{image.mid(at, 4), at + 8, u32(image, at + 4)};
        if (c.offset + qsizetype(c.size) > image.size())
            return {};
        chunks << c;
        at = c.offset + qsizetype(c.size) + (c.size & 1);
    }
    return chunks;
}

double rmsDb(const Pcm &pcm)
{
    double sum = 0;
    for (float s : pcm.samples)
        sum += double(s) * s;
    return 10.0 * std::log10(std::max(sum / double(pcm.samples.size()), 1e-20));
}

} // namespace

class TstSamples : public QObject
{
    Q_OBJECT

private:
    SampleCatalogue catalogue;
    QMap<int, Pcm> decoded;

    const Pcm *decodedSample(int id)
    {
        if (!decoded.contains(id)) {
            const auto pcm = decodeImage(catalogue.image(SampleId(id)));
            if (!pcm)
                return nullptr;
            decoded.insert(id, *pcm);
        }
        return &decoded[id];
    }

    static void presentRows(bool (*keep)(int))
    {
        QTest::addColumn<int>("id");
        for (int id = FirstId; id <= LastId; ++id)
            if (keep(id))
                QTest::addRow("sample %d", id) << id;
    }

private slots:
    void presence_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("present");
        for (int id = 0; id <= 210; ++id)
            QTest::addRow("sample %d %s", id, isPresent(id) ? "present" : "absent") << id << isPresent(id);
    }

    void presence()
    {
        QFETCH(int, id);
        QFETCH(bool, present);
        QCOMPARE(!catalogue.image(SampleId(id)).isEmpty(), present);
    }

    void nothingElseEmbedded()
    {
        QStringList expected{QStringLiteral("alert.wav")};
        for (int id = FirstId; id <= LastId; ++id)
            if (isPresent(id))
                expected << QStringLiteral("%1.wav").arg(id, 3, 10, QLatin1Char('0'));
        expected.sort();
        QCOMPARE(expected.size(), 186);
        QCOMPARE(QDir(QStringLiteral(":/samples")).entryList(QDir::Files, QDir::Name), expected);
    }

    void header_data() { presentRows(isPresent); }

    void header()
    {
        QFETCH(int, id);
        const QByteArray image = catalogue.image(SampleId(id));
        QVERIFY(image.size() > 12 + 8 + 32 + 8 + 4 + 8);
        QCOMPARE(image.left(4), QByteArray("RIFF"));
        QCOMPARE(qsizetype(u32(image, 4)), image.size() - 8);
        QCOMPARE(image.mid(8, 4), QByteArray("WAVE"));

        const QList<Chunk> chunks = chunksOf(image);
        QCOMPARE(chunks.size(), 3);
        QCOMPARE(chunks[0].id, QByteArray("fmt "));
        QCOMPARE(chunks[1].id, QByteArray("fact"));
        QCOMPARE(chunks[2].id, QByteArray("data"));

        const qsizetype f = chunks[0].offset;
        QCOMPARE(chunks[0].size, 32u);
        QCOMPARE(u16(image, f), quint16(85));       // MPEG Layer-3
        QCOMPARE(u16(image, f + 2), quint16(1));    // channels
        QCOMPARE(u32(image, f + 4), 44100u);        // samples per second
        QCOMPARE(u32(image, f + 8), 8000u);         // bytes per second
        QCOMPARE(u16(image, f + 12), quint16(1));   // block align
        QCOMPARE(u16(image, f + 14), quint16(0));   // bits per sample
        QCOMPARE(u16(image, f + 16), quint16(12));  // extra size
        QCOMPARE(u16(image, f + 18), quint16(1));   // wID
        QCOMPARE(u32(image, f + 20), 2u);           // fdwFlags
        QCOMPARE(u16(image, f + 24), quint16(208)); // nBlockSize
        QCOMPARE(u16(image, f + 26), quint16(1));   // nFramesPerBlock
        QCOMPARE(u16(image, f + 28), quint16(1393)); // nCodecDelay
        QCOMPARE(u16(image, f + 30), quint16(0));   // filler

        QCOMPARE(chunks[1].size, 4u);

        // The first frame header: MPEG-1 Layer III, 64 kbit/s, 44.1 kHz, single channel.
        const qsizetype d = chunks[2].offset;
        QVERIFY(chunks[2].size > 4);
        QCOMPARE(quint8(image[d]), quint8(0xFF));
        QCOMPARE(quint8(image[d + 1]) & 0xFE, 0xFA);
        QCOMPARE(quint8(image[d + 2]) >> 4, 5);        // bitrate index 5: 64 kbit/s
        QCOMPARE((quint8(image[d + 2]) >> 2) & 3, 0); // 44.1 kHz
        QCOMPARE(quint8(image[d + 3]) >> 6, 3);        // mono
    }

    void decoding_data() { presentRows(isPresent); }

    void decoding()
    {
        QFETCH(int, id);
        const Pcm *pcm = decodedSample(id);
        QVERIFY(pcm);
        QCOMPARE(pcm->sampleRate, 44100);
        QCOMPARE(pcm->channels, 1);
        const QByteArray image = catalogue.image(SampleId(id));
        const QList<Chunk> chunks = chunksOf(image);
        QCOMPARE(chunks.size(), 3);
        QCOMPARE(qint64(u32(image, chunks[1].offset)), pcm->frames());
        QVERIFY2(pcm->seconds() >= 0.1 && pcm->seconds() <= 3.0, qPrintable(QString::number(pcm->seconds())));
    }

    void trimmed_data() { presentRows(isSpoken); }

    // Phrases are samples played back to back, so silence at either end would be heard as a gap.
    void trimmed()
    {
        QFETCH(int, id);
        const Pcm *pcm = decodedSample(id);
        QVERIFY(pcm);
        const auto &s = pcm->samples;
        qsizetype first = -1, last = -1;
        for (qsizetype i = 0; i < qsizetype(s.size()); ++i) {
            if (std::fabs(s[size_t(i)]) > SpeechThreshold) {
                if (first < 0)
                    first = i;
                last = i;
            }
        }
        QVERIFY(first >= 0);
        const double lead = double(first) / pcm->sampleRate;
        const double tail = double(qsizetype(s.size()) - 1 - last) / pcm->sampleRate;
        QVERIFY2(lead <= MaxLeadSeconds, qPrintable(QStringLiteral("speech starts at %1 s").arg(lead)));
        QVERIFY2(tail <= MaxTailSeconds, qPrintable(QStringLiteral("speech ends %1 s before the end").arg(tail)));
    }

    void loudness_data() { presentRows(isSpoken); }

    void loudness()
    {
        QFETCH(int, id);
        const Pcm *pcm = decodedSample(id);
        QVERIFY(pcm);
        const double expected = EndingIds.contains(id) ? EndingRmsDb : WordRmsDb;
        const double rms = rmsDb(*pcm);
        QVERIFY2(std::fabs(rms - expected) <= RmsToleranceDb,
                 qPrintable(QStringLiteral("RMS %1 dBFS, expected %2").arg(rms).arg(expected)));
        float peak = 0;
        for (float s : pcm->samples)
            peak = std::max(peak, std::fabs(s));
        QVERIFY2(peak < 1.0f, "clipped");
    }

    void durations_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<double>("shortest");
        QTest::addColumn<double>("longest");
        QTest::addRow("gong") << 66 << 2.3 << 2.6;
        QTest::addRow("ring") << 67 << 1.6 << 1.9;
        QTest::addRow("French meeting reminder") << 68 << 1.2 << 1.6;
        QTest::addRow("German meeting reminder") << 125 << 1.2 << 1.6;
        QTest::addRow("English meeting reminder") << 195 << 1.2 << 1.6;
        QTest::addRow("filler") << 116 << 0.25 << 0.4;
        QTest::addRow("ending -th") << 180 << 0.1 << 0.3;
    }

    void durations()
    {
        QFETCH(int, id);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        const Pcm *pcm = decodedSample(id);
        QVERIFY(pcm);
        QVERIFY2(pcm->seconds() >= shortest && pcm->seconds() <= longest, qPrintable(QString::number(pcm->seconds())));
    }

    // Only the filler group, A.M. and the spare Uhr share an image; any other match means a word went missing.
    void identicalImages()
    {
        QMap<QByteArray, QList<int>> byHash;
        for (int id = FirstId; id <= LastId; ++id) {
            if (!isPresent(id))
                continue;
            const QByteArray image = catalogue.image(SampleId(id));
            QVERIFY(!image.isEmpty());
            byHash[QCryptographicHash::hash(image, QCryptographicHash::Sha256)] << id;
        }
        QList<QList<int>> groups;
        for (const QList<int> &ids : std::as_const(byHash))
            if (ids.size() > 1)
                groups << ids;
        std::sort(groups.begin(), groups.end());
        const QList<QList<int>> expected{{95, 96}, {116, 117, 129, 157, 184, 186}, {154, 155}};
        QCOMPARE(groups, expected);
    }

    void fillerIsQuiet()
    {
        const Pcm *filler = decodedSample(116);
        QVERIFY(filler);
        QVERIFY(rmsDb(*filler) < WordRmsDb - 12);
    }

    void alertDecodes()
    {
        const auto pcm = decodeImage(catalogue.alertImage());
        QVERIFY(pcm);
        QVERIFY2(pcm->seconds() >= 0.3 && pcm->seconds() <= 1.0, qPrintable(QString::number(pcm->seconds())));
        QVERIFY(rmsDb(*pcm) > -40);
    }

    // Opened as a file, libsndfile announces the length before reading a frame; it must agree with "fact".
    void libsndfileReportsTheFactLength()
    {
        QByteArray image = catalogue.image(24);
        QVERIFY(!image.isEmpty());
        QTemporaryFile file;
        QVERIFY(file.open());
        QCOMPARE(file.write(image), image.size());
        file.close();
        SF_INFO info{};
        SNDFILE *sf = sf_open(QFile::encodeName(file.fileName()).constData(), SFM_READ, &info);
        QVERIFY(sf);
        sf_close(sf);
        const QList<Chunk> chunks = chunksOf(image);
        QCOMPARE(chunks.size(), 3);
        QCOMPARE(qint64(info.frames), qint64(u32(image, chunks[1].offset)));
    }
};

QTEST_GUILESS_MAIN(TstSamples)
#include "tst_samples.moc"
