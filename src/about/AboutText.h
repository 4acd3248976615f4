// The About box's texts, and the programs that stand in for the system-information tool on Linux.
#pragma once

#include <QString>
#include <QStringList>

// "Version major.minor.revision" from the application's version string; a missing part counts as 0,
// and a string that does not start with a number gives the program's own 1.0.0.
QString versionText(const QString &applicationVersion);

// Graphical system-information and system-monitor programs, best first: each a plain name to look up on
// PATH followed by its arguments, never a command line for a shell.
const QList<QStringList> &systemInfoPrograms();
