#include "SoundSettings.h"

#include "Texts.h"

#include <optional>

namespace {
// A whole number within [low, high], spaces around it allowed; an empty text is `empty`.
std::optional<int> numberIn(const QString &text, int low, int high, std::optional<int> empty = std::nullopt)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return empty;
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    if (!ok || value < low || value > high || !trimmed.front().isDigit())
        return std::nullopt;
    return value;
}

std::optional<int> hourIn(const QString &text) { return numberIn(text, 0, 23); }
std::optional<int> levelIn(const QString &text) { return numberIn(text, 10, 100, 100); }
std::optional<int> riseIn(const QString &text) { return numberIn(text, 0, MaxRiseSeconds, 0); }
std::optional<int> snoozeIn(const QString &text) { return numberIn(text, 1, MaxSnoozeMinutes, DefaultSnoozeMinutes); }

bool bothEmpty(const SoundSettings &settings)
{
    return settings.quietFrom.trimmed().isEmpty() && settings.quietTo.trimmed().isEmpty();
}

QString typeInstead(const Texts &texts, const char *box, const QString &typed, const QString &range)
{
    return texts.translate("SoundSettings", "%1 ‘%2’: type %3").arg(texts.translate("SoundSettings", box), typed.trimmed(), range);
}
} // namespace

QuietHours quietHoursOf(const SoundSettings &settings)
{
    const auto from = hourIn(settings.quietFrom), to = hourIn(settings.quietTo);
    return from && to ? QuietHours{*from, *to} : QuietHours{};
}

AlarmLoudness loudnessOf(const SoundSettings &settings)
{
    return AlarmLoudness{levelIn(settings.level).value_or(100), riseIn(settings.rise).value_or(0)};
}

QString quietHoursProblem(const SoundSettings &settings, Language language)
{
    if (bothEmpty(settings))
        return {};
    const Texts texts(language);
    const QString hours = texts.translate("SoundSettings", "0 to 23");
    if (!hourIn(settings.quietFrom))
        return settings.quietFrom.trimmed().isEmpty()
            ? texts.translate("SoundSettings", "Silent hours: give both hours, or none")
            : typeInstead(texts, QT_TRANSLATE_NOOP("SoundSettings", "Silent from"), settings.quietFrom, hours);
    if (!hourIn(settings.quietTo))
        return settings.quietTo.trimmed().isEmpty()
            ? texts.translate("SoundSettings", "Silent hours: give both hours, or none")
            : typeInstead(texts, QT_TRANSLATE_NOOP("SoundSettings", "Silent until"), settings.quietTo, hours);
    return {};
}

QString loudnessProblem(const SoundSettings &settings, Language language)
{
    const Texts texts(language);
    if (!levelIn(settings.level))
        return typeInstead(texts, QT_TRANSLATE_NOOP("SoundSettings", "Alarm level"), settings.level,
                           texts.translate("SoundSettings", "10 to 100"));
    if (!riseIn(settings.rise))
        return typeInstead(texts, QT_TRANSLATE_NOOP("SoundSettings", "Rise"), settings.rise,
                           texts.translate("SoundSettings", "0 to %1").arg(MaxRiseSeconds));
    return {};
}

int snoozeMinutesOf(const SoundSettings &settings)
{
    return snoozeIn(settings.snooze).value_or(DefaultSnoozeMinutes);
}

QString snoozeProblem(const SoundSettings &settings, Language language)
{
    if (snoozeIn(settings.snooze))
        return {};
    const Texts texts(language);
    return typeInstead(texts, QT_TRANSLATE_NOOP("SoundSettings", "Snooze"), settings.snooze,
                       texts.translate("SoundSettings", "1 to %1").arg(MaxSnoozeMinutes));
}
