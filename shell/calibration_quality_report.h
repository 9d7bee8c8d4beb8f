#pragma once
// What the program does with a calibration's grade: the message for the user in the
// language file's words, the figure kept in "Setting.ini" for the About box, and the line in
// the program log.
#include <cstdint>
#include <optional>
#include <string>

#include "base/screen_metrics.h"
#include "base/settings.h"
#include "calibration/calibration_quality.h"
#include "platform/profile_store.h"

namespace halvertone {

// Section "SETTING". The largest residual in tenths of a screen pixel, -1 when the points fit
// no view; the target it belongs to, 1..13 in the order shown, 0 when there is none.
inline constexpr const char* kCalibrationResidualKey = "Calibration Residual";
inline constexpr const char* kCalibrationWorstTargetKey = "Calibration Worst Target";

// The calibration just finished, as the table build left it in `settings`.
CalibrationQuality GradeFinishedCalibration(const Settings& settings, const ScreenMetrics& screen);

void WriteCalibrationQuality(ProfileStore& settingsFile, const CalibrationQuality& quality);

struct StoredQuality {
    int32_t residualTenths = 0;
    int32_t worstTarget = 0;
};
// None when the file holds no graded calibration (never graded, or points that fit no view).
std::optional<StoredQuality> ReadCalibrationQuality(ProfileStore& settingsFile);

// The message box's text: the grade and, when poor, what to do.
std::string QualityMessage(const CalibrationQuality& quality, ProfileStore& languageFile);
// The About box's line; empty when the file holds no graded calibration.
std::string QualityAboutLine(ProfileStore& settingsFile, ProfileStore& languageFile);
std::string QualityLogLine(const CalibrationQuality& quality);

}  // namespace halvertone
