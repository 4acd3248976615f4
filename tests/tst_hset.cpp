// The ALARM SET window: its grid, captions, clicks, saving and its life between two loads.
#include "AlarmFiles.h"
#include "Hset.h"

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString SystemSound = QStringLiteral("C:\\WINDOWS\\MEDIA\\The Microsoft Sound.wav");
using Pick = std::function<QWidget *(const Hset &)>;
using Boxes = QList<QPoint>; // (alarm, column) of date boxes

AlarmRecord record(const QStringList &fields)
{
    AlarmRecord r;
    for (int i = 0; i < AlarmRecord::FieldCount; ++i)
        r.field(i) = fields.value(i);
    return r;
}

// A settings folder with two known files, and dialogs that answer at once and remember what they were asked.
struct Fixture
{
    QTemporaryDir dir;
    HPMOD shared;
    QString answer; // what the file dialog returns; empty is a cancel
    QStringList dialogCalls, warnings;
    AlarmRecords stored;

    Fixture()
    {
        stored.fill(defaultAlarmRecord());
        stored[0] = record({"9", "8", "2000", "9", "5", "0", "0", "1", "Browse"});
        stored[2] = record({"1", "1", "2001", "7", "30", "1", "0", "0", "/home/user/gong.wav"});
        stored[6] = record({"24", "12", "2024", "23", "59", "0", "0", "1", "/home/user/My Sounds/noël.wav"});
        QString why;
        if (!storeAlarmTable(stored, dir.path(), &why) || !storeInterval(QStringLiteral("15"), dir.path(), &why))
            qFatal("cannot prepare the settings folder: %s", qPrintable(why));
    }

    HsetServices services(const QString &configDir = {})
    {
        return {configDir.isEmpty() ? dir.path() : configDir,
                [this](QWidget *, const QString &title, const QString &filter, const QString &initialName) {
                    dialogCalls << title << filter << initialName;
                    return answer;
                },
                [this](QWidget *, const QString &title, const QString &text) { warnings << title + ": " + text; }};
    }

    AlarmRecords tableOnDisk() const
    {
        QFile file(dir.filePath("kalind.dta"));
        file.open(QIODevice::ReadOnly); // a missing file reads as defaults, which no test expects
        return readAlarmTable(file);
    }

    QByteArray bytes(const QString &name) const
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5));
}

// The table as the window's boxes and labels show it.
AlarmRecords shownTable(const Hset &window)
{
    AlarmRecords table;
    for (int alarm = 1; alarm <= 10; ++alarm) {
        for (int i = 0; i < 5; ++i)
            table[alarm - 1].field(i) = window.dateBox(alarm, i)->text();
        for (int option = 0; option < 3; ++option)
            table[alarm - 1].field(5 + option) = window.optionLabel(alarm, option)->text();
        table[alarm - 1].waveFile = window.waveFileLabel(alarm)->text();
    }
    return table;
}
} // namespace

class TestHset : public QObject
{
    Q_OBJECT
private slots:
    void gridStandsWhereDesigned_data()
    {
        QTest::addColumn<Pick>("control");
        QTest::addColumn<QRect>("geometry");

        QTest::newRow("minute box of alarm 2") << Pick([](const Hset &w) { return w.Text4[4]; }) << QRect(240, 125, 41, 19);
        QTest::newRow("ring label of alarm 3")
            << Pick([](const Hset &w) { return w.optionLabel(3, 1); }) << QRect(323, 144, 30, 16);
        QTest::newRow("wave-file label of alarm 10")
            << Pick([](const Hset &w) { return w.waveFileLabel(10); }) << QRect(400, 282, 281, 17);
        QTest::newRow("row number 7") << Pick([](const Hset &w) { return w.Label3[6]; }) << QRect(9, 223, 33, 17);
        QTest::newRow("interval box") << Pick([](const Hset &w) { return w.Text1; }) << QRect(149, 312, 38, 19);
        QTest::newRow("save button") << Pick([](const Hset &w) { return w.Command1; }) << QRect(382, 9, 95, 25);
    }

    void gridStandsWhereDesigned()
    {
        QFETCH(Pick, control);
        QFETCH(QRect, geometry);
        Fixture f;
        Hset window(f.shared, f.services());
        QCOMPARE(window.size(), QSize(687, 336));
        QCOMPARE(control(window)->geometry(), geometry);
    }

    void loadShowsFiles_data()
    {
        QTest::addColumn<bool>("filesExist");
        QTest::newRow("both files") << true;
        QTest::newRow("no settings folder yet") << false;
    }

