// The ALARM SET window on the alarm book: captions, clicks, saving and its life between two openings.
#include "FileProblemTexts.h"
#include "Hset.h"
#include "Rows.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {
// A settings folder with two known files, and dialogs that answer at once and remember what they were asked.
struct Fixture
{
    QTemporaryDir dir;
    AlarmBook book{dir.path()};
    HPMOD shared;
    qint16 lastClickedColumn = 0;
    QString answer; // what the file dialog returns; empty is a cancel
    QStringList dialogCalls, warnings, asked;
    QMessageBox::StandardButton askAnswer = QMessageBox::Discard; // what closing with edits not saved answers
    AlarmRecords stored;

    Fixture()
    {
        stored.fill(defaultAlarmRecord());
        stored[2] = AlarmRecord{"1", "1", "2001", "7", "30", "1", "0", "0", "/home/user/gong.wav"};
        stored[6] = AlarmRecord{"24", "12", "2024", "23", "59", "0", "0", "1", dir.filePath("My Sounds/noël.wav")};
        if (storeAlarmTable(stored, dir.path(), {}) || storeInterval(QStringLiteral("15"), dir.path(), {}))
            qFatal("cannot prepare the settings folder");
        book.load();
    }
    HsetServices services()
    {
        return {[this](QWidget *, const QString &title, const QString &filter, const QString &folder) {
                    dialogCalls << title << filter << folder;
                    return answer;
                },
                [this](QWidget *, const QString &title, const QString &text) { warnings << title + ": " + text; },
                {}, {},
                [this](QWidget *, const QString &question) { asked << question; return askAnswer; }};
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

void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5)); }

// Root reads every file; without these two capabilities (of this thread) it meets permissions as anyone does.
void obeyFilePermissions()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    syscall(SYS_capget, &header, data);
    data[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    syscall(SYS_capset, &header, data);
}
} // namespace

class TestHset : public QObject
{
    Q_OBJECT
private slots:
    // Only the last clicked column is filled with "0"; the interval box is emptied too and saved as "0".
    void saveFillsLastClickedColumn()
    {
        Fixture f;
        QPointer<Hset> window = new Hset(f.shared, f.book, f.lastClickedColumn, f.services());
        window->show();
        window->dateBox(4, 3)->clear(); // typed empty, so not clicked: stays empty, being in another column
        window->dateBox(9, 1)->clear();
        click(window->dateBox(2, 1));
        click(window->Text1); // a click empties a box; the interval box is not a column
        QCOMPARE(window->dateBox(2, 1)->text() + window->Text1->text(), QString());
        QCOMPARE(f.lastClickedColumn, qint16(1));
        click(window->Command1);

        AlarmRecords expected = f.stored;
        expected[3].hour.clear();
        expected[1].month = expected[8].month = QStringLiteral("0");
        QCOMPARE(f.tableOnDisk(), expected);
        QCOMPARE(f.book.savedRows(), expected);
        QCOMPARE(f.bytes("saytime.dta"), QByteArray("0\r\n"));
        QTRY_VERIFY(window.isNull());
    }

    // A sound cell's click stores its row's sound fields at once, and only those: box edits stay unsaved.
    // The wave-file dialog opens where the row's file is; a cancel there changes nothing, on screen or on disk.
    void soundClicksStoreAtOnce()
    {
        Fixture f;
        Hset window(f.shared, f.book, f.lastClickedColumn, f.services());
        QVERIFY(QDir(f.dir.path()).mkdir("My Sounds"));
        window.dateBox(3, 0)->setText(QStringLiteral("28"));
        window.dateBox(5, 2)->setText(QStringLiteral("1999"));
        click(window.optionLabel(3, 1));
        const QByteArray beforeCancel = f.bytes("kalind.dta");
        click(window.waveFileLabel(7)); // cancelled
        QCOMPARE(f.dialogCalls, (QStringList{"Ouvrir un fichier Wave", "Fichiers Son (*.WAV) (*.wav *.WAV);;Fichiers audio "
                                             "(*.wav *.WAV *.mp3 *.MP3 *.ogg *.OGG *.oga *.OGA *.flac *.FLAC *.opus *.OPUS);;"
                                             "Tous les fichiers (*)", f.dir.filePath("My Sounds")}));
        QStringList shown;
        for (int alarm : {3, 7}) {
            for (int option = 0; option < 3; ++option)
                shown << window.optionLabel(alarm, option)->text();
            shown << window.waveFileLabel(alarm)->text();
        }
        QCOMPARE(shown, (QStringList{"0", "1", "0", "Browse", "0", "0", "1", f.stored[6].waveFile}));
        QCOMPARE(f.bytes("kalind.dta"), beforeCancel);
        AlarmRecords expected = f.stored;
        expected[2] = AlarmRecord{"1", "1", "2001", "7", "30", "0", "1", "0", "Browse"};
        QCOMPARE(f.book.savedRows(), expected);
        QCOMPARE(f.bytes("saytime.dta"), QByteArray("15\r\n"));

        f.answer = QStringLiteral("/home/user/My Sounds/réveil matin.wav");
        click(window.waveFileLabel(7));
        QCOMPARE(window.optionLabel(7, 2)->text() + window.waveFileLabel(7)->text(), "0" + f.answer);
        expected[6].meeting = QStringLiteral("0");
        expected[6].waveFile = f.answer;
        QCOMPARE(f.tableOnDisk(), expected);
    }

