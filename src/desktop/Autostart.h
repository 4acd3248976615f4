// The XDG autostart entry that starts Kalindor when the user logs in.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Texts;

// $XDG_CONFIG_HOME/autostart/kalindor.desktop, ~/.config/autostart/kalindor.desktop by default.
QString autostartFile();

// The entry's text; `command` is the program and its arguments, quoted here as the Exec key needs.
QByteArray autostartEntry(const QStringList &command);

// Writes the entry (on) or removes it (off); false with the reason in `error` when that failed.
// `done` tells what happened, for the user, in the words of `texts`.
bool setAutostart(bool on, const QStringList &command, const Texts &texts, QString *done, QString *error);
