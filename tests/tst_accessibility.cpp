// What screen readers are told by the two windows: the words of each language, the roles and states of
// the controls, values read whole, a row's new state. (How many events reach them needs a real
// accessibility bus: the Orca black-box test counts them.)
#include "AlarmTexts.h"
#include "FakeClock.h"
#include "HorP.h"
#include "RecordingDevice.h"
#include "SpokenTexts.h"

#include <QAccessible>
#include <QTemporaryDir>
#include <QTest>

namespace {
struct Rig
{
    QTemporaryDir configDir;
    HPMOD shared;
    FakeClock clock{QDateTime(QDate(2026, 12, 5), QTime(9, 28, 54), Qt::UTC)};
    RecordingSpeaker speaker;
    std::unique_ptr<HorP> window;

    Rig()
    {
        HorPServices services;
        services.settings.configDir = configDir.path();
        window = std::make_unique<HorP>(shared, clock, speaker, services);
        window->Timer1.stop();
        settings().dateBox(1, 0)->setText(QStringLiteral("*")); // an alarm every day at 7:30
        for (int i = 1; i < 5; ++i)
            settings().dateBox(1, i)->setText(QStringList{"*", "*", "*", "7", "30"}[i]);
        window->Timer3_Timer();
    }
    Hset &settings() { return window->settingsWindow(); }
};

QAccessibleInterface *of(QObject *object) { return QAccessible::queryAccessibleInterface(object); }
} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void spokenTime_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("09:28:54 French") << QTime(9, 28, 54) << 0 << "09:28, 54 secondes";
        QTest::newRow("00:15:01 French singular") << QTime(0, 15, 1) << 0 << "00:15, 1 seconde";
        QTest::newRow("23:59:00 French singular") << QTime(23, 59, 0) << 0 << "23:59, 0 seconde";
        QTest::newRow("13:05:01 German") << QTime(13, 5, 1) << 1 << "13:05 Uhr, 1 Sekunde";
        QTest::newRow("13:05:00 German plural") << QTime(13, 5, 0) << 1 << "13:05 Uhr, 0 Sekunden";
        QTest::newRow("09:28:54 English") << QTime(9, 28, 54) << 2 << "9:28 AM and 54 seconds";
        QTest::newRow("00:15:01 English") << QTime(0, 15, 1) << 2 << "12:15 AM and 1 second";
        QTest::newRow("12:00:30 English") << QTime(12, 0, 30) << 2 << "12:00 PM and 30 seconds";
    }
    void spokenTime()
    {
        QFETCH(QTime, time);
        QFETCH(int, language);
        QTEST(::spokenTime(time, Language(language)), "spoken");
    }

    void rowSentence_data()
    {
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("daily French") << "* * * 7 30" << 0 << "Alarme 2 : dimanche 6 décembre à 07:30";
        QTest::newRow("next year German") << "1 1 * 0 0" << 1 << "Alarm 2: Freitag, 1. Januar 2027 um 00:00";
        QTest::newRow("off English") << "0 0 0 0 0" << 2 << "Alarm 2: off";
        QTest::newRow("07 French") << "* * * 07 30" << 0 << "Alarme 2 : ne sonnera pas, Heure « 07 » : tapez 7";
    }
    void rowSentence()
    {
        QFETCH(QString, boxes);
        QFETCH(int, language);
        const QDateTime now(QDate(2026, 12, 5), QTime(9, 28), Qt::UTC);
        const QStringList texts = boxes.split(u' ');
        const AlarmBoxes row{texts[0], texts[1], texts[2], texts[3], texts[4]};
        const Zone zone(now);
        const AlarmState state = alarmState(row, now.toMSecsSinceEpoch(), zone);
        QTEST(::rowSentence(2, state, now.toMSecsSinceEpoch(), zone, Language(language)), "spoken");
    }

    // The clock display reads and speaks the time, the date line is today's date before any flag wrote
    // it, and a flag turns every name to its language.
    void clockAndLanguage()
    {
        Rig rig;
        QCOMPARE(of(rig.window->clockStop)->text(QAccessible::Name), QString("09:28, 54 secondes"));
        QVERIFY(rig.window->Label3->text().isEmpty());
        QCOMPARE(of(rig.window->Label3)->text(QAccessible::Name), QString("samedi 5 décembre 2026"));
        QTest::keyClick(rig.window->clockStop, Qt::Key_Space);
        QCOMPARE(rig.speaker.ids, idList("19 35 30 18")); // 09:28 in French
        rig.window->Command3_Click();
        const QStringList names{of(rig.window->Command1)->text(QAccessible::Name), of(rig.window->Label3)->text(QAccessible::Name),
                                of(rig.window->clockStop)->text(QAccessible::Name),
                                of(rig.window->clockStop)->text(QAccessible::Description)};
        QCOMPARE(names, (QStringList{"French", "Saturday, 5 December 2026", "9:28 AM and 54 seconds", "Space or Enter speaks the time"}));
    }

    // Sound cells are check boxes, checked while they show 1; boxes give their whole text as one run.
    void cellsAndBoxes()
    {
        Rig rig;
        QAccessibleInterface *gong = of(rig.settings().optionLabel(1, 0)), *ring = of(rig.settings().optionLabel(1, 1));
        QCOMPARE(gong->role(), QAccessible::CheckBox);
        QCOMPARE(of(rig.settings().waveFileLabel(1))->role(), QAccessible::Button);
        ring->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(ring->state().checked && !gong->state().checked);
        QLineEdit *minute = rig.settings().dateBox(1, 4);
        int start = -1, end = -1;
        of(minute)->textInterface()->attributes(1, &start, &end);
        QCOMPARE((std::pair{start, end}), (std::pair{0, 2}));
    }

    // Typing 07 in the hour makes the row's sentence for screen readers, the box's description at once
    // and the other boxes' when they take the focus; the first box's value is selected as the window opens.
    void rowStateHeard()
    {
        Rig rig;
        rig.settings().show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.settings()));
        QCOMPARE(rig.settings().dateBox(1, 0)->selectedText(), QString("*"));
        QLineEdit *hour = rig.settings().dateBox(1, 3), *minute = rig.settings().dateBox(1, 4);
        hour->setFocus();
        hour->setText(QStringLiteral("0"));
        QTest::keyClick(hour, Qt::Key_7);
        const QString sentence("Alarme 1 : ne sonnera pas, Heure « 07 » : tapez 7");
        QCOMPARE(rig.settings().announcement->text(), sentence);
        QCOMPARE(of(hour)->text(QAccessible::Description), sentence);
        minute->setFocus();
        QCOMPARE(of(minute)->text(QAccessible::Description), sentence);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