    // Typed boxes go to the book as they are, and what cannot be valid is said beside them and to screen
    // readers; closing without Save takes them back.
    void soundBoxes_data() { addRows("hset_sound", {"boxes", "language", "quietState", "loudnessState", "comesTo"}); }
    void soundBoxes()
    {
        Fixture f;
        f.shared.CurrentLanguage = Language(cell("language").toInt());
        QPointer<Hset> window = new Hset(f.shared, f.book, f.lastClickedColumn, f.services());
        const QStringList typed = cell("boxes").split(u'|');
        QLineEdit *boxes[] = {window->quietFrom, window->quietTo, window->level, window->rise, window->snooze};
        for (int i = 0; i < 5; ++i)
            boxes[i]->setText(typed[i]);
        if (typed.value(5) == u'1')
            QTest::mouseClick(window->keepRinging, Qt::LeftButton, {}, QPoint(6, window->keepRinging->height() / 2));
        QCOMPARE(window->quietState->toolTip(), cell("quietState"));
        QCOMPARE(window->loudnessState->toolTip(), cell("loudnessState"));
        QVERIFY(window->rise->accessibleDescription().startsWith(cell("loudnessState"))
                || window->snooze->accessibleDescription().startsWith(cell("loudnessState")));
        const QuietHours quiet = f.book.quietHours();
        const AlarmLoudness loudness = f.book.loudness();
        QCOMPARE(QStringLiteral("%1 %2 % %3 s").arg(quiet.none() ? "none" : QStringLiteral("%1-%2").arg(quiet.from).arg(quiet.to))
                     .arg(loudness.percent).arg(loudness.riseSeconds) + QStringLiteral(" %1 min").arg(snoozeMinutesOf(f.book.soundSettings()))
                     + (keepsRinging(f.book.soundSettings()) ? " rings on" : ""),
                 cell("comesTo"));
        f.askAnswer = QMessageBox::Cancel; // the defaults typed change nothing: nothing to ask
        QCOMPARE(window->close(), cell("boxes") == "||||");
        f.askAnswer = QMessageBox::Discard;
        window->close();
        QCOMPARE(f.book.soundSettings(), SoundSettings());
        QCOMPARE(f.asked.size(), cell("boxes") == "||||" ? 0 : 2);
    }

    // A name is kept only when it fits; otherwise the row says why, to the eye and to screen readers.
    void names_data() { addRows("hset_names", {"typed", "language", "state", "called", "file"}); }
    void names()
    {
        Fixture f;
        f.shared.CurrentLanguage = Language(cell("language").toInt());
        QPointer<Hset> window = new Hset(f.shared, f.book, f.lastClickedColumn, f.services());
        window->rows[3].name->setText(cell("typed"));
        QCOMPARE(f.book.name(4), cell("called"));
        QCOMPARE(window->rows[3].state->toolTip(), cell("state"));
        QCOMPARE(window->rows[3].name->accessibleDescription(), cell("state"));
        window->Command1_Click();
        QCOMPARE(QString::fromUtf8(f.bytes("names.dta")), cell("file"));
        QVERIFY((new Hset(f.shared, f.book, f.lastClickedColumn, f.services()))->close() && f.asked.isEmpty()); // nothing to save
    }

    // An alarm table that exists but cannot be read loads as defaults, once told; no sound click or Save
    // overwrites it (each says so), the Save keeps the window and its edits, the interval is saved.
    void unreadableTableIsKept()
    {
        Fixture f;
        const QString path = f.dir.filePath("kalind.dta");
        const QByteArray before = f.bytes("kalind.dta");
        QVERIFY(QFile::setPermissions(path, {}));
        obeyFilePermissions();
        f.shared.CurrentLanguage = German;
        const QString unread = loadFailureText(f.book.load(), German);
        QVERIFY2(unread.contains("kann nicht gelesen werden") && unread.contains(path + ": Zugriff verweigert"), qPrintable(unread));
        QVERIFY(f.book.load().isEmpty());
        QPointer<Hset> window = new Hset(f.shared, f.book, f.lastClickedColumn, f.services());
        window->show();
        QCOMPARE(f.book.row(3), defaultAlarmRecord());
        click(window->optionLabel(3, 1));
        window->dateBox(2, 2)->setText(QStringLiteral("2031"));
        window->Text1->setText(QStringLiteral("30"));
        window->Command1_Click();

        QCOMPARE(f.warnings.size(), 2);
        QCOMPARE(f.warnings.join(u'|').count("nicht gespeichert werden.\n\n" + path + ": beim Laden unlesbar"), 2);
        QVERIFY(window->isVisible());
        QCOMPARE(window->dateBox(2, 2)->text(), QStringLiteral("2031"));
        f.askAnswer = QMessageBox::Save; // and fails again, so the edits stay
        QVERIFY(!window->close() && f.warnings.size() == 3 && f.asked.size() == 1);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(f.bytes("kalind.dta"), before);
        QCOMPARE(f.bytes("saytime.dta"), QByteArray("30\r\n"));
        delete window;
    }
};

QTEST_MAIN(TestHset)
#include "tst_hset.moc"
