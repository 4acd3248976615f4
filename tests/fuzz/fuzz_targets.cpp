// Fuzz targets for what Kalindor takes from outside: the settings files and the user's own sound files.
// Built once per target (FUZZ_*); without libFuzzer a small main replays the seed corpus, so every build
// runs it as an ordinary test. Every target checks what it reads with
// qFatal, which stops the program in every build, so a seed that breaks a rule fails its test.
#include "AlarmFiles.h"
#include "SoundFileReader.h"

#include <QBuffer>
#include <QDir>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sndfile.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {
// Spaces and the byte-order mark, which editors put at the start of a file, are the blanks around a field.
[[maybe_unused]] const QRegularExpression blankEnds(QStringLiteral("^[ \uFEFF]+|[ \uFEFF]+$"));

[[maybe_unused]] bool hasBlankEnd(const QString &text)
{
    return text.contains(blankEnds);
}

} // namespace

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
    for (const AlarmRecord &record : table) {
        for (int i = 0; i < AlarmRecord::FieldCount; ++i) {
            if (hasBlankEnd(record.field(i)) || record.field(i).contains(u'\n') || record.waveFile.isEmpty())
                qFatal("field %d read with a space around it or a line feed inside, or no wave file", i + 1);
        }
    }
    QBuffer out;
    out.open(QIODevice::ReadWrite);
    if (!writeAlarmTable(out, table))
        qFatal("the table could not be written to memory");
    if (out.data().count('\n') != 10 || out.data().count("\r\n") != 10 || !out.data().endsWith("\r\n"))
        qFatal("the table was not saved as ten lines ended by CR LF");
    out.seek(0);
    const bool ambiguous = std::any_of(table.begin(), table.end(), [](const AlarmRecord &r) {
        return QStringList{r.day, r.month, r.year, r.hour, r.minute, r.gong, r.ring, r.meeting}.indexOf(zoneEnd) >= 0;
    });
    if (readAlarmTable(out) != table && !ambiguous)
        qFatal("the table read back differs from the one saved");
#elif defined(FUZZ_INTERVAL)
    // The interval is the file's first run of characters other than spaces and line ends, without
    // byte-order marks around it, or "0" when there is none, and reads back as it was saved.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QStringDecoder("windows-1252")(bytes);
    static const QRegularExpression lineBlanks(QStringLiteral("[ \r\n]+"));
    QString expected = QStringLiteral("0");
    for (QString token : text.split(lineBlanks, Qt::SkipEmptyParts)) {
        if (!token.remove(blankEnds).isEmpty()) {
            expected = token;
            break;
        }
    }
    const QString interval = readInterval(in);
    if (interval != expected)
        qFatal("the interval read, \"%s\", is not the first token of the file", qPrintable(interval));
    QBuffer out;
    out.open(QIODevice::ReadWrite);
    writeInterval(out, interval);
    out.seek(0);
    if (readInterval(out) != interval)
        qFatal("the interval read back differs from the one saved");
#elif defined(FUZZ_SOUND_SETTINGS)
    // A file too large to be settings, or one that is not, is refused and leaves the defaults; what is
    // read holds no line feed nor a space around a value, and is saved and read back unchanged, as
    // long as the save stays small enough to be read (a Western line saved as UTF-8 grows).
    SoundSettings read, again;
    if (const auto damaged = readSoundSettings(in, read)) {
        if (read != SoundSettings())
            qFatal("a refused file left settings other than the defaults");
        if ((*damaged == 0) != (size > 64 * 1024) || *damaged > bytes.count('\n') + 1)
            qFatal("a refused file was given line %d of %lld", *damaged, qlonglong(bytes.count('\n') + 1));
        return 0;
    }
    if (size > 64 * 1024)
        qFatal("a file larger than 64 KiB was read as settings");
    const QStringList values{read.quietFrom, read.quietTo, read.level, read.rise};
    if (std::any_of(values.begin(), values.end(), hasBlankEnd) || read.others.join(QString()).contains(u'\n'))
        qFatal("a value was read with a space around it, or a line with a line feed inside");
    for (const QString &line : read.others) {
        if (!QString(line).remove(blankEnds).startsWith(u'#') && !line.contains(u'='))
            qFatal("a line kept is neither a comment nor a setting");
    }
    QBuffer out;
    out.open(QIODevice::ReadWrite);
    writeSoundSettings(out, read);
    out.seek(0);
    if (out.size() <= 64 * 1024 && (readSoundSettings(out, again) || again != read))
        qFatal("the sound settings read back differ from the ones saved");
