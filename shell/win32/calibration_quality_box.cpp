#include "shell/win32/calibration_quality_box.h"

#include <windows.h>

#include <string>
#include <thread>

#include "platform/program_log.h"
#include "shell/calibration_quality_report.h"
#include "shell/text_table.h"

namespace halvertone {

void ReportCalibrationQuality(const Settings& settings, const ScreenMetrics& screen,
                              ProfileStore* settingsFile, ProfileStore& languageFile) {
    const CalibrationQuality quality = GradeFinishedCalibration(settings, screen);
    if (settingsFile) WriteCalibrationQuality(*settingsFile, quality);
    LogLine(QualityLogLine(quality));
    std::thread([text = QualityMessage(quality, languageFile),
                 caption = ReadText(languageFile, TextId::kQualityCaption),
                 icon = quality.good ? MB_ICONINFORMATION : MB_ICONWARNING] {
        MessageBoxA(nullptr, text.c_str(), caption.c_str(),
                    MB_OK | icon | MB_SETFOREGROUND | MB_TOPMOST);
    }).detach();
}

}  // namespace halvertone
