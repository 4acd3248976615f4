#include "Autostart.h"

#include "Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
// An Exec argument is quoted when it holds a character the desktop-entry format reserves; inside
// the quotes four characters take a backslash, and the value's own escaping then doubles every backslash.
QString execArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString quoted = argument;
    quoted.replace(u'%', QStringLiteral("%%"));
    if (!argument.isEmpty() && std::none_of(argument.begin(), argument.end(), [](QChar c) { return reserved.contains(c); }))
        return quoted;
    QString inside;
    for (QChar c : quoted) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            inside += u'\\';
        inside += c;
    }
    inside.replace(u'\\', QStringLiteral("\\\\"));
    return u'"' + inside + u'"';
}
} // namespace

QString autostartFile()
{
    // GenericConfigLocation follows XDG_CONFIG_HOME.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart/kalindor.desktop");
}

QByteArray autostartEntry(const QStringList &command)
{
    QStringList exec;
    for (const QString &argument : command)
        exec << execArgument(argument);
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Kalindor\n"
                          "Comment=Talking clock and calendar: alarms ring only while it runs\n"
                          "Exec=%1\n"
                          "Icon=kalindor\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(exec.join(u' '))
        .toUtf8();
}

bool setAutostart(bool on, const QStringList &command, const Texts &texts, QString *done, QString *error)
{
    const QString path = autostartFile();
    if (!on) {
        // A symbolic link is removed itself, never the file it points to.
        if (!QFileInfo(path).isSymLink() && !QFileInfo::exists(path)) {
            *done = texts.translate("Autostart", "Kalindor does not start at login (there is no %1): nothing to remove").arg(path);
            return true;
        }
        QFile file(path);
        if (!file.remove()) {
            *error = texts.translate("Autostart", "cannot remove %1: %2").arg(path, file.errorString());
            return false;
        }
        *done = texts.translate("Autostart", "Removed %1: Kalindor no longer starts at login").arg(path);
        return true;
    }
    for (const QString &argument : command) {
        if (std::any_of(argument.begin(), argument.end(), [](QChar c) { return c.category() == QChar::Other_Control; })) {
            *error = texts.translate("Autostart", "cannot start at login a command whose arguments hold control characters");
            return false;
        }
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = texts.translate("Autostart", "cannot create the folder %1").arg(QFileInfo(path).absolutePath());
        return false;
    }
    // Through a symbolic link the file it points to is written, as a dotfiles manager expects.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(autostartEntry(command)) < 0 || !file.commit()) {
        *error = texts.translate("Autostart", "cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    *done = texts.translate("Autostart", "Wrote %1: Kalindor starts at login").arg(path);
    return true;
}
