// The ALARM SET window: its grid, captions, clicks, saving and its life between two loads.
#include "AlarmFiles.h"
#include "Hset.h"

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

char *toString(const AlarmRecord &record)
{
    QStringList fields;
    for (int i = 0; i < AlarmRecord::FieldCount; ++i)
        fields << '"' + record.field(i) + '"';
    return QTest::toString(fields.join(u' '));
}

namespace {
const QString SystemSound = QStringLiteral("C:\\WINDOWS\\MEDIA\\The Microsoft Sound.wav");

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
    QStringList dialogCalls;
    QStringList warnings;
    AlarmRecords stored;

    Fixture()
    {
        stored.fill(defaultAlarmRecord());
        stored[0] = record({"9", "8", "2000", "9", "5", "0", "0", "1", "Browse"});
        stored[2] = record({"1", "1", "2001", "7", "30", "1", "0", "0", "Browse"});
        stored[6] = record({"24", "12", "2024", "23", "59", "0", "0", "0", "/home/user/My Sounds/noël.wav"});
        QString why;
        if (!storeAlarmTable(stored, dir.path(), &why) || !storeInterval(QStringLiteral("15"), dir.path(), &why))
            qFatal("cannot prepare the settings folder: %s", qPrintable(why));
    }

    HsetServices services(const QString &configDir = {})
    {
        HsetServices s;
        s.configDir = configDir.isEmpty() ? dir.path() : configDir;
        s.openFile = [this](QWidget *, const QString &title, const QString &filter, const QString &initialName) {
            dialogCalls << title << filter << initialName;
            return answer;
        };
        s.warn = [this](QWidget *, const QString &title, const QString &text) { warnings << title + ": " + text; };
        return s;
    }

