// The values the whole program shares for one run: the clock engine holds them and alone writes them;
// everything else reads them.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

using Language = qint16;
constexpr Language French = 0;
constexpr Language German = 1;
constexpr Language English = 2;

// Fields 1-9 of one alarm, all text exactly as typed or shown.
struct AlarmRecord
{
    QString day, month, year, hour, minute, gong, ring, meeting, waveFile;

    static constexpr int FieldCount = 9;
    // index 0..8 in file order: day, month, year, hour, minute, gong, ring, meeting, waveFile
    QString &field(int index);
    const QString &field(int index) const;
    bool operator==(const AlarmRecord &) const = default;
};

using AlarmRecords = std::array<AlarmRecord, 10>;

// The wave-file caption of a row without a file of its own, in every language and in the files.
inline const QString NoWaveFile = QStringLiteral("Browse");
// The sound that stands in for alarm 1's empty wave-file caption.
inline const QString DefaultAlarmFile = QStringLiteral("C:\\WINDOWS\\MEDIA\\The Microsoft Sound.wav");

struct HPMOD
{
    Language CurrentLanguage = French; // never saved: every run starts in French
    QString AmPmMarker;                // "AM" or "PM", empty until the main window is first activated
    qint16 MinuteCell = 0;
};

inline QString &AlarmRecord::field(int index)
{
    return const_cast<QString &>(static_cast<const AlarmRecord *>(this)->field(index));
}

inline const QString &AlarmRecord::field(int index) const
{
    switch (index) {
    case 0: return day;
    case 1: return month;
    case 2: return year;
    case 3: return hour;
    case 4: return minute;
    case 5: return gong;
    case 6: return ring;
    case 7: return meeting;
    default: return waveFile;
    }
}
