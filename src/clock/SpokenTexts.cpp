#include "SpokenTexts.h"

#include "Texts.h"

#include <array>

namespace {
// The exit button and the About box's buttons keep their captions as names, and Alarm-set is described
// by the next alarm: a screen reader says what the eye reads. In the order of MainControl.
const std::array<std::array<const char *, 2>, 11> Controls = {{
    {QT_TRANSLATE_NOOP("SpokenTexts", "French"), QT_TRANSLATE_NOOP("SpokenTexts", "Speak the time in French")},
    {QT_TRANSLATE_NOOP("SpokenTexts", "German"), QT_TRANSLATE_NOOP("SpokenTexts", "Speak the time in German")},
    {QT_TRANSLATE_NOOP("SpokenTexts", "English"), QT_TRANSLATE_NOOP("SpokenTexts", "Speak the time in English")},
    {QT_TRANSLATE_NOOP("SpokenTexts", "Stop"), QT_TRANSLATE_NOOP("SpokenTexts", "Silence the alarm sound")},
    {QT_TRANSLATE_NOOP("SpokenTexts", "About"),
     QT_TRANSLATE_NOOP("SpokenTexts", "Kalindor's version and a system-information button")},
    {nullptr, QT_TRANSLATE_NOOP("SpokenTexts", "End Kalindor")},
    {nullptr, QT_TRANSLATE_NOOP("SpokenTexts", "Space or Enter speaks the time")},
    {nullptr, QT_TRANSLATE_NOOP("SpokenTexts", "Space or Enter speaks the date")},
    {nullptr, QT_TRANSLATE_NOOP("SpokenTexts", "Close this box")},
    {nullptr, QT_TRANSLATE_NOOP("SpokenTexts", "Start a program that describes this computer")},
    {nullptr, QT_TRANSLATE_NOOP("SpokenTexts", "Set the alarms and the announcement interval")},
}};
} // namespace

SpokenControl spokenControl(MainControl control, Language language)
{
    const Texts texts(language);
    const auto &[name, description] = Controls[size_t(control)];
    return {name ? texts.translate("SpokenTexts", name) : QString(), texts.translate("SpokenTexts", description)};
}

QString spokenTime(const QTime &time, Language language)
{
    const Texts texts(language);
    // English speaks the twelve-hour clock, as its flag does; French counts 0 and 1 as singular.
    const QString clock = time.toString(texts.translate("SpokenTexts", "h:mm AP", "the clock's format"));
    const int s = time.second();
    const bool singular = language == French ? s <= 1 : s == 1;
    const QString seconds = singular ? texts.translate("SpokenTexts", "%1 second") : texts.translate("SpokenTexts", "%1 seconds");
    return texts.translate("SpokenTexts", "%1 and %2", "the time, then the seconds").arg(clock, seconds.arg(s));
}

QString spokenDate(const QDate &date, Language language)
{
    return Texts(language).locale().toString(date, QLocale::LongFormat);
}
