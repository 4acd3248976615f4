// Fuzz targets for what Kalindor takes from outside: the settings files, texts read as numbers and
// the user's own sound files. Built once per target (FUZZ_*); without libFuzzer a small main replays
// the seed corpus, so every build runs it as an ordinary test.
#include "AlarmFiles.h"
#include "SoundFileReader.h"
#include "TextNumber.h"

#include <QBuffer>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
#if defined(FUZZ_ALARM_TABLE)
    // What is read from any file is saved and read back unchanged. The format's one ambiguity is a space
    // in the last column of a zone inside one of fields 1-8 (each starts a zone), which ends the field.
    static const QRegularExpression zoneEnd(QStringLiteral("(.{14})*.{13} .*"), QRegularExpression::DotMatchesEverythingOption);
    const AlarmRecords table = readAlarmTable(in);
    QBuffer out;
    out.open(QIODevice::ReadWrite);
    writeAlarmTable(out, table);
    out.seek(0);
    const bool ambiguous = std::any_of(table.begin(), table.end(), [](const AlarmRecord &r) {
        return QStringList{r.day, r.month, r.year, r.hour, r.minute, r.gong, r.ring, r.meeting}.indexOf(zoneEnd) >= 0;
    });
    if (readAlarmTable(out) != table && !ambiguous)
        qFatal("the table read back differs from the one saved");
#elif defined(FUZZ_INTERVAL)
    readInterval(in);
#elif defined(FUZZ_SOUND_SETTINGS)
    // Settings read from any file are saved and read back unchanged, as long as the save stays small
    // enough to be read (a Western line saved as UTF-8 grows).
    SoundSettings read, again;
    if (readSoundSettings(in, read))
        return 0;
    QBuffer out;
    out.open(QIODevice::ReadWrite);
    writeSoundSettings(out, read);
    out.seek(0);
    if (out.size() <= 64 * 1024 && (readSoundSettings(out, again) || again != read))
        qFatal("the sound settings read back differ from the ones saved");
#elif defined(FUZZ_TEXT_NUMBER)
    const QString text = QString::fromUtf8(bytes);
    leadingNumber(text), clockHour(text), clockMinutes(text);
#elif defined(FUZZ_DECODER)
    // The reader takes a path: the bytes go into a file that lives in memory only. A few bytes of a
    // compressed format can stand for hours of sound, so only its first minutes are decoded.
    const int fd = memfd_create("sound", MFD_CLOEXEC);
    if (fd >= 0 && write(fd, data, size) == ssize_t(size)) {
        if (const auto reader = SoundFileReader::open(QStringLiteral("/proc/self/fd/%1").arg(fd))) {
            Pcm piece;
            for (int n = 0; n < 2000 && reader->next(piece); ++n) {
            }
        }
    }
    close(fd);
#endif
    return 0;
}

#ifndef KALINDOR_LIBFUZZER
// Runs every file of the folders given (options, which libFuzzer would take, are skipped).
int main(int argc, char **argv)
{
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        for (const QFileInfo &entry : QDir(QString::fromLocal8Bit(argv[i])).entryInfoList(QDir::Files)) {
            QFile file(entry.filePath());
            const QByteArray input = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            inputs += LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size())) == 0;
        }
    }
    return inputs > 0 ? 0 : 1;
}
#endif
