// How loud the alarms sound, apart from the spoken time: a level of Kalindor's own output and a gentle
// start. The defaults sound as the alarms always have.
#pragma once

struct AlarmLoudness
{
    int percent = 100;   // 10-100 % of Kalindor's own output; the system's volume is left alone
    int riseSeconds = 0; // each alarm minute starts at a quarter of `percent` and reaches it after this; 0 = at once

    friend bool operator==(const AlarmLoudness &, const AlarmLoudness &) = default;
};
