// What the main window shows of the clock engine (the texts, the glyph rows, the date line, the exit
// button's language) and what it hands it: the keyboard, the buttons, ALARM SET, exit.
#include "Rows.h"
#include "WindowRig.h"

#include <QTest>

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
        const auto framed = [&] { // the clock display's margin, where its focus frame lies
            return rig.window->grab().toImage().pixelColor(rig.window->clockStop->pos() + QPoint(1, 20))
                   == rig.window->clockStop->palette().color(QPalette::Highlight);
        };
        rig.window->clockStop->setFocus();
        QVERIFY(framed());
        rig.window->Command1->setFocus();
        QVERIFY(!framed());
        rig.engine->Timer3_Timer();
        QVERIFY(!rig.window->settingsWindow());
        QCOMPARE(QApplication::focusWidget(), rig.window->Command1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(rig.speaker.ids, idList("17 35 30 19")); // 07:29

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
        // With alarms that ring on, closing hides the window and says once where Kalindor went; the
        // tray's Quit, the exit button and Ctrl+Q end it.
        QVERIFY(!rig.window->tray->isUp());
        SoundSettings ringOn = rig.book.soundSettings();
        ringOn.keepRinging = QStringLiteral("1");
        rig.book.setSoundSettings(ringOn);
        for (int i = 0; i < 2; ++i) {
            rig.window->show();
            rig.window->close();
            QVERIFY(rig.window->isHidden());
        }
        QCOMPARE(rig.exits, 0);
        QCOMPARE(rig.notices.filter("Kalindor continue"), QStringList{"Kalindor continue"});
        QVERIFY(rig.window->tray->isUp());
        rig.window->tray->show->trigger();
        QVERIFY(rig.window->isVisible());
        rig.window->tray->quit->trigger();
        QCOMPARE(rig.exits, 1);
        rig.window->show();
        rig.window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), rig.window.get());
        QTest::keyClick(rig.window.get(), Qt::Key_Q, Qt::ControlModifier);
        rig.window->Command7->click();
        rig.window->close();
        QCOMPARE(rig.exits, 4);
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
        QCOMPARE(rig.engine->shared().MinuteCell, at.minute());
    }

    // A flag turns the exit button and the date line to its language. While a sound plays the clock
    // texts keep their minute and the glyph rows go on with the time.
    void flagsAndRows()
    {
        WindowRig rig(QDateTime(QDate(2000, 1, 5), QTime(9, 59, 58)));
        QStringList shown;
        for (QPushButton *flag : {rig.window->Command1, rig.window->Command2, rig.window->Command3}) {
            flag->click();
            shown << rig.window->Command7->text() + u' ' + rig.window->Label3->text();
        }
        QCOMPARE(shown, (QStringList{"FIN Mercredi 5 Janvier 2000", "ENDE Mittwoch 5 Januar 2000",
                                     "END Wednesday January 5  2000"}));
        rig.engine->tick();
        rig.speaker.sounding(true);
        rig.clock.set(10, 0, 1);
        rig.engine->tick();
        QCOMPARE(rig.window->Label1->text() + u' ' + rig.window->Label4->text(), QString("09:59 01"));
        QCOMPARE(glyphsOf(rig.window->Image2), idList("1 0 13 0 0"));
        QCOMPARE(glyphsOf(rig.window->Image4), idList("1 0 13 0 0 14 10 11"));
    }

};

QTEST_MAIN(TestHorP)
#include "tst_horp.moc"
