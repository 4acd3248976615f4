// How Kalindor's windows appear to screen readers: the clock as a window, the settings and the About box
// as dialogs, each without the pictures that carry no words.
#pragma once

// Once per process, before the windows are first read by assistive technology; later calls do nothing.
void installWindowAccessibility();
