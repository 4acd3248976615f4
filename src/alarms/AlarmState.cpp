#include "AlarmState.h"

namespace {
// The text of a box with spaces and leading zeros taken away: "07" -> "7", " 2026" -> "2026", "00" -> "0".
QString plainForm(const QString &text)
{
    QString plain = text;
    plain.remove(u' ');
    plain.remove(u'\t');
    qsizetype zeros = 0;
    while (zeros + 1 < plain.size() && plain[zeros] == u'0' && plain[zeros + 1].isDigit())
        ++zeros;
    return plain.mid(zeros);
}

// Whether any value of the field can match the box: in range, "*", or a weekday form in the day box.
bool boxCanMatch(int box, const QString &text)
{
    static constexpr int Lowest[] = {1, 1, 1, 0, 0};
    static constexpr int Highest[] = {31, 12, 9999, 23, 59};
    if (text == QLatin1String("*"))
        return true;
    if (box == 0 && weekdaysOf(text))
        return true;
    const auto value = exactNumber(text);
    return value && *value >= Lowest[box] && *value <= Highest[box];
}

bool isOff(const AlarmBoxes &boxes)
{
    return std::all_of(boxes.begin(), boxes.end(), [](const QString &box) { return box.isEmpty() || box == u'0'; });
}

// A fixed day that no month or year of the row has: 31 April, 30 February, 29 February 2027.
bool impossibleDate(const AlarmBoxes &boxes)
{
    const auto day = exactNumber(boxes[0]), month = exactNumber(boxes[1]), year = exactNumber(boxes[2]);
    if (!day || !month)
        return false;
    const int leapYear = 2024;
    const int inYear = year ? QDate(int(*year), int(*month), 1).daysInMonth() : QDate(leapYear, int(*month), 1).daysInMonth();
    return *day > inYear;
}
} // namespace

AlarmState alarmState(const AlarmBoxes &boxes, qint64 nowMs, const Zone &zone, bool silent)
{
    AlarmState state;
    state.boxes = boxes;
    if (isOff(boxes))
        return state;
    for (int box = 0; box < 5; ++box) {
        const QString &text = boxes[size_t(box)];
        // A year of two digits is a year of this century typed short, not one two thousand years ago.
        if (box == 2 && text.size() == 2 && exactNumber(text)) {
            state.kind = AlarmState::BadBox;
            state.box = box;
            state.text = text;
            state.suggestion = QStringLiteral("20") + text;
            return state;
        }
        if (boxCanMatch(box, text))
            continue;
        state.kind = AlarmState::BadBox;
        state.box = box;
        state.text = text;
        if (const QString plain = plainForm(text); plain != text && boxCanMatch(box, plain))
            state.suggestion = plain;
        return state;
    }
    if (impossibleDate(boxes)) {
        state.kind = AlarmState::NoSuchDate;
        return state;
    }
    if (const auto next = nextRing(AlarmPattern(boxes), nowMs, zone)) {
        state.kind = silent ? AlarmState::Silent : AlarmState::Rings;
        state.next = *next;
    } else {
        state.kind = AlarmState::Past;
    }
    return state;
}
