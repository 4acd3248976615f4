// `kalindor --alarms`: the alarms as the state column of ALARM SET reads them, from the settings files,
// for a terminal or a script.
#pragma once

#include "CommandLine.h"

// Prints the list on standard output and returns the exit status: 0, or 1 (after the message the
// window would give) when a settings file cannot be read. Takes no lock and writes no file.
int listAlarms(const Options &options);
