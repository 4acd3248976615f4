// The embedded sample set: which identifiers exist, what each image is, and how each decodes.
#include "Decoder.h"
#include "SampleCatalogue.h"

#include <QCryptographicHash>
#include <QMap>
#include <QTest>

#include <algorithm>

namespace {
bool isPresent(int id)
{
    return (id >= 10 && id <= 55) || (id >= 58 && id <= 64) || (id >= 66 && id <= 195) || id == 200 || id == 201;
}

// Samples whose length shows that the right sound sits at the identifier; any other lasts 0.1 to 3 s.
const QMap<int, QPair<double, double>> KnownLengths{{66, {2.3, 2.6}}, {67, {1.6, 1.9}}, {68, {1.2, 1.6}},
    {125, {1.2, 1.6}}, {195, {1.2, 1.6}}, {116, {0.25, 0.4}}, {180, {0.1, 0.3}}};

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
        // A RIFF WAVE image of MPEG Layer III; the decoder takes the rest of its layout from its headers.
        QCOMPARE(image.left(4) + image.mid(8, 4) + image.mid(20, 2), QByteArray("RIFFWAVE\x55\x00", 10));
        const auto pcm = decodeImage(image);
        QVERIFY(pcm);
        QCOMPARE(pcm->sampleRate, 44100);
        QCOMPARE(pcm->channels, 1);
        const auto [shortest, longest] = KnownLengths.value(id, {0.1, 3.0});
        QVERIFY2(pcm->seconds() >= shortest && pcm->seconds() <= longest, qPrintable(QString::number(pcm->seconds())));
    }

};

QTEST_GUILESS_MAIN(TstSamples)
#include "tst_samples.moc"
