#include "AlarmFiles.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>
#include <functional>
#include <optional>

namespace {
constexpr qsizetype ZoneWidth = 14;
constexpr int OptionFields = 8; // fields 1-8 take zones; field 9 is the rest of the line
// Ten lines of paths and numbers never come near this; a larger file is not ours, so its head is enough.
constexpr qint64 MaxFileBytes = 4 * 1024 * 1024;
const QString Browse = QStringLiteral("Browse");

// Files of this program are UTF-8; anything that is not valid UTF-8 was written by the Windows original
// in a Western code page, where accented paths are Windows-1252.
QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder western("windows-1252");
    if (western.isValid())
        return western(bytes);
    return QString::fromLatin1(bytes);
}

QString readText(QIODevice &device)
{
    return decode(device.read(MaxFileBytes));
}

QStringView trimSpaces(QStringView text)
{
    while (!text.isEmpty() && text.front() == u' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

using Fields = std::array<QStringView, AlarmRecord::FieldCount>;

// A line exactly as alarmTableLine() lays it out: each of fields 1-8 fills the zones up to and including
// a zone whose last column is a space, and field 9 starts on the boundary that follows, never with a space.
// Cutting there keeps empty fields, long fields and fields with inner spaces in place, which the
// token rules cannot. Only a field with a space in its own 14th, 28th... column is cut short, because
// such bytes are the same as two fields written one after the other.
std::optional<Fields> cutZones(QStringView line)
{
    Fields fields;
    qsizetype start = 0;
    for (int i = 0; i < OptionFields; ++i) {
        qsizetype end = start + ZoneWidth;
        while (end <= line.size() && line[end - 1] != u' ')
            end += ZoneWidth;
        if (end > line.size())
            return std::nullopt;
        fields[i] = line.sliced(start, end - start);
        start = end;
    }
    if (start < line.size() && line[start] == u' ')
        return std::nullopt;
    fields[OptionFields] = line.sliced(start);
    return fields;
}

// Hand-made lines: fields 1-8 are single tokens ending at a space, field 9 is the rest of the line.
// Returns how many fields the line had.
int cutTokens(QStringView line, Fields &fields)
{
    qsizetype pos = 0;
    const auto skipSpaces = [&] {
        while (pos < line.size() && line[pos] == u' ')
            ++pos;
    };
    for (int i = 0; i < OptionFields; ++i) {
        skipSpaces();
        if (pos == line.size())
            return i;
        const qsizetype start = pos;
        while (pos < line.size() && line[pos] != u' ')
            ++pos;
        fields[i] = line.sliced(start, pos - start);
    }
    skipSpaces();
    fields[OptionFields] = line.sliced(pos);
    return fields[OptionFields].isEmpty() ? OptionFields : AlarmRecord::FieldCount;
}

bool writeAll(QIODevice &device, const QByteArray &bytes)
{
    return device.write(bytes) == bytes.size();
}

bool storeFile(const QString &configDir, const QString &name, const std::function<bool(QIODevice &)> &write,
               QString *why)
{
    const QString path = QDir(configDir).filePath(name);
    const auto fail = [&](const QString &reason) {
        if (why)
            *why = QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
        return false;
    };
    if (!QDir().mkpath(configDir))
        return fail(QStringLiteral("the folder %1 cannot be created").arg(QDir::toNativeSeparators(configDir)));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // QSaveFile::commit() in Qt 6.4 links the file even when the flush inside it fails half-way
    // (a full disk), so the buffered bytes are flushed here, where a failure can still cancel.
    if (!write(file) || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
} // namespace

AlarmRecord defaultAlarmRecord()
{
    AlarmRecord record;
    for (int i = 0; i < OptionFields; ++i)
        record.field(i) = QStringLiteral("0");
    record.waveFile = Browse;
    return record;
}

// A line break typed or pasted into a field would split its record in two, so it is written as a space.
QString alarmTableLine(const AlarmRecord &record)
{
    const auto clean = [](QString text) {
        return text.replace(u'\r', u' ').replace(u'\n', u' ');
    };
    QString line;
    for (int i = 0; i < OptionFields; ++i) {
        line += clean(record.field(i));
        line += QString(ZoneWidth - line.size() % ZoneWidth, u' ');
    }
    line += clean(record.waveFile);
    line += QStringLiteral("\r\n");
    return line;
}

// Alarm table file: ten lines, alarm 1 first, each the nine fields day, month, year, hour, minute,
// gong, ring, meeting, waveFile. Fields 1-8 are each padded with spaces to the next multiple of 14
// columns beyond their end (an empty field still takes 14 spaces, a field of 14-27 characters 28);
// field 9 follows unpadded, then CR LF. Alarm 1 set for 9 August 2000 at 9:05 with the meeting
// reminder is these 120 bytes:
//   "9             8             2000          9             5             0             0             1             Browse\r\n"
// Lines in that layout are cut by zones; any other line (hand-edited, single spaces, spaces around
// numbers) by the token rules of cutTokens(). Every field is read without the spaces around it.
AlarmRecord readAlarmTableLine(QStringView line)
{
    Fields fields;
    int count = AlarmRecord::FieldCount;
    if (const auto zones = cutZones(line))
        fields = *zones;
    else
        count = cutTokens(line, fields);

    AlarmRecord record = defaultAlarmRecord();
    for (int i = 0; i < count; ++i)
        record.field(i) = trimSpaces(fields[i]).toString();
    if (record.waveFile.isEmpty())
        record.waveFile = Browse;
    return record;
}

bool writeAlarmTable(QIODevice &device, const AlarmRecords &table)
{
    for (const AlarmRecord &record : table) {
        if (!writeAll(device, alarmTableLine(record).toUtf8()))
            return false;
    }
    return true;
}

AlarmRecords readAlarmTable(QIODevice &device)
{
    AlarmRecords table;
    table.fill(defaultAlarmRecord());
    const QString text = readText(device);
    qsizetype start = 0;
    for (AlarmRecord &record : table) {
        if (start >= text.size())
            break;
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QStringView line = QStringView(text).sliced(start, end - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        record = readAlarmTableLine(line);
        start = end + 1;
    }
    return table;
}

// Interval file: one line, the interval as typed, then CR LF; "15" is the bytes "15\r\n".
// The first token of the file is the interval; an empty file reads as the default.
QString readInterval(QIODevice &device)
{
    const QString text = readText(device);
    qsizetype pos = 0;
    while (pos < text.size() && (text[pos] == u' ' || isLineBreak(text[pos])))
        ++pos;
    const qsizetype start = pos;
    while (pos < text.size() && text[pos] != u' ' && !isLineBreak(text[pos]))
        ++pos;
    return pos > start ? text.sliced(start, pos - start) : DefaultInterval;
}

bool writeInterval(QIODevice &device, const QString &interval)
{
    QString line = interval;
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    return writeAll(device, (line + QStringLiteral("\r\n")).toUtf8());
}

void loadSettings(HPMOD &shared, const QString &configDir)
{
    const QDir dir(configDir);
    QFile table(dir.filePath(AlarmTableFileName));
    if (table.open(QIODevice::ReadOnly)) {
        shared.AlarmTable = readAlarmTable(table);
    } else {
        shared.AlarmTable.fill(defaultAlarmRecord());
    }
    QFile interval(dir.filePath(IntervalFileName));
    shared.announceInterval = interval.open(QIODevice::ReadOnly) ? readInterval(interval) : DefaultInterval;
}

bool storeAlarmTable(const AlarmRecords &table, const QString &configDir, QString *why)
{
    return storeFile(configDir, AlarmTableFileName, [&](QIODevice &file) { return writeAlarmTable(file, table); },
                     why);
}

bool storeInterval(const QString &interval, const QString &configDir, QString *why)
{
    return storeFile(configDir, IntervalFileName, [&](QIODevice &file) { return writeInterval(file, interval); },
                     why);
}
