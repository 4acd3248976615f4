// The main window driven at chosen times: clock tick, glyphs, flags and the phrases they speak, the date
// line, periodic announcement, alarms, the keyboard, exit.
#include "Rows.h"
#include "WindowRig.h"

#include <QTest>
#include <QTimeZone>

namespace {
std::vector<int> glyphsOf(const auto &row)
{
    std::vector<int> glyphs;
    for (const GlyphSlot *slot : row)
        glyphs.push_back(slot->glyph());
    return glyphs;
}
} // namespace

class TestHorP : public QObject
{
    Q_OBJECT
private slots:
    // A Space right after start speaks the time: the focus is on the French flag, not on FIN. No alarm
    // check makes ALARM SET: only Alarm-set does.
    void startAndKeyboard()
    {
        WindowRig rig;
        rig.window->show();
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        QCOMPARE((QStringList{rig.window->windowTitle(), rig.window->Command7->text(), rig.window->Label3->text()}),
                 (QStringList{"KALINDOR", "FIN", ""}));
        for (QPushButton *button : {rig.window->Command1, rig.window->Command2, rig.window->Command3, rig.window->Command4})
            QVERIFY(!button->icon().isNull());
        rig.window->Timer3_Timer();
        QVERIFY(!rig.window->settingsWindow());
        QCOMPARE(QApplication::focusWidget(), rig.window->Command1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(rig.speaker.ids, idList("17 35 30 19")); // 07:29

        // Left to right, top to bottom, FIN last, and round again by the clock display.
        const QList<QWidget *> order{rig.window->Command2, rig.window->Command3, rig.window->Command5, rig.window->Command6,
                                     rig.window->Command4, rig.window->Label3, rig.window->Command7, rig.window->clockStop,
                                     rig.window->Command1};
        for (QWidget *next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        rig.speaker.clear();
        QTest::keyClick(rig.window->Label3, Qt::Key_Return); // the date line speaks the date
        QCOMPARE(rig.speaker.ids, idList("43 200 15 55 59 30 16"));
        QTest::keyClick(rig.window->Command4, Qt::Key_Return); // the stop button silences and says why not more
        QCOMPARE(rig.speaker.stops, 1);
        QCOMPARE(rig.messages, QStringList{"Vous devez faire ce que vous avez a faire,Donc je vais continuer pendant 1 minute"});
        // Enter on OK and Escape close the About box, opened over the clock; Escape closes ALARM SET unsaved,
        // Enter on Save saves it. Both open from keypad Enter.
        for (const auto &[key, about] : {std::pair{Qt::Key_Enter, true}, {Qt::Key_Escape, true}, {Qt::Key_Escape, false}, {Qt::Key_Return, false}}) {
            QTest::keyClick(about ? rig.window->Command5 : rig.window->Command6, Qt::Key_Enter, Qt::KeypadModifier);
            const QPointer<QWidget> window = about ? static_cast<QWidget *>(rig.window->aboutBox) : rig.window->settingsWindow();
            window->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), window.data());
            QVERIFY(!about || (window->frameGeometry().center() - rig.window->frameGeometry().center()).manhattanLength() < 40);
            QWidget *button = about ? static_cast<QWidget *>(rig.window->aboutBox->cmdOK) : rig.window->settingsWindow()->Command1;
            button->setFocus();
            QTest::keyClick(button, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
            QTRY_VERIFY(window.isNull());
            QCOMPARE(QFile::exists(rig.configDir.filePath("kalind.dta")), key == Qt::Key_Return);
        }
        QCOMPARE(rig.notices, QStringList{"Alarmes enregistrées"}); // in a box where no server takes it:
        rig.lastNotice.unseen();
        QCOMPARE(rig.informed, QStringList{"Aucune alarme n'est réglée."});
        rig.window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), rig.window.get());
        QCOMPARE(rig.exits, 0);
        QTest::keyClick(rig.window.get(), Qt::Key_Q, Qt::ControlModifier);
        rig.window->Command7->click();
        rig.window->close();
        QCOMPARE(rig.exits, 3);
    }

    void tick_data() { addRows("horp_tick", {"time", "label1", "label2", "row24", "row12", "seconds"}); }
    void tick()
    {
        WindowRig rig;
        const QTime at = QTime::fromString(cell("time"));
        rig.tickAt(at.hour(), at.minute(), at.second());
        QTEST(rig.window->Label1->text(), "label1");
        QTEST(rig.window->Label2->text(), "label2");
        QCOMPARE(glyphsOf(rig.window->Image2), idList(cell("row24")));
        QCOMPARE(glyphsOf(rig.window->Image4), idList(cell("row12")));
        QCOMPARE(glyphsOf(rig.window->Image3), idList(cell("seconds")));
        QCOMPARE(rig.shared.MinuteCell, at.minute());
    }

    // The flags at chosen moments speak the time, or the date line the date, in their language.
    void speech_data() { addRows("horp_speech", {"moment", "what", "fr", "de", "en"}); }
    void speech()
    {
        QFETCH(QString, moment);
        WindowRig rig;
        rig.clock.set(QDateTime::fromString(moment, Qt::ISODate));
        rig.window->Timer1_Timer(); // the tick leaves MinuteCell, which English speaks
        QPushButton *flags[] = {rig.window->Command1, rig.window->Command2, rig.window->Command3};
        for (int language : {0, 1, 2}) {
            rig.speaker.clear();
            flags[language]->click();
            QCOMPARE(rig.window->Command7->text(), (QStringList{"FIN", "ENDE", "END"}[language]));
            if (cell("what") == "date") {
                rig.speaker.clear();
                rig.window->Label3_Click();
            } else { // French and German end after the word for hours on the hour; English always closes.
                QCOMPARE(rig.speaker.stops, language == 2 || !moment.contains(":00:") ? 1 : 0);
            }
            QCOMPARE(rig.speaker.ids, idList(QStringList{cell("fr"), cell("de"), cell("en")}[language]));
        }
    }

    void calendar_data() { addRows("horp_calendar", {"date", "language", "line"}); }
    void calendar()
    {
        WindowRig rig;
        rig.clock.set(QDateTime(QDate::fromString(cell("date"), Qt::ISODate), QTime(9, 0)));
        QPushButton *flags[] = {rig.window->Command1, rig.window->Command2, rig.window->Command3};
        flags[cell("language").toInt()]->click();
        QTEST(rig.window->Label3->text(), "line");
    }

    void frenchFlagRewritesClockTextFirst()
    {
        WindowRig rig;
        rig.tickAt(14, 4, 59);
        rig.clock.set(14, 5, 1); // the minute turned since the last tick
        rig.speaker.clear();
        rig.window->Command1_Click();
        QCOMPARE(rig.window->Label1->text(), QString("14:05"));
        QCOMPARE(rig.speaker.ids, idList("24 36 15"));
        // English speaks the display as the last tick left it: still 14:05 though it is later now.
        rig.clock.set(14, 6, 30);
        rig.speaker.clear();
        rig.window->Command3_Click();
        QCOMPARE(rig.speaker.ids, idList("132 135 156"));
    }

    void periodic_data() { addRows("horp_periodic", {"interval", "language", "announced"}); }
    void periodic()
    {
        QFETCH(QString, language);
        QFETCH(QString, announced);
        WindowRig rig;
        rig.shared.CurrentLanguage = Language(language.toInt());
        rig.book.setInterval(cell("interval"));
        QStringList heard, every;
        for (int minute = 13; minute <= 60; ++minute) { // the texts change, and so speak, once a minute
            rig.speaker.clear();
            for (int second : {0, 1, 30, 59})
                rig.tickAt(10 + minute / 60, minute % 60, second);
            if (!rig.speaker.ids.empty())
                heard << rig.window->Label1->text();
            every << rig.window->Label1->text();
        }
        QCOMPARE(heard, announced == "every" ? every : announced.split(u' ', Qt::SkipEmptyParts));
        QCOMPARE(rig.shared.CurrentLanguage, Language(language.toInt()));
    }

    // Quiet hours silence the periodic announcement, never a flag.
    void quietHours_data() { addRows("horp_quiet", {"interval", "from", "to", "language", "times", "announced"}); }
    void quietHours()
    {
        WindowRig rig;
        rig.shared.CurrentLanguage = Language(cell("language").toInt());
        rig.book.setInterval(cell("interval"));
        rig.book.setSoundSettings({cell("from"), cell("to"), {}, {}, {}});
        QStringList heard;
        for (const QString &time : cell("times").split(u' ')) {
            rig.speaker.clear();
            rig.tickAt(time.left(2).toInt(), time.right(2).toInt());
            if (!rig.speaker.ids.empty())
                heard << time;
        }
        QCOMPARE(heard.join(u' '), cell("announced"));
        rig.speaker.clear();
        rig.clock.set(23, 10, 0);
        rig.window->Command1_Click();
        QVERIFY(!rig.speaker.ids.empty()); // 23:10, inside most spans
    }

    // A 90-second wave file at 07:30 is heard once; alarm 2 of the same minute still sounds after it.
    void longWaveFileKeepsTheMinutePromise()
    {
        const QString longFile = QStringLiteral("/music/ninety seconds.wav");
        WindowRig rig;
        rig.speaker.clock = &rig.clock;
        rig.speaker.fileSeconds = 90;
        rig.setAlarm(1, "5 12 2026 7 30", longFile);
        rig.setAlarm(2, "5 12 2026 7 30");
        rig.book.setField(2, 5, "1");
        rig.clock.set(7, 30, 0);
        rig.window->Timer3_Timer();
        QCOMPARE(rig.speaker.files, QStringList{longFile});
        QCOMPARE(rig.speaker.ids, idList("66"));
        rig.speaker.clear();
        rig.window->Timer3_Timer();
        QVERIFY(rig.speaker.files.isEmpty() && rig.speaker.ids.empty());
        QCOMPARE(rig.window->Label1->text(), QString("07:31"));
    }

    void ticksOnTheSecond_data() { addRows("horp_seconds", {"steps"}); }
    void ticksOnTheSecond()
    {
        const QStringList steps = cell("steps").split(u'|');
        WindowRig rig;
        rig.setAlarm(1, "5 12 2026 7 30");
        rig.book.setField(1, 5, "1");
        for (const QString &step : steps) {
            const QStringList expected = step.split(u' ');
            rig.clock.set(QDateTime(QDate(2026, 12, 5), QTime::fromString(expected[0], "HH:mm:ss.zzz")));
            rig.window->tick();
            const QStringList seen{expected[0], rig.window->Label1->text(), rig.window->Label4->text(),
                                   QString::number(rig.window->Timer1.interval()),
                                   rig.window->Timer3.isActive() ? "ringing" : "idle"};
            QCOMPARE(seen, expected);
            QVERIFY(rig.window->Timer1.isActive() && rig.window->Timer1.isSingleShot());
        }
        // The notice stays up for the ringing minute and goes when it ends.
        QCOMPARE(rig.notices, steps.size() > 2 ? (QStringList{"Alarme 1 — 07:30", "closed alarm1"}) : QStringList{});
    }

    // A date line once written follows a new date, here a new zone where it is already Sunday.
    void newZoneMovesClockAndDate()
    {
        WindowRig rig;
        rig.clock.set(QDateTime(QDate(2026, 12, 5), QTime(23, 59, 30), QTimeZone::utc()));
        rig.window->Command2_Click();
        rig.window->tick();
        QCOMPARE(rig.window->Label3->text(), QString("Samstag 5 Dezember 2026"));
        rig.clock.set(rig.clock.now().toTimeZone(QTimeZone("Asia/Tokyo")));
        rig.window->tick();
        QCOMPARE(rig.window->Label1->text(), QString("08:59"));
        QCOMPARE(rig.window->Label3->text(), QString("Sontag 6 Dezember 2026"));
    }

    // A typed box counts at once; closing ALARM SET without Save gives the book back the saved row, which
    // rings, and the saved interval.
    void closingWithoutSaveRevertsTheRow()
    {
        WindowRig rig;
        rig.setAlarm(1, "5 12 2026 7 30");
        rig.book.setField(1, 5, "1");
        QVERIFY(rig.book.save().isEmpty());
        const QString interval = rig.book.interval();
        rig.settings().Text1->setText(QStringLiteral("60"));
        QCOMPARE(rig.book.interval(), QStringLiteral("60"));
        QTest::mouseClick(rig.settings().dateBox(1, 3), Qt::LeftButton); // a click empties the box
        QTest::keyClicks(rig.settings().dateBox(1, 3), "07");
        rig.clock.set(7, 30, 0);
        rig.window->Timer3_Timer();
        QVERIFY(rig.speaker.ids.empty());
        QCOMPARE(rig.window->Command6->toolTip(), QString("Aucune alarme à venir"));
        rig.window->settingsWindow()->close();
        rig.window->Timer3_Timer();
        QCOMPARE(rig.speaker.ids, idList("66"));
        QCOMPARE(rig.book.interval(), interval);
    }
};

QTEST_MAIN(TestHorP)
#include "tst_horp.moc"
