// The command line: open the window, speak the time or date once without one, list the alarms, or say
// how to use it.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

struct Options
{
    enum class Mode { Window, SayTime, SayDate, Autostart, Alarms, Help, Version } mode = Mode::Window;
    bool autostart = false; // --autostart on
    bool json = false;      // --alarms --json
    bool hidden = false;    // --hidden: the window starts in the tray while alarms ring on with it closed
    qint16 language = 0; // --lang, or the desktop's language
    std::optional<QDateTime> at;
    QString output;    // empty: the sound device; otherwise a WAV file that receives everything played
    QString configDir; // empty: the user's configuration directory
    QString text;      // --help, --version: what to print
};

// What a command line comes to: the options of its mode, or what is wrong with it and the exit status.
struct ParsedLine
{
    std::optional<Options> options;
    QString problem; // in a few words: "unknown option -loud"
    int status = 0;  // 2: a bad argument
};

// True when the arguments ask for the clock window; speaking, listing the alarms, --help, --autostart and
// errors need no display. Usable before the application object exists.
bool wantsWindow(int argc, char **argv);

// Parses the arguments (the program's name first). Long options take one dash or two; Qt's own options
// (-style, -platform, ...) are passed over. --help and --version win over everything else, as users expect.
ParsedLine parseOptions(const QStringList &arguments);

// --config-dir, or the user's configuration folder.
QString settingsFolder(const Options &options);

// Tells the user on standard error what is wrong with the arguments, and where to read more.
void reportBadArguments(const QString &problem);

// --autostart on|off: writes or removes the login entry that starts this program, hidden in the tray
// when the settings keep alarms ringing with the window closed; the exit status.
int changeAutostart(const Options &options);

class SoundDevice;
// The device everything is played on; null (after one line on standard error) when the output file cannot be written.
// `report` learns after every sound whether it reached the speakers; a WAV file never touches them.
std::unique_ptr<SoundDevice> openOutput(const Options &options, std::function<void(bool heard)> report = {});

// Speaks the phrase once; returns the process exit status: 0, 2 when the output file cannot be
// written, 3 (after one line on standard error) when the phrase did not reach the speakers.
int sayOnce(const Options &options);