    void loadShowsFiles()
    {
        QFETCH(bool, filesExist);
        Fixture f;
        const QString configDir = filesExist ? f.dir.path() : f.dir.filePath("fresh");
        AlarmRecords expected = f.stored;
        if (!filesExist)
            expected.fill(defaultAlarmRecord()); // "0" in every box and option, "Browse" as wave file
        Hset window(f.shared, f.services(configDir));
        QCOMPARE(shownTable(window), expected);
        QCOMPARE(window.Text1->text(), filesExist ? QStringLiteral("15") : QStringLiteral("0"));
        QCOMPARE(f.shared.AlarmTable, expected);
        QCOMPARE(QFileInfo::exists(configDir), filesExist); // loading never writes
    }

    void captionsFollowLanguageAtActivation_data()
    {
        QTest::addColumn<int>("language");
        // Label2(1) to Label2(5), Label2(7) to Label2(9), the save button and the interval caption
        QTest::addColumn<QString>("captions");

        QTest::newRow("French") << 0
                                << "Jour|Mois|Année|Heure|Minutes|Sonnerie|Rendez-vous|Fichiers wave personnel|Sauver|"
                                   "Annoncer l'heure toutes les : ";
        QTest::newRow("German") << 1
                                << "Tag|Monat|Jahr|Stunden|Minuten|Klingel|Termin|Persönliche wave dateien|Sichern|"
                                   "Zeitansage alle : ";
        QTest::newRow("English") << 2
                                 << "Day|Month|Year|Hour|Minute|Ring|Meeting|Personnel wave files|Save|"
                                    "Announce time every : ";
    }

    void captionsFollowLanguageAtActivation()
    {
        QFETCH(int, language);
        QFETCH(QString, captions);
        Fixture f;
        f.shared.CurrentLanguage = language == 0 ? 2 : 0; // the window was made in another language
        Hset window(f.shared, f.services());
        f.shared.CurrentLanguage = qint16(language);
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&window, &activate);

