// The command line: open the window, or speak the time or date once without one.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

struct Options
{
    enum class Mode { Window, SayTime, SayDate } mode = Mode::Window;
    qint16 language = 0;
    std::optional<QDateTime> at;
    QString output;    // empty: the sound device
    QString configDir; // empty: the user's configuration directory
};

// Nothing here needs a display: the caller picks the application type from wantsWindow().
bool wantsWindow(int argc, char **argv);

// Parses the arguments; on bad input returns nullopt with one line for standard error in `error`.
// --help and --version print and exit the process as users expect.
std::optional<Options> parseOptions(const QStringList &arguments, QString *error);

// Speaks the phrase once; returns the process exit status.
int sayOnce(const Options &options);
