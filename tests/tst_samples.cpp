// The embedded sample set: which identifiers exist, the exact RIFF layout of each image, and how each decodes.
#include "Decoder.h"
#include "SampleCatalogue.h"

#include <QCryptographicHash>
#include <QDir>
#include <QMap>
#include <QSet>
#include <QtEndian>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

bool isPresent(int id)
{
    return (id >= 10 && id <= 55) || (id >= 58 && id <= 64) || (id >= 66 && id <= 195) || id == 200 || id == 201;
}

const QSet<int> FillerIds{116, 117, 129, 157, 184, 186};
// Lone consonants are kept near the level they have inside a word; at word loudness they would hiss.
const QSet<int> EndingIds{180, 181, 182};
const QSet<int> ToneIds{66, 67};

// "Speech" is anything louder than -45 dBFS; silence before and after it is what trimming removes.
const double SpeechThreshold = std::pow(10.0, -45.0 / 20.0);
constexpr double WordRmsDb = -22.0;
constexpr double EndingRmsDb = -32.0;

quint32 le32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

// Samples whose length shows that the right sound sits at the identifier; any other lasts 0.1 to 3 s.
const QMap<int, QPair<double, double>> KnownLengths{{66, {2.3, 2.6}},   {67, {1.6, 1.9}},  {68, {1.2, 1.6}},
                                                    {125, {1.2, 1.6}}, {195, {1.2, 1.6}}, {116, {0.25, 0.4}},
                                                    {180, {0.1, 0.3}}};

// Every image has the same 48 bytes after "WAVE": the fmt chunk (32 bytes: MPEG Layer-3 tag 85, mono, 44100 Hz,
// 8000 bytes/s, block align 1, 0 bits, 12 extra bytes: wID 1, fdwFlags 2, nBlockSize 208, nFramesPerBlock 1,
// nCodecDelay 1393, 0) and the fact chunk's header. Then the frame count, then "data" to the end of the image.
const QByteArray FixedHeader = QByteArray::fromHex("666d7420 20000000 5500 0100 44ac0000 401f0000 0100 0000"
                                                   "0c00 0100 02000000 d000 0100 7105 0000 66616374 04000000");

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

    SampleCatalogue catalogue;

private slots:
    void presence_data()
    {
        QTest::addColumn<int>("id");
        for (int id = 0; id <= 210; ++id)
            QTest::addRow("sample %d %s", id, isPresent(id) ? "present" : "absent") << id;
    }

    void presence()
    {
        QFETCH(int, id);
        QCOMPARE(!catalogue.image(SampleId(id)).isEmpty(), isPresent(id));
    }

    void image_data()
    {
        QTest::addColumn<int>("id");
        for (int id = 10; id <= 201; ++id)
            if (isPresent(id))
                QTest::addRow("sample %d", id) << id;
    }

    void image()
    {
        QFETCH(int, id);
        const QByteArray image = catalogue.image(SampleId(id));
        QVERIFY(image.size() > 76);
        QCOMPARE(image.left(4) + image.mid(8, 4), QByteArray("RIFFWAVE"));
        QCOMPARE(qsizetype(le32(image, 4)), image.size() - 8);
        QCOMPARE(image.mid(12, 48), FixedHeader);
        QCOMPARE(image.mid(64, 4), QByteArray("data"));
        const qsizetype data = le32(image, 68);
        QCOMPARE(72 + data + (data & 1), image.size()); // an odd chunk is padded to an even length
        // The first frame header: MPEG-1 Layer III, bitrate index 5 (64 kbit/s), 44.1 kHz, single channel.
        QCOMPARE(quint8(image[72]), quint8(0xFF));
        QCOMPARE(quint8(image[73]) & 0xFE, 0xFA);
        QCOMPARE(quint8(image[74]) >> 2, 5 << 2);
        QCOMPARE(quint8(image[75]) >> 6, 3);

        const auto pcm = decodeImage(image);
        QVERIFY(pcm);
        QCOMPARE(pcm->sampleRate, 44100);
        QCOMPARE(pcm->channels, 1);
        QCOMPARE(qint64(le32(image, 60)), pcm->frames());
        const auto [shortest, longest] = KnownLengths.value(id, {0.1, 3.0});
        QVERIFY2(pcm->seconds() >= shortest && pcm->seconds() <= longest, qPrintable(QString::number(pcm->seconds())));
        if (FillerIds.contains(id))
            QVERIFY(rmsDb(*pcm) < WordRmsDb - 12);
        if (FillerIds.contains(id) || ToneIds.contains(id))
            return;

        // Phrases are samples played back to back, so silence at either end would be heard as a gap.
        const auto &s = pcm->samples;
        const auto loud = [](float v) { return std::fabs(v) > SpeechThreshold; };
        const auto first = std::find_if(s.begin(), s.end(), loud);
        QVERIFY(first != s.end());
        const double lead = double(first - s.begin()) / 44100;
        const double tail = double(std::find_if(s.rbegin(), s.rend(), loud) - s.rbegin()) / 44100;
        QVERIFY2(lead <= 0.010, qPrintable(QStringLiteral("speech starts at %1 s").arg(lead)));
        QVERIFY2(tail <= 0.030, qPrintable(QStringLiteral("speech ends %1 s before the end").arg(tail)));
        const double expected = EndingIds.contains(id) ? EndingRmsDb : WordRmsDb;
        QVERIFY2(std::fabs(rmsDb(*pcm) - expected) <= 0.5, qPrintable(QString::number(rmsDb(*pcm))));
        QVERIFY2(std::all_of(s.begin(), s.end(), [](float v) { return std::fabs(v) < 1.0f; }), "clipped");
    }

    // Only the filler group, A.M. and the spare Uhr share an image; any other match means a word went missing.
    void identicalImages()
    {
        QMap<QByteArray, QList<int>> byHash;
        for (int id = 10; id <= 201; ++id)
            if (isPresent(id))
                byHash[QCryptographicHash::hash(catalogue.image(SampleId(id)), QCryptographicHash::Sha256)] << id;
        QList<QList<int>> groups;
        for (const QList<int> &ids : std::as_const(byHash))
            if (ids.size() > 1)
                groups << ids;
        std::sort(groups.begin(), groups.end());
        QCOMPARE(groups, (QList<QList<int>>{{95, 96}, {116, 117, 129, 157, 184, 186}, {154, 155}}));
    }

    void alert()
    {
        const auto pcm = decodeImage(catalogue.alertImage());
        QVERIFY(pcm);
        QVERIFY2(pcm->seconds() >= 0.3 && pcm->seconds() <= 1.0, qPrintable(QString::number(pcm->seconds())));
        QVERIFY(rmsDb(*pcm) > -40);
        // The 185 samples and the alert, nothing else.
        QCOMPARE(QDir(QStringLiteral(":/samples")).entryList(QDir::Files).size(), 186);
    }
};

QTEST_GUILESS_MAIN(TstSamples)
#include "tst_samples.moc"