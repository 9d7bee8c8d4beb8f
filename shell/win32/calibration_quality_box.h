#pragma once
// After a calibration: grade it, keep the figure in "Setting.ini", log it and tell the user.
#include "base/screen_metrics.h"
#include "base/settings.h"
#include "platform/profile_store.h"

namespace halvertone {

// Called by the calibration worker right after the table build. The message box gets a thread
// of its own, so the worker finishes and the pen works while the user reads it.
// `settingsFile` is null when the figure is not to be written.
void ReportCalibrationQuality(const Settings& settings, const ScreenMetrics& screen,
                              ProfileStore* settingsFile, ProfileStore& languageFile);

}  // namespace halvertone
