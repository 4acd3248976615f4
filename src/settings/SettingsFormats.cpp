// The three settings files' formats, read from and written to any device.
#include "SettingsFormats.h"

#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

namespace {
constexpr qsizetype ZoneWidth = 14;
constexpr int OptionFields = 8; // fields 1-8 take zones; field 9 is the rest of the line

// Files of this program are UTF-8; a line that is not valid UTF-8 was written by the Windows original
// in a Western code page, where accented paths are Windows-1252. Lines are decided one by one because
// a file of the old program that this one saved once holds both.
QString decode(QByteArrayView bytes)
{
    // Stateless: a line that ends in the middle of a UTF-8 sequence ("Café" in Windows-1252 ends with
    // the lone byte 0xE9) is an error, not a sequence waiting for more bytes that are silently dropped.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder western("windows-1252");
    if (western.isValid())
        return western(bytes);
    return QString::fromLatin1(bytes);
}

// A byte-order mark, which editors put at the start of a file and so of its first field, is an
// invisible space: it goes with the spaces around a field.
bool isBlank(QChar c)
{
    return c == u' ' || c == u'\uFEFF';
}

QStringView trimTrailingSpaces(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

QStringView trimSpaces(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    return trimTrailingSpaces(text);
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
} // namespace

AlarmRecord defaultAlarmRecord()
{
    AlarmRecord record;
    for (int i = 0; i < OptionFields; ++i)
        record.field(i) = QStringLiteral("0");
    record.waveFile = NoWaveFile;
    return record;
}

// A line feed typed or pasted into a field would split its record in two, so it is written as a space;
// a carriage return stays, since only one right before the line feed ends a line. Spaces at a field's
// end are dropped as the reader would drop them, and so never stand in a zone's last column, where they
// would end the field early.
QString alarmTableLine(const AlarmRecord &record)
{
    const auto clean = [](const QString &text) {
        return trimTrailingSpaces(text).toString().replace(u'\n', u' ');
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
        record.waveFile = NoWaveFile;
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
    const QByteArray bytes = device.read(MaxFileBytes);
    qsizetype start = 0;
    for (AlarmRecord &record : table) {
        if (start >= bytes.size())
            break;
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line = QByteArrayView(bytes).sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        record = readAlarmTableLine(decode(line));
        start = end + 1;
    }
    return table;
}

// Ten lines of eight short numbers and a path, typed or pasted as long as the user likes, stay far below.
constexpr qsizetype MaxAlarmTableBytes = 256 * 1024;

std::optional<int> alarmTableDamage(QByteArrayView bytes)
{
    if (bytes.size() > MaxAlarmTableBytes)
        return 0;
    int line = 1;
    bool laidOut = bytes.trimmed().isEmpty();
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        const char c = i < bytes.size() ? bytes[i] : '\n';
        if (c == '\n') {
            QByteArrayView text = bytes.sliced(start, i - start);
            if (text.endsWith('\r'))
                text.chop(1);
            Fields fields;
            const QString decoded = decode(text);
            laidOut = laidOut || cutZones(decoded) || cutTokens(decoded, fields) >= OptionFields;
            start = i + 1;
            ++line;
        } else if ((uchar(c) < 0x20 && c != '\t' && c != '\r') || c == '\x7f') {
            return line;
        }
    }
    if (!laidOut)
        return 0;
    return std::nullopt;
}

// Interval file: one line, the interval as typed, then CR LF; "15" is the bytes "15\r\n".
// The first token of the file, without byte-order marks around it, is the interval; an empty file
// reads as the default. A mark before the token would otherwise be saved at the start of the file,
// where the next read drops it as the file's own.
QString readInterval(QIODevice &device)
{
    const QString text = decode(device.read(MaxFileBytes));
    qsizetype pos = 0;
    while (pos < text.size() && (isBlank(text[pos]) || isLineBreak(text[pos])))
        ++pos;
    const qsizetype start = pos;
    while (pos < text.size() && text[pos] != u' ' && !isLineBreak(text[pos]))
        ++pos;
    const QStringView token = trimTrailingSpaces(QStringView(text).sliced(start, pos - start));
    return token.isEmpty() ? DefaultInterval : token.toString();
}

bool writeInterval(QIODevice &device, const QString &interval)
{
    QString line = interval;
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    return writeAll(device, (line + QStringLiteral("\r\n")).toUtf8());
}

namespace {
// The sound file's keys, in the order they are written, and where each value goes. A key that is not
// `always` written is left out while it is empty, so that a file of an earlier Kalindor saves as it was.
struct SoundKey
{
    const char *name;
    QString SoundSettings::*value;
    bool always = true;
};
constexpr std::array<SoundKey, 7> SoundKeys = {{
    {"quiet-from", &SoundSettings::quietFrom},
    {"quiet-to", &SoundSettings::quietTo},
    {"alarm-level", &SoundSettings::level},
    {"alarm-rise", &SoundSettings::rise},
    {"snooze-minutes", &SoundSettings::snooze, false},
    {"keep-ringing", &SoundSettings::keepRinging, false},
    {"speak-names", &SoundSettings::speakNames, false},
}};
// Four short lines, or ten names of at most 60 characters: a file beyond this was never written by Kalindor.
constexpr qint64 MaxSmallFileBytes = 64 * 1024;

// The lines of a small settings file that are not blank, each as read and trimmed, to `take`, which returns
// false for a line that does not belong in the file. Returns the number of the first such line, or 0 for a
// file too large to be one Kalindor wrote; nothing when every line was taken.
std::optional<int> eachLine(QIODevice &device, const std::function<bool(const QString &, QStringView)> &take)
{
    const QByteArray bytes = device.read(MaxSmallFileBytes + 1);
    if (bytes.size() > MaxSmallFileBytes)
        return 0;
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArrayView bytesOfLine = lines[i];
        if (bytesOfLine.endsWith('\r'))
            bytesOfLine.chop(1);
        const QString line = decode(bytesOfLine);
        const QStringView trimmed = trimSpaces(line);
        if (!trimmed.isEmpty() && !take(line, trimmed))
            return int(i + 1);
    }
    return std::nullopt;
}
} // namespace

// Sound file: a setting a line, "key=value", CR LF line ends, each value as typed (empty where nothing
// was; the later keys only when set). Quiet hours from 22 to 7, alarms at 50 % rising over 20 s, a
// snooze of 15 minutes, ringing on with the window closed, the alarms' names not spoken:
//   "quiet-from=22\r\nquiet-to=7\r\nalarm-level=50\r\nalarm-rise=20\r\nsnooze-minutes=15\r\nkeep-ringing=1\r\n"
//   "speak-names=0\r\n"
// Spaces around keys and values, LF line ends and blank lines are read too; a key read twice counts the
// last time. Lines of other keys and "#" comments are kept, written back after the known ones, so a
// later Kalindor's settings survive a save by this one. Any other line means the file is not settings.
std::optional<int> readSoundSettings(QIODevice &device, SoundSettings &settings)
{
    settings = SoundSettings();
    SoundSettings read;
    const auto damaged = eachLine(device, [&](const QString &line, QStringView trimmed) {
        if (line.contains(QChar(0)))
            return false;
        if (trimmed.startsWith(u'#')) {
            read.others << line;
            return true;
        }
        const qsizetype equals = trimmed.indexOf(u'=');
        const QStringView key = trimSpaces(trimmed.left(std::max<qsizetype>(equals, 0)));
        if (key.isEmpty())
            return false;
        const auto known = std::find_if(SoundKeys.begin(), SoundKeys.end(),
                                        [&](const SoundKey &entry) { return key == QLatin1String(entry.name); });
        if (known == SoundKeys.end())
            read.others << line;
        else
            read.*(known->value) = trimSpaces(trimmed.sliced(equals + 1)).toString();
        return true;
    });
    if (!damaged)
        settings = read;
    return damaged;
}

bool writeSoundSettings(QIODevice &device, const SoundSettings &settings)
{
    QString text;
    for (const SoundKey &key : SoundKeys) {
        if (!key.always && (settings.*key.value).isEmpty())
            continue;
        // A line feed would end the line early; anything else a value holds reads back as it was.
        text += QLatin1String(key.name) + u'=' + QString(settings.*key.value).replace(u'\n', u' ') + QStringLiteral("\r\n");
    }
    for (const QString &line : settings.others)
        text += line + QStringLiteral("\r\n");
    return writeAll(device, text.toUtf8());
}

// Names file: a named alarm a line, its number, "=" and its name, CR LF line ends, UTF-8; alarms without
// a name have no line. Alarm 3 named for the pills:
//   "3=Take the pills\r\n"
// LF line ends, blank lines and spaces around the number and the name are read too; a number read twice
// counts the last time. Any other line, or a name that could not have been typed (too long, a control
// character), means the file is not names.
std::optional<int> readNames(QIODevice &device, AlarmNames &names)
{
    names = AlarmNames();
    AlarmNames read;
    const auto damaged = eachLine(device, [&](const QString &, QStringView trimmed) {
        const qsizetype equals = trimmed.indexOf(u'=');
        bool isNumber = false;
        const int alarm = equals > 0 ? trimSpaces(trimmed.left(equals)).toInt(&isNumber) : 0;
        const QString name = trimSpaces(trimmed.sliced(std::max<qsizetype>(equals + 1, 0))).toString();
        if (!isNumber || alarm < 1 || alarm > 10 || !nameFits(name))
            return false;
        read[size_t(alarm - 1)] = name;
        return true;
    });
    if (!damaged)
        names = read;
    return damaged;
}

bool writeNames(QIODevice &device, const AlarmNames &names)
{
    QString text;
    for (size_t k = 0; k < names.size(); ++k) {
        // What the reader would drop or refuse is not written: spaces around a name, a name that does not fit.
        const QStringView name = trimSpaces(names[k]);
        if (!name.isEmpty() && nameFits(name.toString()))
            text += QString::number(k + 1) + u'=' + name.toString() + QStringLiteral("\r\n");
    }
    return writeAll(device, text.toUtf8());
}
