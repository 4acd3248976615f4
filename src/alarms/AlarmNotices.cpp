#include "AlarmNotices.h"

#include "Texts.h"

#include <QPointer>

namespace {
const QString SnoozeKey = QStringLiteral("snooze");
const QString StopKey = QStringLiteral("stop");
// The key that notification servers give a click on the notice's body.
const QString DefaultKey = QStringLiteral("default");
}

AlarmNotices::AlarmNotices(AlarmRinger &ringer, const HPMOD &shared, Notify notify,
                           std::function<void(const QString &)> complain, QObject *parent)
    : QObject(parent), ringer(ringer), shared(shared), notify(std::move(notify))
{
    connect(&ringer, &AlarmRinger::notice, this, &AlarmNotices::show);
    if (complain)
        connect(&ringer, &AlarmRinger::complaint, this, std::move(complain));
}

// The notices of one alarm take each other's place: a new ring, a snooze, never a pile of old ones.
void AlarmNotices::show(const AlarmNotice &alarmNotice)
{
    if (!notify)
        return;
    Notice notice;
    notice.summary = alarmNotice.summary;
    if (alarmNotice.alarm > 0)
        notice.tag = QStringLiteral("alarm%1").arg(alarmNotice.alarm);
    notice.close = alarmNotice.close;
    if (alarmNotice.ringing) {
        notice.timeoutMs = 0;
        // The snooze taken is the one the notice offered, whatever ALARM SET has been given since.
        const Language language = shared.CurrentLanguage;
        if (alarmNotice.snooze)
            notice.actions = {{SnoozeKey, snoozeLabel(alarmNotice.snoozeMinutes, language)}, {StopKey, stopLabel(language)}};
        notice.actions.append({DefaultKey, showLabel(language)});
        notice.acted = [self = QPointer<AlarmNotices>(this), alarm = alarmNotice.alarm,
                        minutes = alarmNotice.snoozeMinutes](const QString &key) {
            if (!self)
                return;
            if (key == SnoozeKey)
                self->ringer.snooze(alarm, minutes);
            else if (key == StopKey)
                self->ringer.stop(alarm);
            else if (key == DefaultKey && self->showWindow)
                self->showWindow();
        };
    }
    notify(notice);
}

void AlarmNotices::saved()
{
    tell(saveSummaryTitle(shared.CurrentLanguage), ringer.savedSummary());
}

void AlarmNotices::windowHidden(bool inTray)
{
    const Texts texts(shared.CurrentLanguage);
    tell(texts.translate("AlarmNotices", "Kalindor goes on"),
         inTray ? texts.translate("AlarmNotices", "Its window is hidden and the alarms ring as usual. Click Kalindor in the "
                                                  "system tray to show it; Quit in its menu, or END in the window, ends it.")
                : texts.translate("AlarmNotices", "Its window is hidden and the alarms ring as usual. Start Kalindor "
                                                  "again to show it; END in the window ends it."));
}

void AlarmNotices::tell(const QString &title, const QString &text)
{
    Notice notice{title, text, {}, {}, {}};
    notice.unseen = [self = QPointer<AlarmNotices>(this), title, text] {
        if (self && self->inform)
            self->inform(title, text);
    };
    if (notify)
        notify(notice);
    else if (inform)
        inform(title, text);
}
