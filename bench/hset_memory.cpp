// ALARM SET opened, typed in and saved over and over, as a user does it: the resident memory after the
// tenth opening and after the last, to show what each opening leaves behind. Each figure is read twice:
// as it is, and after the allocator has given back what it holds free.
//   hset_memory [openings]    500 by default; runs offscreen, in a home and settings folder of its own
#include "Hset.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <malloc.h>

namespace {
struct Resident
{
    long asIs = 0, trimmed = 0;
};

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

Resident resident()
{
    Resident figure;
    figure.asIs = residentKb();
    malloc_trim(0);
    figure.trimmed = residentKb();
    return figure;
}

void openTypeAndSave(const HPMOD &shared, AlarmBook &book, qint16 &lastClickedColumn, const HsetServices &services, int round)
{
    auto *window = new Hset(shared, book, lastClickedColumn, services);
    window->show();
    QApplication::processEvents();
    const int alarm = round % 10 + 1;
    for (int index = 0; index < 5; ++index) {
        QTest::mouseClick(window->dateBox(alarm, index), Qt::LeftButton, {}, QPoint(5, 5));
        QTest::keyClicks(window->dateBox(alarm, index), QString::number(round % 28 + 1));
        QTest::keyClick(window, Qt::Key_Tab);
    }
    QTest::keyClick(window->optionLabel(alarm, round % 3), Qt::Key_Space);
    QTest::keyClicks(window->Text1, QStringLiteral("15"));
    window->Command1_Click(); // stores the files and closes the window, which deletes itself
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}
} // namespace

int main(int argc, char *argv[])
{
    mallopt(M_MMAP_THRESHOLD, 256 * 1024); // as Kalindor's main sets it
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        qputenv(name, home.path().toUtf8());
    qputenv("XDG_RUNTIME_DIR", home.path().toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int openings = argc > 1 ? QByteArray(argv[1]).toInt() : 500;
    if (openings < 10) {
        std::fputs("usage: hset_memory [openings, at least 10]\n", stderr);
        return 2;
    }
    HPMOD shared;
    qint16 lastClickedColumn = 0; // kept between openings, as the clock window keeps it
    AlarmBook book(home.path());
    book.load();
    const HsetServices services{{}, [](QWidget *, const QString &, const QString &text) {
                                    std::fprintf(stderr, "%s\n", qPrintable(text));
                                }};
    Resident afterTen;
    for (int round = 1; round <= openings; ++round) {
        shared.CurrentLanguage = Language(round % 3);
        openTypeAndSave(shared, book, lastClickedColumn, services, round);
        if (round == 10)
            afterTen = resident();
    }
    const Resident afterAll = resident();
    std::printf("resident after 10 openings: %ld kB (trimmed %ld kB); after %d: %ld kB (trimmed %ld kB)\n",
                afterTen.asIs, afterTen.trimmed, openings, afterAll.asIs, afterAll.trimmed);
    std::printf("growth: %ld kB (trimmed %ld kB, %.2f kB an opening)\n", afterAll.asIs - afterTen.asIs,
                afterAll.trimmed - afterTen.trimmed, double(afterAll.trimmed - afterTen.trimmed) / (openings - 10));
    return 0;
}
