#include "shell/calibration_quality_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/setting_keys.h"
#include "shell/text_table.h"

namespace halvertone {
namespace {

std::string Tenths(int32_t tenths) {
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

int32_t ToTenths(double px) {
    // A fit that settled has finite residuals; the cap keeps the key an honest integer.
    return static_cast<int32_t>(std::lround(std::min(std::max(px, 0.0), 1e6) * 10));
}

}  // namespace

CalibrationQuality GradeFinishedCalibration(const Settings& s, const ScreenMetrics& screen) {
    const TargetGeometry targets{.size = s.calibrationSize,
                                 .shiftX = s.calibrationShiftX,
                                 .shiftY = s.calibrationShiftY,
                                 .screenWidth = screen.width,
                                 .screenHeight = screen.height};
    return GradeCalibration(s.measured, targets, s.projectorPosition);
}

void WriteCalibrationQuality(ProfileStore& file, const CalibrationQuality& q) {
    const bool fitted = q.hint != QualityHint::kNoFit;
    file.WriteString(kSettingsSection, kCalibrationResidualKey,
                     std::to_string(fitted ? ToTenths(q.largestResidual) : -1));
    file.WriteString(kSettingsSection, kCalibrationWorstTargetKey,
                     std::to_string(fitted ? q.worstTarget : 0));
}

std::optional<StoredQuality> ReadCalibrationQuality(ProfileStore& file) {
    const StoredQuality q{file.GetInt(kSettingsSection, kCalibrationResidualKey, -1),
                          file.GetInt(kSettingsSection, kCalibrationWorstTargetKey, 0)};
    if (q.residualTenths < 0 || q.worstTarget < 1 || q.worstTarget > 13) return std::nullopt;
    return q;
}

std::string QualityMessage(const CalibrationQuality& q, ProfileStore& language) {
    const std::string px = Tenths(ToTenths(q.largestResidual));
    const std::string target = std::to_string(q.worstTarget);
    const auto text = [&](TextId id) {
        return FillFields(
            ReadText(language, id),
            {{"{px}", px}, {"{target}", target}, {"{percent}", std::to_string(q.coveragePercent)}});
    };
    switch (q.hint) {
        case QualityHint::kNone:
            return text(TextId::kQualityGood);
        case QualityHint::kNoFit:
            return text(TextId::kQualityNoFit);
        case QualityHint::kHoldStill:
            return text(TextId::kQualityPoor) + "\r\n" + text(TextId::kQualityHoldStill);
        case QualityHint::kTooSmall:
            return text(TextId::kQualityPoor) + "\r\n" + text(TextId::kQualityTooSmall);
        case QualityHint::kCalibrate:
            return text(TextId::kQualityPoor) + "\r\n" + text(TextId::kQualityCalibrate);
    }
    return {};
}

std::string QualityAboutLine(ProfileStore& settingsFile, ProfileStore& language) {
    const auto stored = ReadCalibrationQuality(settingsFile);
    if (!stored) return {};
    return FillFields(ReadText(language, TextId::kAboutCalibration),
                      {{"{px}", Tenths(stored->residualTenths)},
                       {"{target}", std::to_string(stored->worstTarget)}});
}

std::string QualityLogLine(const CalibrationQuality& q) {
    if (q.hint == QualityHint::kNoFit)
        return "Calibration graded poor: the measured points fit no camera view (" + q.whyNot + ")";
    static constexpr const char* kWhy[] = {"", "; one target stands out",
                                           "; the screen fills too little of the picture",
                                           "; several targets are off", ""};
    char line[256];
    std::snprintf(line, sizeof line,
                  "Calibration graded %s: largest residual %.1f px at target %d (next %.1f px, "
                  "good up to %.1f px); the calibrated region fills %d %% of the picture%s",
                  q.good ? "good" : "poor", q.largestResidual, q.worstTarget, q.nextResidual,
                  q.tolerance, q.coveragePercent, kWhy[static_cast<int>(q.hint)]);
    return line;
}

}  // namespace halvertone
