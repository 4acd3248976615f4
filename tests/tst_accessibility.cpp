// What screen readers are told by the windows: the spoken time, a row's sentence, a name for every node and
// a description for every control in each language. What Orca makes of them (the clock display, a row's
// new state, the sound cells, the boxes' values, how many events reach it) needs a real accessibility
// bus: the Orca black-box test hears them.
#include "AlarmTexts.h"
#include "Rows.h"
#include "SpokenTexts.h"
#include "WindowRig.h"

#include <QAccessible>
#include <QMessageBox>
#include <QTest>

namespace {
// 09:28:54 with an alarm every day at 7:30, its row's state known.
struct Rig : WindowRig
{
    Rig() : WindowRig(QDateTime(QDate(2026, 12, 5), QTime(9, 28, 54), QTimeZone::utc()))
    {
        setAlarm(1, QStringLiteral("* * * 7 30"));
        engine->Timer3_Timer();
    }
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
        const QDateTime now(QDate(2026, 12, 5), QTime(9, 28), QTimeZone::utc());
        const QStringList texts = cell("boxes").split(u' ');
        const Zone zone(now);
        const AlarmState state = alarmState({texts[0], texts[1], texts[2], texts[3], texts[4]}, now.toMSecsSinceEpoch(), zone);
        QTEST(::rowSentence(2, state, now.toMSecsSinceEpoch(), zone, Language(cell("language").toInt())), "spoken");
    }

    // In each language every node of the clock window, ALARM SET, the About box and a message box has a
    // name, and every control that takes the focus a description; the windows are a frame and dialogs.
    void everyNodeNamed()
    {
        Rig rig;
        rig.window->show(); // which gives it its title
        rig.window->Command5_Click();
        QMessageBox box(QMessageBox::Information, QStringLiteral("Alarmes enregistrées"), QStringLiteral("Alarme 1"),
                        QMessageBox::Ok, rig.window.get());
        QStringList problems;
        // Qt's own message box is not asked for descriptions: its OK says what it does.
        const std::function<void(QAccessibleInterface *, const QString &, bool)> walk = [&](QAccessibleInterface *node,
                                                                                           const QString &in, bool described) {
            const QString name = node->text(QAccessible::Name);
            if (name.isEmpty() || (described && node->state().focusable && node->text(QAccessible::Description).isEmpty()))
                problems << QStringLiteral("%1: a %2 named \"%3\"").arg(in).arg(node->role()).arg(name);
            for (int i = 0; i < node->childCount(); ++i)
                walk(node->child(i), in, described);
        };
        for (QPushButton *flag : {rig.window->Command1, rig.window->Command2, rig.window->Command3}) {
            flag->click();
            QEvent activate(QEvent::WindowActivate);
            QCoreApplication::sendEvent(&rig.settings(), &activate);
            for (QWidget *top : std::initializer_list<QWidget *>{rig.window.get(), &rig.settings(), rig.window->aboutBox, &box})
                walk(of(top), flag->accessibleName(), top != &box);
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        QCOMPARE((QList<QAccessible::Role>{of(rig.window.get())->role(), of(&rig.settings())->role(), of(rig.window->aboutBox)->role()}),
                 (QList<QAccessible::Role>{QAccessible::Window, QAccessible::Dialog, QAccessible::Dialog}));
    }

};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
