// The About box's texts, and the programs that stand in for the system-information tool on Linux.
#include "AboutText.h"

#include <QVersionNumber>

QString versionText(const QString &applicationVersion)
{
    QVersionNumber version = QVersionNumber::fromString(applicationVersion);
    if (version.isNull())
        version = QVersionNumber(1, 0, 0);
    return QStringLiteral("Version %1.%2.%3")
        .arg(version.majorVersion())
        .arg(version.minorVersion())
        .arg(version.microVersion());
}

const QList<QStringList> &systemInfoPrograms()
{
    // The tools that describe the machine come first, as the Windows tool did: the stand-alone ones,
    // then each desktop's own page about the computer; the desktops' system monitors follow, since one
    // of them is on almost every desktop. GNOME named its page "info-overview" before "about".
    static const QList<QStringList> programs = {
        {QStringLiteral("hardinfo")},
        {QStringLiteral("hardinfo2")},
        {QStringLiteral("kinfocenter")},
        {QStringLiteral("gnome-control-center"), QStringLiteral("info-overview")},
        {QStringLiteral("gnome-control-center"), QStringLiteral("about")},
        {QStringLiteral("xfce4-about")},
        {QStringLiteral("gnome-system-monitor")},
        {QStringLiteral("plasma-systemmonitor")},
        {QStringLiteral("ksysguard")},
        {QStringLiteral("mate-system-monitor")},
        {QStringLiteral("xfce4-taskmanager")},
        {QStringLiteral("lxtask")},
    };
    return programs;
}
