// Sounds played on a thread of their own: order, markers, cuts, and a window that stays free meanwhile.
#include "Announcements.h"
#include "Decoder.h"
#include "RecordingDevice.h"
#include "Rows.h"
#include "SoundQueue.h"
#include "WindowRig.h"

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
        HPMOD shared;
        FakeClock clock;
        Announcements announcements(shared, q.queue, clock);
        QStringList seen;
        announcements.speakTimeFr(QStringLiteral("14:05"));
        q.queue.whenHeard([&] { seen << q.device->log.join(u' '); });
        announcements.speakDate();
        q.queue.whenHeard([&] { seen << QString::number(q.device->log.size()); });
        QVERIFY(q.sounding && q.waitIdle());
        QCOMPARE(seen, (QStringList{"sample 24 sample 36 sample 15 stop", "11"}));
        QCOMPARE(q.device->log.join(u' '), QString("sample 24 sample 36 sample 15 stop sample 43 sample 200 sample 15 "
                                                    "sample 55 sample 59 sample 30 sample 16"));
        double seconds = 0;
        for (int id : idList("24 36 15 43 200 15 55 59 30 16"))
            seconds += decodeImage(SampleCatalogue().image(SampleId(id)))->seconds();
        QCOMPARE_LE(std::abs(q.device->playedSeconds - seconds), 1e-6);
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

    // While a sound plays the window only keeps its glyphs going: no announcement, no alarm check;
    // when it ends, both run once.
    void windowWaitsForTheSound_data() { addRows("soundqueue_window", {"soundEnds", "interval", "after"}); }
    void windowWaitsForTheSound()
    {
        const QTime soundEnds = QTime::fromString(cell("soundEnds"));
        WindowRig rig(QDateTime(QDate(2026, 12, 5), QTime(7, 30)));
        rig.setAlarm(1, QStringLiteral("5 12 2026 7 30"));
        rig.book.setInterval(cell("interval"));
        rig.book.setField(1, 5, "1");
        rig.window->tick(); // the alarm's sound begins
        rig.speaker.clear();
        rig.speaker.sounding(true);
        for (QTime t(7, 30, 1); t <= soundEnds; t = t.addSecs(1)) {
            rig.clock.set(t.hour(), t.minute(), t.second());
            rig.window->tick();
        }
        QVERIFY(rig.speaker.ids.empty() && rig.speaker.stops == 0);
        QCOMPARE(rig.window->Label1->text(), QString("07:30"));
        QCOMPARE(rig.window->Image3[1]->glyph(), soundEnds.second() % 10);
        rig.speaker.sounding(false);
        QCOMPARE(rig.speaker.ids, idList(cell("after")));
    }
};

QTEST_MAIN(TestSoundQueue)
#include "tst_soundqueue.moc"
