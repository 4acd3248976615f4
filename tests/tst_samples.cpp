// The embedded sample set: which identifiers exist, the exact RIFF layout of each image, and how each decodes.
#include "Decoder.h"
#include "SampleCatalogue.h"

#include <QCryptographicHash>
#include <QMap>
#include <QtEndian>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {
bool isPresent(int id)
{
    return (id >= 10 && id <= 55) || (id >= 58 && id <= 64) || (id >= 66 && id <= 195) || id == 200 || id == 201;
}

// Samples whose length shows that the right sound sits at the identifier; any other lasts 0.1 to 3 s.
const QMap<int, QPair<double, double>> KnownLengths{{66, {2.3, 2.6}}, {67, {1.6, 1.9}}, {68, {1.2, 1.6}},
    {125, {1.2, 1.6}}, {195, {1.2, 1.6}}, {116, {0.25, 0.4}}, {180, {0.1, 0.3}}};

// Every image has the same 48 bytes after "WAVE": the fmt chunk (32 bytes: MPEG Layer-3 tag 85, mono, 44100 Hz,
// 8000 bytes/s, block align 1, 0 bits, 12 extra bytes: wID 1, fdwFlags 2, nBlockSize 208, nFramesPerBlock 1,
// nCodecDelay 1393, 0) and the fact chunk's header. Then the frame count, then "data" to the end of the image.
const QByteArray FixedHeader = QByteArray::fromHex("666d7420 20000000 5500 0100 44ac0000 401f0000 0100 0000"
                                                   "0c00 0100 02000000 d000 0100 7105 0000 66616374 04000000");

quint32 le32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

} // namespace

class TstSamples : public QObject
{
    Q_OBJECT

    SampleCatalogue catalogue;

private slots:
    void image_data()
    {
        QTest::addColumn<int>("id");
        for (int id = 0; id <= 210; ++id)
            QTest::addRow("sample %d %s", id, isPresent(id) ? "present" : "absent") << id;
    }

    void image()
    {
        QFETCH(int, id);
        const QByteArray image = catalogue.image(SampleId(id));
        QCOMPARE(!image.isEmpty(), isPresent(id));
        if (image.isEmpty())
            return;
        QVERIFY(image.size() > 76);
        QCOMPARE(image.left(4) + image.mid(8, 4), QByteArray("RIFFWAVE"));
        QCOMPARE(qsizetype(le32(image, 4)), image.size() - 8);
        QCOMPARE(image.mid(12, 48), FixedHeader);
        QCOMPARE(image.mid(64, 4), QByteArray("data"));
        const qsizetype data = le32(image, 68);
        QCOMPARE(72 + data + (data & 1), image.size()); // an odd chunk is padded to an even length
        // The first frame header: MPEG-1 Layer III, 64 kbit/s, 44.1 kHz, single channel; CRC and padding may vary.
        QCOMPARE(qFromBigEndian<quint32>(image.constData() + 72) & 0xFFFEFCC0, 0xFFFA50C0u);

        const auto pcm = decodeImage(image);
        QVERIFY(pcm);
        QCOMPARE(pcm->sampleRate, 44100);
        QCOMPARE(pcm->channels, 1);
        QCOMPARE(qint64(le32(image, 60)), pcm->frames());
        const auto [shortest, longest] = KnownLengths.value(id, {0.1, 3.0});
        QVERIFY2(pcm->seconds() >= shortest && pcm->seconds() <= longest, qPrintable(QString::number(pcm->seconds())));
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
};

QTEST_GUILESS_MAIN(TstSamples)
#include "tst_samples.moc"