        QStringList shown;
        for (int i : {1, 2, 3, 4, 5, 7, 8, 9})
            shown << window.Label2[i]->text();
        shown << window.Command1->text() << window.Label14->text();
        QCOMPARE(shown.join(u'|'), captions);
    }

    void boxClickEmptiesAndRemembersColumn()
    {
        Fixture f;
        Hset window(f.shared, f.services());
        click(window.dateBox(3, 4));
        QCOMPARE(window.dateBox(3, 4)->text(), QString());
        QCOMPARE(f.shared.lastClickedColumn, qint16(4));
        QCOMPARE(window.dateBox(3, 3)->text(), QStringLiteral("7"));

        click(window.Text1);
        QCOMPARE(window.Text1->text(), QString());
        QCOMPARE(f.shared.lastClickedColumn, qint16(4));

        QTest::mouseClick(window.dateBox(1, 2), Qt::MiddleButton, {}, QPoint(5, 5));
        QCOMPARE(window.dateBox(1, 2)->text(), QStringLiteral("2000"));
        QCOMPARE(f.shared.lastClickedColumn, qint16(4));
    }

    void saveFillsLastClickedColumn_data()
    {
        QTest::addColumn<QPoint>("clicked");
        QTest::addColumn<Boxes>("emptied"); // emptied by typing, not clicking
        QTest::addColumn<Boxes>("zeroed");  // saved as "0"
        QTest::addColumn<Boxes>("blank");   // saved empty

        QTest::newRow("month of alarm 2 clicked, hour of alarm 4 left empty")
            << QPoint(2, 1) << Boxes{{4, 3}, {9, 1}} << Boxes{{2, 1}, {9, 1}} << Boxes{{4, 3}};
        QTest::newRow("minute of alarm 10 clicked, other columns stay empty")
            << QPoint(10, 4) << Boxes{{1, 0}, {5, 2}, {6, 4}} << Boxes{{10, 4}, {6, 4}} << Boxes{{1, 0}, {5, 2}};
    }

    // The interval box is emptied too: an empty interval is saved as "0".
    void saveFillsLastClickedColumn()
    {
        QFETCH(QPoint, clicked);
        QFETCH(Boxes, emptied);
        QFETCH(Boxes, zeroed);
        QFETCH(Boxes, blank);
        Fixture f;
        QPointer<Hset> window = new Hset(f.shared, f.services());
        window->show();
        for (const QPoint &box : emptied)
            window->dateBox(box.x(), box.y())->clear();
        click(window->Text1);
        click(window->dateBox(clicked.x(), clicked.y()));
        click(window->Command1);

        const AlarmRecords onDisk = f.tableOnDisk();
        for (const QPoint &box : zeroed)
            QCOMPARE(onDisk[box.x() - 1].field(box.y()), QStringLiteral("0"));
        for (const QPoint &box : blank)
            QCOMPARE(onDisk[box.x() - 1].field(box.y()), QString());
        QCOMPARE(onDisk, f.shared.AlarmTable);
        QCOMPARE(f.bytes("saytime.dta"), QByteArray("0\r\n"));
        QTRY_VERIFY(window.isNull());
    }

    // Only the clicked row's sound fields change on disk; box edits not yet saved stay unsaved.
    void ringClickStoresAtOnce()
    {
        Fixture f;
        Hset window(f.shared, f.services());
        window.dateBox(3, 0)->setText(QStringLiteral("28"));
        window.dateBox(5, 2)->setText(QStringLiteral("1999"));
        click(window.Label13);

        const QStringList shown{window.Label12->text(), window.Label13->text(), window.Label23->text(),
                                window.Label24->text()};
        QCOMPARE(shown, (QStringList{"0", "1", "0", "Browse"}));
        AlarmRecords expected = f.stored;
        expected[2] = record({"1", "1", "2001", "7", "30", "0", "1", "0", "Browse"});
        QCOMPARE(f.tableOnDisk(), expected);
        QCOMPARE(f.shared.AlarmTable, expected);
        QCOMPARE(f.bytes("saytime.dta"), QByteArray("15\r\n"));
    }

    void waveFileClick()
    {
        Fixture f;
        Hset window(f.shared, f.services());
        click(window.Label40); // cancelled
        QCOMPARE(f.dialogCalls, (QStringList{"Ouvrir un fichier Wave", "Fichiers Son (*.WAV) (*.wav *.WAV)", SystemSound}));
        const QStringList shown{window.Label37->text(), window.Label38->text(), window.Label39->text(),
                                window.Label40->text()};
        QCOMPARE(shown, (QStringList{"0", "0", "0", SystemSound}));
        AlarmRecords expected = f.stored;
        expected[6].meeting = QStringLiteral("0");
        expected[6].waveFile = SystemSound;
        QCOMPARE(f.tableOnDisk(), expected);

        f.answer = QStringLiteral("/home/user/My Sounds/réveil matin.wav");
        click(window.Label40);
        QCOMPARE(window.Label40->text(), f.answer);
        expected[6].waveFile = f.answer;
        QCOMPARE(f.tableOnDisk(), expected);
    }

    // A folder that cannot be made: the save keeps the window and its edits, and a sound click
    // keeps its caption; each tells the user once.
    void failedStoresAreReported()
    {
        Fixture f;
        QFile blocker(f.dir.filePath("not a folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        f.shared.CurrentLanguage = German;
        QPointer<Hset> window = new Hset(f.shared, f.services(f.dir.filePath("not a folder/kalindor")));
        window->show();
        window->dateBox(2, 2)->setText(QStringLiteral("2031"));
        window->Text1->setText(QStringLiteral("30"));
        window->Command1_Click();

        QCOMPARE(f.warnings.size(), 1);
        QVERIFY2(f.warnings[0].contains("Die Einstellungen konnten nicht gespeichert werden.")
                     && f.warnings[0].contains("kalind.dta"),
                 qPrintable(f.warnings[0]));
        QTest::qWait(50);
        QVERIFY(!window.isNull() && window->isVisible());
        QCOMPARE(window->dateBox(2, 2)->text(), QStringLiteral("2031"));
        QCOMPARE(window->Text1->text(), QStringLiteral("30"));

        click(window->Label13);
        QCOMPARE(window->Label13->text(), QStringLiteral("1"));
        QCOMPARE(f.warnings.size(), 2);
        delete window;
    }

    void closeDiscardsEditsAndReopenReadsFiles()
    {
        Fixture f;
        QPointer<Hset> window = new Hset(f.shared, f.services());
        window->show();
        window->dateBox(1, 0)->setText(QStringLiteral("31"));
        window->Text1->setText(QStringLiteral("60"));
        click(window->Label8); // the gong of alarm 2 is written at once
        window->close();
        QTRY_VERIFY(window.isNull());

        Hset again(f.shared, f.services());
        AlarmRecords expected = f.stored;
        expected[1].gong = QStringLiteral("1");
        QCOMPARE(shownTable(again), expected);
        QCOMPARE(again.Text1->text(), QStringLiteral("15"));
    }
};

QTEST_MAIN(TestHset)
#include "tst_hset.moc"
