#pragma once
// Lattices, settings and a recording settings file for the table-construction tests.
#include <array>
#include <string>
#include <vector>

#include "base/calibration_grid.h"
#include "base/settings.h"
#include "platform/profile_store.h"

namespace halvertone::testing {

// G(r, c) = (xs[c], ys[r]): straight rows and columns.
inline CalibrationGrid GridLattice(const std::array<int32_t, 5>& xs,
                                   const std::array<int32_t, 5>& ys) {
    CalibrationGrid g;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            g.G(r, c) = {xs[static_cast<size_t>(c)], ys[static_cast<size_t>(r)]};
    return g;
}

// The default regular lattice: columns 100, 200 .. 500, rows 80, 160 .. 400.
inline CalibrationGrid RegularLattice() {
    return GridLattice({100, 200, 300, 400, 500}, {80, 160, 240, 320, 400});
}

// Only the thirteen measured points of `g`; the derived ones zero.
inline CalibrationGrid MeasuredOnly(const CalibrationGrid& g) {
    CalibrationGrid m;
    m.mainPoints = g.mainPoints;
    for (size_t i = 0; i < 4; ++i) m.gridPoints[i] = g.gridPoints[i];
    return m;
}

inline Settings SettingsWith(const CalibrationGrid& grid, int32_t projectorPosition) {
    Settings s;
    s.grid = grid;
    s.projectorPosition = projectorPosition;
    return s;
}

class RecordingProfileStore final : public ProfileStore {
  public:
    struct Write {
        std::string section, key, value;
    };
    std::vector<Write> writes;
    bool refuseWrites = false;

    std::string GetString(const std::string&, const std::string&, const std::string& fallback,
                          size_t) override {
        return fallback;
    }
    int32_t GetInt(const std::string&, const std::string&, int32_t fallback) override {
        return fallback;
    }
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        if (refuseWrites) return false;
        writes.push_back({section, key, value});
        return true;
    }
};

}  // namespace halvertone::testing
