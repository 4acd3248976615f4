// Sounds played on a thread of their own: order, markers, cuts, and a window that stays free meanwhile.
#include "Announcements.h"
#include "Decoder.h"
#include "Devices.h"
#include "FakeClock.h"
#include "HorP.h"
#include "RecordingDevice.h"
#include "SoundQueue.h"

#include <QElapsedTimer>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>

namespace {
// A queue over a recording device, and a count of the times it has said it is idle.
struct Queue
{
    RecordingDevice *device = new RecordingDevice;
    SoundQueue queue{std::unique_ptr<SoundDevice>(device)};
    int idles = 0;
    Queue() { queue.whenIdle([this] { ++idles; }); }
    bool waitIdle(int count = 1) { return QTest::qWaitFor([&] { return idles >= count; }, 10000) && !queue.busy(); }
};

// A sound that lasts until the test ends it.
struct HeldSpeaker final : Speaker
{
    void PlaySample(SampleId id) override { played << QString::number(id); }
    void StopSound() override { played << QStringLiteral("stop"); }
    void PlaySoundFile(const QString &path) override { played << path; }
    bool busy() const override { return held; }
    void whenIdle(std::function<void()> call) override { ended = std::move(call); }
    QStringList played;
    bool held = false;
    std::function<void()> ended;
};
} // namespace

class TestSoundQueue : public QObject
{
    Q_OBJECT
private slots:
    // 14:05 in French, an unplayable file and the date: each sound whole and in order; a marker runs
    // after the sounds before it and before those after it.
    void phrasesInOrder()
    {
        Queue q;
        HPMOD shared;
        FakeClock clock(QDateTime(QDate(2026, 12, 5), QTime(14, 5)));
        Announcements announcements(shared, q.queue, clock);
        QStringList seen;
        announcements.speakTimeFr(QStringLiteral("14:05"));
        q.queue.whenHeard([&] { seen << q.device->log.join(u','); });
        q.queue.PlaySoundFile(QStringLiteral("/nonexistent.wav"));
        announcements.speakDate();
        q.queue.whenHeard([&] { seen << QString::number(q.device->log.size()); });
        QVERIFY(q.queue.busy());
        QVERIFY(q.waitIdle());
        QCOMPARE(seen, (QStringList{"sample 24,sample 36,sample 15,stop", "12"}));
        QCOMPARE(q.device->log.mid(4), (QStringList{"alert", "sample 43", "sample 200", "sample 15", "sample 55", "sample 59",
                                                    "sample 30", "sample 16"}));
        double seconds = decodeImage(SampleCatalogue().alertImage())->seconds();
        for (SampleId id : {24, 36, 15, 43, 200, 15, 55, 59, 30, 16})
            seconds += decodeImage(SampleCatalogue().image(id))->seconds();
        QCOMPARE_LE(std::abs(q.device->playedSeconds - seconds), 1e-6);
    }

    // A cut ends the sound with the piece under way and drops what waits, but not the markers; the
    // queue plays again afterwards.
    void cutWithinOnePiece()
    {
        Queue q;
        QSemaphore reached, go;
        int pieces = 0;
        q.device->eachPiece = [&] {
            if (++pieces == 3) {
                reached.release();
                go.acquire();
            }
        };
        bool told = false;
        q.queue.PlaySample(66);
        q.queue.PlaySample(67);
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

    // The 2.5 s gong cut as it starts, on devices that keep its time: over long before its end.
    void cutEndsAWait_data()
    {
        QTest::addColumn<bool>("speakers");
        QTest::newRow("silent device") << false;
        QTest::newRow("speakers without a server") << true;
    }
    void cutEndsAWait()
    {
        QFETCH(bool, speakers);
        SoundQueue queue(speakers ? openSpeakers() : std::make_unique<SilentDevice>());
        bool idle = false;
        queue.whenIdle([&] { idle = true; });
        queue.PlaySample(66);
        QTest::qWait(300);
        QElapsedTimer cut;
        cut.start();
        queue.cutSound();
        QVERIFY(QTest::qWaitFor([&] { return idle; }, 10000));
        QCOMPARE_LT(cut.elapsed(), 1000);
    }

    // While a sound plays the window only keeps its glyphs going: no announcement, no alarm check;
    // when it ends, both run once.
    void windowWaitsForTheSound_data()
    {
        QTest::addColumn<QTime>("soundEnds");
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("in the alarm's minute: it rings again") << QTime(7, 30, 40) << "0" << QStringList{"66"};
        QTest::newRow("in the next minute: announced, no ring")
            << QTime(7, 31, 30) << "1" << QStringList{"17", "35", "31", "34", "11", "stop"};
    }
    void windowWaitsForTheSound()
    {
        QFETCH(QTime, soundEnds);
        QFETCH(QString, interval);
        QTemporaryDir dir;
        HPMOD shared;
        FakeClock clock(QDateTime(QDate(2026, 12, 5), QTime(7, 30)));
        HeldSpeaker speaker;
        HorPServices services;
        services.settings.configDir = dir.path();
        HorP window(shared, clock, speaker, services);
        for (int i = 0; i < 5; ++i)
            window.settingsWindow().dateBox(1, i)->setText(QStringList{"5", "12", "2026", "7", "30"}[i]);
        window.settingsWindow().Text1->setText(interval);
        shared.AlarmTable[0].gong = "1";
        window.tick();
        QCOMPARE(speaker.played.last(), QString("66"));
        speaker.played.clear();
        speaker.held = true;
        for (QTime t(7, 30, 1); t <= soundEnds; t = t.addSecs(1)) {
            clock.set(t.hour(), t.minute(), t.second());
            window.tick();
        }
        QCOMPARE(speaker.played, QStringList());
        QCOMPARE(window.Label1->text(), QString("07:30"));
        QCOMPARE(window.Image3[1]->glyph(), soundEnds.second() % 10);
        speaker.held = false;
        speaker.ended();
        QTEST(speaker.played, "after");
    }
};

QTEST_MAIN(TestSoundQueue)
#include "tst_soundqueue.moc"
