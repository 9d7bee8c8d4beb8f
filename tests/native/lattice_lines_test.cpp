// Where the upright table of "Mapping Mode" 1 places the lattice: each measured target's camera
// pixel maps to the cross the user held the pen on, for any screen and target settings, with no
// band of the screen shifted afterwards; settings whose targets cannot stand in order keep
// quarters.
#include "calibration/lattice_lines.h"

#include <gtest/gtest.h>

#include <string>

#include "base/screen_metrics.h"
#include "calibration/table_builder.h"
#include "calibration/target_layout.h"
#include "native/lattice_fixtures.h"

namespace halvertone {
namespace {

using testing::RegularLattice;
using testing::SettingsWith;

ScreenMapping BuildUpright(const TargetGeometry& t) {
    Settings settings = SettingsWith(RegularLattice(), kUpright);
    settings.calibrationSize = t.size;
    settings.calibrationShiftX = t.shiftX;
    settings.calibrationShiftY = t.shiftY;
    settings.mappingMode = kCrossesMapping;
    ScreenMetrics metrics;
    metrics.Set(t.screenWidth, t.screenHeight);
    ScreenMapping mapping;
    TableBuilder(settings, metrics, mapping).Build(0);
    return mapping;
}

TEST(LatticeLines, EveryInnerLatticePointMapsToItsTargetsCross) {
    for (const TargetGeometry t :
         {TargetGeometry{}, TargetGeometry{16, 10, 10, 1920, 1080},
          TargetGeometry{24, 40, 30, 1366, 768}, TargetGeometry{16, 10, 10, 800, 600}}) {
        const std::string what = std::to_string(t.screenWidth) + "x" +
                                 std::to_string(t.screenHeight) + " size " + std::to_string(t.size);
        const ScreenMapping mapping = BuildUpright(t);
        const CalibrationGrid lattice = RegularLattice();
        // Inner targets at the odd lattice places, the middle main target at G(2, 2); the
        // band H/6..H/3 that the first inner row lies in is not shifted.
        for (int a = 0; a < 2; ++a)
            for (int b = 0; b < 2; ++b) {
                const PixelPoint p = lattice.G(2 * a + 1, 2 * b + 1);
                EXPECT_EQ(mapping.Table().At(p.x, p.y),
                          CrossOf(InnerTarget(t, a, b, TargetStyle::kMeasured)))
                    << what << " inner " << a << b;
            }
        const PixelPoint middle = lattice.G(2, 2);
        EXPECT_EQ(mapping.Table().At(middle.x, middle.y),
                  CrossOf(MainTarget(t, 1, 1, TargetStyle::kMeasured)))
            << what;
        // The derived points on the middle lines: the middle row's y, the inner columns' x.
        const PixelPoint left = lattice.G(2, 1);
        EXPECT_EQ(mapping.Table().At(left.x, left.y),
                  (PixelPoint{CrossOf(InnerTarget(t, 0, 0, TargetStyle::kMeasured)).x,
                              CrossOf(MainTarget(t, 1, 1, TargetStyle::kMeasured)).y}))
            << what;
        // The outer ring stands for the screen's edges.
        EXPECT_EQ(mapping.Table().At(lattice.G(0, 0).x, lattice.G(0, 0).y), (PixelPoint{0, 0}))
            << what;
    }
}

TEST(LatticeLines, TargetsThatCannotStandInOrderKeepQuartersAndTheirBandShifts) {
    // Margins of 600 pixels on a 1024-pixel screen: the first inner column would lie right of
    // the middle one. Cell 5 then starts at the quarters, and 192 lies in the +3 band.
    const ScreenMapping mapping = BuildUpright(TargetGeometry{16, 600, 10, 1024, 768});
    const PixelPoint p = RegularLattice().G(1, 1);
    EXPECT_EQ(mapping.Table().At(p.x, p.y), (PixelPoint{256, 192 + 3}));
    // Settings far beyond any screen build without fault, on quarters as well.
    const ScreenMapping wild = BuildUpright(TargetGeometry{1 << 30, 10, 10, 1024, 768});
    EXPECT_EQ(wild.Table().At(p.x, p.y), (PixelPoint{256, 192 + 3}));
    // The refusal starts at 2^24: one pixel less still gets lines. Screens that wide never
    // reach the table (their sides are held at 65535 where they are read).
    EXPECT_TRUE(TargetLines(TargetGeometry{16, 10, 10, (1 << 24) - 1, 768}).has_value());
    EXPECT_FALSE(TargetLines(TargetGeometry{16, 10, 10, 1 << 24, 768}).has_value());
    const TargetGeometry widest{16, 10, 10, 1 << 24, 768};
    TargetGeometry held = widest;
    held.screenWidth = kScreenExtentLimit;
    EXPECT_EQ(BuildUpright(widest).Table().At(p.x, p.y),
              CrossOf(InnerTarget(held, 0, 0, TargetStyle::kMeasured)));
}

}  // namespace
}  // namespace halvertone
