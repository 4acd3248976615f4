// What screen readers are told by the two windows: the words of each language, the roles and states of
// the controls, values read whole, a row's new state. (How many events reach them needs a real
// accessibility bus: the Orca black-box test counts them.)
#include "AlarmTexts.h"
#include "FakeClock.h"
#include "HorP.h"
#include "RecordingDevice.h"
#include "Rows.h"
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
    void spokenTime_data() { addRows("accessibility_time", {"time", "language", "spoken"}); }
    void spokenTime() { QTEST(::spokenTime(QTime::fromString(cell("time")), Language(cell("language").toInt())), "spoken"); }

    void rowSentence_data() { addRows("accessibility_rows", {"boxes", "language", "spoken"}); }
    void rowSentence()
    {
        const QDateTime now(QDate(2026, 12, 5), QTime(9, 28), Qt::UTC);
        const QStringList texts = cell("boxes").split(u' ');
        const Zone zone(now);
        const AlarmState state = alarmState({texts[0], texts[1], texts[2], texts[3], texts[4]}, now.toMSecsSinceEpoch(), zone);
        QTEST(::rowSentence(2, state, now.toMSecsSinceEpoch(), zone, Language(cell("language").toInt())), "spoken");
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