    AlarmRecords tableOnDisk() const
    {
        QFile file(dir.filePath("kalind.dta"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("kalind.dta is missing");
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
} // namespace

class TestHset : public QObject
{
    Q_OBJECT
private slots:
    void gridStandsWhereDesigned_data();
    void gridStandsWhereDesigned();
    void loadShowsFiles();
    void loadWithoutFilesShowsDefaults();
    void headingsFollowLanguageAtActivation_data();
    void headingsFollowLanguageAtActivation();
    void boxClickEmptiesAndRemembersColumn();
    void saveFillsLastClickedColumn_data();
    void saveFillsLastClickedColumn();
    void saveWritesBothFilesAndCloses();
    void optionClickStoresAtOnce_data();
    void optionClickStoresAtOnce();
    void waveFileClick_data();
    void waveFileClick();
    void failedSaveKeepsWindowAndEdits();
    void failedOptionStoreIsReported();
    void closeDiscardsEditsAndReopenReadsFiles();
};

void TestHset::gridStandsWhereDesigned_data()
{
    QTest::addColumn<int>("alarm");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("labels"); // the row's gong, ring, meeting and wave-file labels by name

    const QStringList names = {"4 5 6 7",     "8 9 10 11",    "12 13 23 24",  "25 26 27 28",  "29 30 31 32",
                               "33 34 35 36", "37 38 39 40",  "41 42 43 44",  "45 46 47 48",  "49 50 51 52"};
    const int tops[] = {105, 125, 144, 164, 184, 203, 223, 243, 262, 282};
    for (int k = 0; k < 10; ++k)
        QTest::addRow("alarm %d", k + 1) << k + 1 << tops[k] << names[k];
}

void TestHset::gridStandsWhereDesigned()
{
    QFETCH(int, alarm);
    QFETCH(int, top);
    QFETCH(QString, labels);

    Fixture f;
    Hset window(f.shared, f.services());
    QCOMPARE(window.size(), QSize(687, 336));
    QCOMPARE(window.windowTitle(), QStringLiteral("ALARM SET"));

    QCOMPARE(window.Label3[alarm - 1]->geometry(), QRect(9, top, 33, 17));
    QCOMPARE(window.Label3[alarm - 1]->text(), QString::number(alarm));
    const int boxLefts[] = {59, 103, 148, 194, 240};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(window.dateBox(alarm, i)->geometry(), QRect(boxLefts[i], top, 41, 19));

    const Hset &w = window;
    const std::map<QString, ClickableLabel *> byName = {
        {"4", w.Label4},   {"5", w.Label5},   {"6", w.Label6},   {"7", w.Label7},   {"8", w.Label8},
        {"9", w.Label9},   {"10", w.Label10}, {"11", w.Label11}, {"12", w.Label12}, {"13", w.Label13},
        {"23", w.Label23}, {"24", w.Label24}, {"25", w.Label25}, {"26", w.Label26}, {"27", w.Label27},
        {"28", w.Label28}, {"29", w.Label29}, {"30", w.Label30}, {"31", w.Label31}, {"32", w.Label32},
        {"33", w.Label33}, {"34", w.Label34}, {"35", w.Label35}, {"36", w.Label36}, {"37", w.Label37},
        {"38", w.Label38}, {"39", w.Label39}, {"40", w.Label40}, {"41", w.Label41}, {"42", w.Label42},
        {"43", w.Label43}, {"44", w.Label44}, {"45", w.Label45}, {"46", w.Label46}, {"47", w.Label47},
        {"48", w.Label48}, {"49", w.Label49}, {"50", w.Label50}, {"51", w.Label51}, {"52", w.Label52},
    };
    const QStringList row = labels.split(u' ');
    const QRect expected[] = {{286, top, 30, 16}, {323, top, 30, 16}, {361, top, 30, 16}, {400, top, 281, 17}};
    for (int option = 0; option < 3; ++option) {
        QCOMPARE(window.optionLabel(alarm, option), byName.at(row[option]));
        QCOMPARE(window.optionLabel(alarm, option)->geometry(), expected[option]);
    }
    QCOMPARE(window.waveFileLabel(alarm), byName.at(row[3]));
    QCOMPARE(window.waveFileLabel(alarm)->geometry(), expected[3]);
}

void TestHset::loadShowsFiles()
{
    Fixture f;
    Hset window(f.shared, f.services());
    for (int alarm = 1; alarm <= 10; ++alarm) {
        const AlarmRecord &r = f.stored[alarm - 1];
        for (int i = 0; i < 5; ++i)
            QCOMPARE(window.dateBox(alarm, i)->text(), r.field(i));
        for (int option = 0; option < 3; ++option)
            QCOMPARE(window.optionLabel(alarm, option)->text(), r.field(5 + option));
        QCOMPARE(window.waveFileLabel(alarm)->text(), r.waveFile);
    }
    QCOMPARE(window.Text1->text(), QStringLiteral("15"));
    QCOMPARE(f.shared.AlarmTable, f.stored);
    QCOMPARE(f.shared.announceInterval, QStringLiteral("15"));
}

void TestHset::loadWithoutFilesShowsDefaults()
{
    Fixture f;
    const QString empty = f.dir.filePath("fresh");
    Hset window(f.shared, f.services(empty));
    for (int alarm = 1; alarm <= 10; ++alarm) {
        for (int i = 0; i < 5; ++i)
            QCOMPARE(window.dateBox(alarm, i)->text(), QStringLiteral("0"));
        QCOMPARE(window.optionLabel(alarm, 1)->text(), QStringLiteral("0"));
        QCOMPARE(window.waveFileLabel(alarm)->text(), QStringLiteral("Browse"));
    }
    QCOMPARE(window.Text1->text(), QStringLiteral("0"));
    QVERIFY(!QFileInfo::exists(empty));
}

void TestHset::headingsFollowLanguageAtActivation_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("headings"); // Label2(1) to Label2(5), then Label2(7) to Label2(9)
    QTest::addColumn<QString>("save");
    QTest::addColumn<QString>("intervalCaption");

    QTest::newRow("French") << 0
                            << QStringList{"Jour", "Mois", "Année", "Heure", "Minutes", "Sonnerie", "Rendez-vous",
                                           "Fichiers wave personnel"}
                            << "Sauver" << "Annoncer l'heure toutes les : ";
    QTest::newRow("German") << 1
                            << QStringList{"Tag", "Monat", "Jahr", "Stunden", "Minuten", "Klingel", "Termin",
                                           "Persönliche wave dateien"}
                            << "Sichern" << "Zeitansage alle : ";
    QTest::newRow("English") << 2
                             << QStringList{"Day", "Month", "Year", "Hour", "Minute", "Ring", "Meeting",
                                            "Personnel wave files"}
                             << "Save" << "Announce time every : ";
}

void TestHset::headingsFollowLanguageAtActivation()
{
    QFETCH(int, language);
    QFETCH(QStringList, headings);
    QFETCH(QString, save);
    QFETCH(QString, intervalCaption);

    Fixture f;
    f.shared.CurrentLanguage = language == 0 ? 2 : 0; // the window was made in another language
    Hset window(f.shared, f.services());
    f.shared.CurrentLanguage = qint16(language);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&window, &activate);

    QStringList shown;
    for (int i : {1, 2, 3, 4, 5, 7, 8, 9})
        shown << window.Label2[i]->text();
    QCOMPARE(shown, headings);
    QCOMPARE(window.Label2[0]->text(), QStringLiteral("N° Set"));
    QCOMPARE(window.Label2[6]->text(), QStringLiteral("Gong"));
    QCOMPARE(window.Command1->text(), save);
    QCOMPARE(window.Label14->text(), intervalCaption);
    QVERIFY(window.Label15->text().endsWith("ex: 0 - 1 - 5 - 10 - 15 - 30 - 60"));
    QCOMPARE(window.windowTitle(), QStringLiteral("ALARM SET"));
    QVERIFY(window.Label1->text().startsWith("Ex :"));
}

void TestHset::boxClickEmptiesAndRemembersColumn()
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

void TestHset::saveFillsLastClickedColumn_data()
{
    QTest::addColumn<int>("clickedAlarm");
    QTest::addColumn<int>("clickedColumn");
    QTest::addColumn<QList<QPoint>>("emptied"); // (alarm, column) boxes emptied by typing, not clicking
    QTest::addColumn<QList<QPoint>>("zeroed");  // boxes that must be saved as "0"
    QTest::addColumn<QList<QPoint>>("blank");   // boxes that must be saved empty

    QTest::newRow("clicked day box is saved as 0")
        << 1 << 0 << QList<QPoint>{} << QList<QPoint>{{1, 0}} << QList<QPoint>{};
    QTest::newRow("month of alarm 2 clicked, hour of alarm 4 left empty")
        << 2 << 1 << QList<QPoint>{{4, 3}, {9, 1}} << QList<QPoint>{{2, 1}, {9, 1}} << QList<QPoint>{{4, 3}};
    QTest::newRow("minute of alarm 10 clicked, other columns stay empty")
        << 10 << 4 << QList<QPoint>{{1, 0}, {5, 2}, {6, 4}} << QList<QPoint>{{10, 4}, {6, 4}}
        << QList<QPoint>{{1, 0}, {5, 2}};
}

void TestHset::saveFillsLastClickedColumn()
{
    QFETCH(int, clickedAlarm);
    QFETCH(int, clickedColumn);
    QFETCH(QList<QPoint>, emptied);
    QFETCH(QList<QPoint>, zeroed);
    QFETCH(QList<QPoint>, blank);

    Fixture f;
    QPointer<Hset> window = new Hset(f.shared, f.services());
    for (const QPoint &box : emptied)
        window->dateBox(box.x(), box.y())->clear();
    click(window->dateBox(clickedAlarm, clickedColumn));
    window->Command1_Click();

    const AlarmRecords onDisk = f.tableOnDisk();
    for (const QPoint &box : zeroed)
        QCOMPARE(onDisk[box.x() - 1].field(box.y()), QStringLiteral("0"));
    for (const QPoint &box : blank)
        QCOMPARE(onDisk[box.x() - 1].field(box.y()), QString());
    QCOMPARE(onDisk, f.shared.AlarmTable);
    QVERIFY(f.warnings.isEmpty());
    QTRY_VERIFY(window.isNull());
}

void TestHset::saveWritesBothFilesAndCloses()
{
    Fixture f;
    QPointer<Hset> window = new Hset(f.shared, f.services());
    window->show();
    click(window->Text1);
    window->dateBox(5, 0)->setText(QStringLiteral("14"));
    window->dateBox(5, 3)->setText(QStringLiteral("6 h"));
    click(window->Command1);

    QCOMPARE(f.bytes("saytime.dta"), QByteArray("0\r\n"));
    QCOMPARE(f.shared.announceInterval, QStringLiteral("0"));
    const AlarmRecords onDisk = f.tableOnDisk();
    QCOMPARE(onDisk[4].day, QStringLiteral("14"));
    QCOMPARE(onDisk[4].hour, QStringLiteral("6 h"));
    QCOMPARE(onDisk[6], f.stored[6]);
    QTRY_VERIFY(window.isNull());
}

void TestHset::optionClickStoresAtOnce_data()
{
    QTest::addColumn<int>("alarm");
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("captions"); // gong, ring, meeting, wave file

    QTest::newRow("ring of alarm 3") << 3 << 1 << QStringList{"0", "1", "0", "Browse"};
    QTest::newRow("gong of alarm 1 over meeting") << 1 << 0 << QStringList{"1", "0", "0", "Browse"};
    QTest::newRow("meeting of alarm 7 over a wave file") << 7 << 2 << QStringList{"0", "0", "1", "Browse"};
    QTest::newRow("gong of alarm 10") << 10 << 0 << QStringList{"1", "0", "0", "Browse"};
}

void TestHset::optionClickStoresAtOnce()
{
    QFETCH(int, alarm);
    QFETCH(int, option);
    QFETCH(QStringList, captions);

    Fixture f;
    Hset window(f.shared, f.services());
    window.dateBox(alarm, 0)->setText(QStringLiteral("28"));   // unsaved edit in the same row
    window.dateBox(alarm % 10 + 1, 2)->setText(QStringLiteral("1999")); // and in another row
    click(window.optionLabel(alarm, option));

    QStringList shown;
    for (int c = 0; c < 3; ++c)
        shown << window.optionLabel(alarm, c)->text();
    shown << window.waveFileLabel(alarm)->text();
    QCOMPARE(shown, captions);

    AlarmRecords expected = f.stored;
    for (int c = 0; c < 4; ++c)
        expected[alarm - 1].field(5 + c) = captions[c];
    QCOMPARE(f.tableOnDisk(), expected);
    QCOMPARE(f.shared.AlarmTable, expected);
    QCOMPARE(f.bytes("saytime.dta"), QByteArray("15\r\n"));
}

void TestHset::waveFileClick_data()
{
    QTest::addColumn<int>("alarm");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("shown");

    QTest::newRow("alarm 7 cancelled") << 7 << QString() << SystemSound;
    QTest::newRow("alarm 3 path with spaces") << 3 << "/home/user/My Sounds/réveil matin.wav"
                                              << "/home/user/My Sounds/réveil matin.wav";
    QTest::newRow("alarm 1 upper-case name") << 1 << "/media/GONG.WAV" << "/media/GONG.WAV";
}

void TestHset::waveFileClick()
{
    QFETCH(int, alarm);
    QFETCH(QString, answer);
    QFETCH(QString, shown);

    Fixture f;
    f.answer = answer;
    Hset window(f.shared, f.services());
    click(window.waveFileLabel(alarm));

    QCOMPARE(f.dialogCalls, (QStringList{"Ouvrir un fichier Wave", "Fichiers Son (*.WAV) (*.wav *.WAV)", SystemSound}));
    QCOMPARE(window.waveFileLabel(alarm)->text(), shown);
    for (int option = 0; option < 3; ++option)
        QCOMPARE(window.optionLabel(alarm, option)->text(), QStringLiteral("0"));
    if (alarm == 7)
        QCOMPARE(window.Label40->text(), SystemSound);

    AlarmRecords expected = f.stored;
    expected[alarm - 1].gong = expected[alarm - 1].ring = expected[alarm - 1].meeting = QStringLiteral("0");
    expected[alarm - 1].waveFile = shown;
    QCOMPARE(f.tableOnDisk(), expected);
}

void TestHset::failedSaveKeepsWindowAndEdits()
{
    Fixture f;
    QFile blocker(f.dir.filePath("not a folder"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    f.shared.CurrentLanguage = English;
    QPointer<Hset> window = new Hset(f.shared, f.services(f.dir.filePath("not a folder/kalindor")));
    window->show();
    window->dateBox(2, 2)->setText(QStringLiteral("2031"));
    window->Text1->setText(QStringLiteral("30"));
    window->Command1_Click();

    QCOMPARE(f.warnings.size(), 1);
    QVERIFY2(f.warnings[0].contains("The settings could not be saved.") && f.warnings[0].contains("kalind.dta"),
             qPrintable(f.warnings[0]));
    QTest::qWait(50);
    QVERIFY(!window.isNull());
    QVERIFY(window->isVisible());
    QCOMPARE(window->dateBox(2, 2)->text(), QStringLiteral("2031"));
    QCOMPARE(window->Text1->text(), QStringLiteral("30"));
    delete window;
}

void TestHset::failedOptionStoreIsReported()
{
    Fixture f;
    QFile blocker(f.dir.filePath("not a folder"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    f.shared.CurrentLanguage = German;
    Hset window(f.shared, f.services(f.dir.filePath("not a folder")));
    click(window.Label13);

    QCOMPARE(window.Label13->text(), QStringLiteral("1"));
    QCOMPARE(f.shared.AlarmTable[2].ring, QStringLiteral("1"));
    QCOMPARE(f.warnings.size(), 1);
    QVERIFY2(f.warnings[0].contains("Die Einstellungen konnten nicht gespeichert werden."), qPrintable(f.warnings[0]));
}

void TestHset::closeDiscardsEditsAndReopenReadsFiles()
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
    QCOMPARE(again.dateBox(1, 0)->text(), QStringLiteral("9"));
    QCOMPARE(again.Text1->text(), QStringLiteral("15"));
    QCOMPARE(again.Label8->text(), QStringLiteral("1"));
    QCOMPARE(f.bytes("saytime.dta"), QByteArray("15\r\n"));
}

QTEST_MAIN(TestHset)
#include "tst_hset.moc"
