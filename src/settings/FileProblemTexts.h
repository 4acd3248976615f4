// What the user is told of settings files that could not be read or written, in the current language.
#pragma once

#include "AlarmFiles.h"

// "A settings file cannot be read. …", then "path: reason" for each file, a blank line before each.
QString loadFailureText(const QList<FileProblem> &problems, Language language);
// "The settings could not be saved.", then the files the same way.
QString storeFailureText(const QList<FileProblem> &problems, Language language);
