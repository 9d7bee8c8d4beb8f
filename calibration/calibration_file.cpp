#include "calibration/calibration_file.h"

#include <string>

namespace halvertone {
namespace {

constexpr const char* kSection = "SETTING";

void WriteInt(ProfileStore& store, const std::string& key, int32_t value) {
    store.WriteString(kSection, key, std::to_string(value));
}

template <size_t N>
void WritePoints(ProfileStore& store, const std::string& prefix,
                 const std::array<PixelPoint, N>& points) {
    for (size_t i = 0; i < N; ++i) {
        const std::string key = prefix + " " + std::to_string(i + 1);
        WriteInt(store, key + "-x", points[i].x);
        WriteInt(store, key + "-y", points[i].y);
    }
}

}  // namespace

void WriteLattice(ProfileStore& store, const CalibrationGrid& grid, int32_t screenWidth,
                  int32_t screenHeight) {
    WriteInt(store, "Calibration-Screen-x", screenWidth);
    WriteInt(store, "Calibration-Screen-y", screenHeight);
    WritePoints(store, "Calibration", grid.mainPoints);
    WritePoints(store, "Calibration_2", grid.gridPoints);
}

void WriteProjectorPosition(ProfileStore& store, int32_t projectorPosition) {
    WriteInt(store, "Projector Position", projectorPosition);
}

void WriteMeasuredPoints(ProfileStore& store, const MeasuredPoints& measured) {
    WritePoints(store, "Measured Point", measured.points);
}

void WriteMappingMode(ProfileStore& store, int32_t mappingMode) {
    WriteInt(store, "Mapping Mode", mappingMode);
}

}  // namespace halvertone
