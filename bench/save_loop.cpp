// The Save of the ALARM SET window, over and over, for bench/save_kill_loop.sh to kill at random moments.
//   save_loop DIR           saves two whole settings (A and B, by turns) into DIR until killed
//   save_loop --start DIR   does to DIR what a start of Kalindor does, then prints what the files hold:
//                           "table A|B|torn|missing interval A|B|torn|missing"
#include "AlarmFiles.h"
#include "Hset.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>

#include <cstdio>

namespace {
struct Settings
{
    AlarmRecords table;
    QString interval;
};

Settings settings(int which)
{
    Settings s;
    for (int k = 0; k < 10; ++k) {
        const QString n = QString::number(which * 10 + k + 1);
        s.table[k] = AlarmRecord{n, QString::number(k + 1), QStringLiteral("2026"), QString::number(which + 6), n,
                                 QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                 QStringLiteral("/home/user/Sounds/réveil %1.wav").arg(n)};
    }
    s.interval = which ? QStringLiteral("30") : QStringLiteral("15");
    return s;
}

template <typename Write>
QByteArray bytesOf(Write write)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    write(buffer);
    return buffer.data();
}

const char *whichOf(const QString &path, const QByteArray &a, const QByteArray &b)
{
    QFile file(path);
    if (!file.exists())
        return "missing";
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return bytes == a ? "A" : bytes == b ? "B" : "torn";
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool start = argc == 3 && QByteArray(argv[1]) == "--start";
    if (argc != 2 && !start) {
        std::fputs("usage: save_loop DIR | save_loop --start DIR\n", stderr);
        return 2;
    }
    const QString dir = QFile::decodeName(argv[argc - 1]);
    const Settings a = settings(0), b = settings(1);
    if (start) {
        removeStaleTemporaries(dir);
        const auto table = [](const Settings &s) { return bytesOf([&](QIODevice &d) { writeAlarmTable(d, s.table); }); };
        const auto interval = [](const Settings &s) { return bytesOf([&](QIODevice &d) { writeInterval(d, s.interval); }); };
        std::printf("table %s interval %s\n", whichOf(dir + "/kalind.dta", table(a), table(b)),
                    whichOf(dir + "/saytime.dta", interval(a), interval(b)));
        return 0;
    }
    HPMOD shared;
    qint16 lastClickedColumn = 0; // kept between openings, as the clock window keeps it
    AlarmBook book(dir);
    const auto fail = [](QWidget *, const QString &, const QString &text) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        std::exit(3);
    };
    if (const QList<FileProblem> problems = book.load(); !problems.isEmpty())
        fail(nullptr, {}, problems.first().path);
    const HsetServices services{{}, fail};
    for (int round = 0;; ++round) {
        const Settings &next = round % 2 ? b : a;
        auto *window = new Hset(shared, book, lastClickedColumn, services);
        for (int k = 0; k < 10; ++k) {
            for (int i = 0; i < AlarmRecord::FieldCount; ++i) {
                if (i < 5)
                    window->dateBox(k + 1, i)->setText(next.table[k].field(i));
                else
                    book.setField(k + 1, i, next.table[k].field(i));
            }
        }
        window->Text1->setText(next.interval);
        window->Command1_Click(); // stores both files and closes the window, which deletes itself
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
