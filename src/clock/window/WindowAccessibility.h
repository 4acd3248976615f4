// How Kalindor's windows appear to screen readers: the clock as a window, the settings and the About box
// as dialogs, each without the pictures that carry no words. Windows are known by the marks they give
// themselves and their parts (AccessibleAs.h) and widgets by their class, so no window is included here.
#pragma once

// Once per process, before the windows are first read by assistive technology; later calls do nothing.
void installWindowAccessibility();
