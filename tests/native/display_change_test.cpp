// The rebuild after a display change: the new screen size read, the toolbar laid out, the
// table rebuilt for the new size without touching the settings file or the lattice.
#include "calibration/display_change.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "native/lattice_fixtures.h"

namespace halvertone {
namespace {

using testing::MeasuredOnly;
using testing::RecordingProfileStore;
using testing::RegularLattice;
using testing::SettingsWith;

TEST(DisplayChange, RebuildsForTheNewScreenWithoutSaving) {
    Settings settings = SettingsWith(MeasuredOnly(RegularLattice()), kUpright);
    ScreenMetrics metrics;
    metrics.Set(1024, 768);
    ScreenMapping mapping;
    RecordingProfileStore store;
    TableBuilder builder(settings, metrics, mapping, {true, &store, [] {}});

    std::vector<std::string> calls;
    DisplayRebuildPorts ports;
    ports.readScreenSize = [&] {
        calls.push_back("size");
        return ScreenSize{1920, 1080};
    };
    ports.layOutToolbar = [&] {
        // Laid out before the table is rebuilt: the table still holds the old screen.
        calls.push_back("toolbar " + std::to_string(mapping.Table().At(200, 160).x));
    };
    builder.Build(0);
    RebuildForNewScreen(ports, metrics, builder);

    // Cell 5 starts at the screen's quarter: x 256 on 1024 pixels, 480 on 1920.
    EXPECT_EQ(calls, (std::vector<std::string>{"size", "toolbar 256"}));
    EXPECT_EQ(mapping.Table().At(200, 160).x, 480);
    EXPECT_EQ(metrics.width.load(), 1920);
    EXPECT_EQ(metrics.height.load(), 1080);
    EXPECT_EQ(metrics.scaleX, 1920 * 0.0015625);
    EXPECT_EQ(metrics.scaleY, 1080 * 0.0020833333333333333);
    EXPECT_TRUE(store.writes.empty());           // flag 0: nothing saved
    EXPECT_EQ(settings.grid, RegularLattice());  // nor extended
}

TEST(DisplayChange, MissingPortsAreSkipped) {
    Settings settings = SettingsWith(RegularLattice(), kUpright);
    ScreenMetrics metrics;
    metrics.Set(1024, 768);
    ScreenMapping mapping;
    TableBuilder builder(settings, metrics, mapping);
    RebuildForNewScreen({}, metrics, builder);
    EXPECT_EQ(metrics.width.load(), 1024);
    // The quarter point (256, 192), in the band H/6..H/3 that is shifted by 3.
    EXPECT_EQ(mapping.Table().At(200, 160), (PixelPoint{256, 195}));
}

}  // namespace
}  // namespace halvertone
