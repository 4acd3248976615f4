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

const QStringList &systemInfoPrograms()
{
    // The tools that describe the machine come first, as the Windows tool did; the desktops'
    // own system monitors follow, since one of them is on almost every desktop.
    static const QStringList programs = {
        QStringLiteral("hardinfo"),
        QStringLiteral("kinfocenter"),
        QStringLiteral("gnome-system-monitor"),
        QStringLiteral("plasma-systemmonitor"),
        QStringLiteral("ksysguard"),
        QStringLiteral("mate-system-monitor"),
        QStringLiteral("xfce4-taskmanager"),
        QStringLiteral("lxtask"),
    };
    return programs;
}