#elif defined(FUZZ_DECODER)
    // The reader takes a path: the bytes go into a file that lives in memory only. What libsndfile cannot
    // open, or opens at a rate out of range, is refused; anything else gives pieces at the program's rate,
    // stereo or mono as the file, no sample that is not finite, and ends within its bound of playing time.
    const int fd = memfd_create("sound", MFD_CLOEXEC);
    if (fd < 0 || write(fd, data, size) != ssize_t(size))
        qFatal("no file in memory for the sound");
    const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);
    SF_INFO info{};
    SNDFILE *direct = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    const bool playable = direct && info.channels >= 1 && info.samplerate >= 1
                          && info.samplerate <= SoundFileReader::MaxFileRate;
    if (direct)
        sf_close(direct);
    const auto reader = SoundFileReader::open(path);
    if (reader && !playable)
        qFatal("a file libsndfile refuses, or at %d Hz, was opened", info.samplerate);
    if (reader) {
        const int channels = info.channels == 2 ? 2 : 1;
        // A piece that is not resampled keeps the file's samples, held within -1..1; the resampler's
        // filter may overshoot a little at a sharp edge.
        const float bound = info.samplerate == SoundFileReader::SampleRate ? 1.0f : 4.0f;
        const qint64 allowed = (qint64(SoundFileReader::BaseSeconds) * 1000 + qint64(size) * SoundFileReader::PlayMsPerByte)
                               * SoundFileReader::SampleRate / 1000;
        const qint64 most = allowed / SoundFileReader::PieceFrames + 2; // pieces: all but the last are whole
        qint64 frames = 0, pieces = 0;
        Pcm piece;
        while (reader->next(piece) && ++pieces <= most) {
            if (piece.sampleRate != SoundFileReader::SampleRate || piece.channels != channels
                || piece.frames() < 1 || piece.frames() > SoundFileReader::PieceFrames
                || piece.samples.size() != size_t(piece.frames()) * size_t(channels))
                qFatal("a piece of %lld frames, %d channels at %d Hz", qlonglong(piece.frames()), piece.channels,
                       piece.sampleRate);
            if (!std::all_of(piece.samples.begin(), piece.samples.end(),
                             [&](float s) { return std::isfinite(s) && std::abs(s) <= bound; }))
                qFatal("a sample beyond %g", double(bound));
            frames += piece.frames();
        }
        if (pieces > most || frames > allowed)
            qFatal("%lld frames played of at most %lld", qlonglong(frames), qlonglong(allowed));
    }
    close(fd);
#endif
    return 0;
}

#ifndef KALINDOR_LIBFUZZER
// Runs every file of the folders given (options, which libFuzzer would take, are skipped). A folder
// without a file or a file that cannot be read fails the run: a replay of nothing proves nothing.
int main(int argc, char **argv)
{
    int folders = 0;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            continue;
        ++folders;
        const QFileInfoList entries = QDir(QString::fromLocal8Bit(argv[i])).entryInfoList(QDir::Files | QDir::Hidden);
        if (entries.isEmpty())
            qFatal("no seed in %s", argv[i]);
        for (const QFileInfo &entry : entries) {
            QFile file(entry.filePath());
            const QByteArray input = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            if (file.error() != QFileDevice::NoError)
                qFatal("%s: %s", qPrintable(entry.filePath()), qPrintable(file.errorString()));
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size()));
        }
        std::printf("%lld seeds of %s passed\n", qlonglong(entries.size()), argv[i]);
    }
    if (folders == 0)
        qFatal("usage: %s FOLDER...", argv[0]);
    return 0;
}
#endif
