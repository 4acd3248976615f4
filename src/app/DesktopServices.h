// The main window's services on a real desktop: quit the application, QMessageBox, QFileDialog, the
// system-information launcher, Qt's own translations.
#pragma once

#include "HorP.h"

HorPServices desktopServices();
