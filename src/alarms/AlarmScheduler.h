// Sounding the alarms a check found ringing, and what the stop button says.
#pragma once

#include "AlarmBook.h"
#include "AlarmMatch.h"
#include "Speaker.h"

#include <bitset>
#include <functional>

// Sounds each ringing alarm of the book once, alarm 1 first: its wave file when the caption is not
// "Browse", otherwise its options. Which alarms ring was decided before any sound starts, so a long
// sound of alarm 1 does not rob alarm 2 of its turn in the same minute. `starting` hears of each alarm
// (1-10) just before its sound is asked for, `sounded` just after.
void soundAlarms(AlarmBook &book, std::bitset<10> ringing, Language language, Speaker &speaker,
                 const std::function<void(int alarm)> &starting = {}, const std::function<void(int alarm)> &sounded = {});

// What the stop button says: the alarm goes on for its minute.
QString stopMessage(Language language);
