// Sounds played on a thread of their own: order, markers and cuts.
#include "Announcements.h"
#include "Decoder.h"
#include "RecordingDevice.h"
#include "SoundQueue.h"

#include <QSemaphore>
#include <QTest>

namespace {
// A queue over a recording device, and how often it has said its sounds ended.
struct Queue
{
    RecordingDevice *device = new RecordingDevice;
    SoundQueue queue{std::unique_ptr<SoundDevice>(device)};
    bool sounding = false;
    int idles = 0;
    Queue() { queue.whenSounding([this](bool now) { idles += sounding && !now; sounding = now; }); }
    bool waitIdle(int count = 1) { return QTest::qWaitFor([&] { return idles >= count; }, 10000) && !sounding; }
};
} // namespace

class TestSoundQueue : public QObject
{
    Q_OBJECT
private slots:
    // 14:05 in French and the date: each sound whole and in order; a marker runs after the sounds
    // before it and before those after it.
    void phrasesInOrder()
    {
        Queue q;
        Announcements announcements(q.queue);
        QStringList seen;
        announcements.speakTimeFr(14, 5);
        q.queue.whenHeard([&] { seen << q.device->log.join(u' '); });
        announcements.speakDate(QDate(2026, 12, 5), French);
        q.queue.whenHeard([&] { seen << QString::number(q.device->log.size()); });
        QVERIFY(q.sounding && q.waitIdle());
        QCOMPARE(seen, (QStringList{"sample 24 sample 36 sample 15 stop", "11"}));
        QCOMPARE(q.device->log.join(u' '), QString("sample 24 sample 36 sample 15 stop sample 43 sample 200 sample 15 "
                                                    "sample 55 sample 59 sample 30 sample 16"));
    }

    // A cut ends the sound with the piece under way and drops what waits, but no marker; the queue
    // plays again afterwards.
    void cutWithinOnePiece()
    {
        Queue q;
        QSemaphore reached, go;
        int pieces = 0;
        // The third piece waits for the test, which cuts the sound meanwhile.
        q.device->eachPiece = [&] { if (++pieces == 3) { reached.release(); go.acquire(); } };
        bool told = false;
        q.queue.whenHeard([&] { told = true; }); // a marker alone is no sound to wait for
        QVERIFY(QTest::qWaitFor([&] { return told; }, 10000) && !q.sounding && q.idles == 0);
        told = false;
        q.queue.PlaySample(66);
        q.queue.whenHeard([&] { told = true; });
        q.queue.PlaySample(68);
        QVERIFY(reached.tryAcquire(1, 10000));
        q.queue.cutSound();
        go.release();
        QVERIFY(q.waitIdle());
        QCOMPARE(q.device->log, (QStringList{"sample 66", "cut"}));
        QVERIFY(told && pieces == 3);
        q.queue.PlaySample(24);
        QVERIFY(q.waitIdle(2));
        QCOMPARE(q.device->log.last(), QString("sample 24"));
    }
};

QTEST_GUILESS_MAIN(TestSoundQueue)
#include "tst_soundqueue.moc"
