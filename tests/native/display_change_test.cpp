// A display change: tools stopped, 300 ms of virtual time, the new screen size read, the
// table rebuilt for it without touching the settings file, the chosen tool restarted.
#include "calibration/display_change.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "native/lattice_fixtures.h"
#include "platform/sim/virtual_clock.h"

namespace halvertone {
namespace {

using testing::MeasuredOnly;
using testing::RecordingProfileStore;
using testing::RegularLattice;
using testing::SettingsWith;

TEST(DisplayChange, StopsWaitsRebuildsForTheNewScreenAndRestarts) {
    Settings settings = SettingsWith(MeasuredOnly(RegularLattice()), kUpright);
    ScreenMetrics metrics;
    metrics.Set(1024, 768);
    ScreenMapping mapping;
    RecordingProfileStore store;
    TableBuilder builder(settings, metrics, mapping, {true, &store, [] {}});
    sim::VirtualClock clock(1000);

    std::vector<std::string> calls;
    DisplayChangePorts ports;
    ports.stopAllTools = [&] { calls.push_back("stop@" + std::to_string(clock.NowMs())); };
    ports.readScreenSize = [&] {
        calls.push_back("size@" + std::to_string(clock.NowMs()));
        return ScreenSize{1920, 1080};
    };
    ports.layOutToolbar = [&] { calls.push_back("toolbar"); };
    ports.restartCurrentTool = [&] {
        // By now the table is built for the new screen: cell 5 starts at 1920 / 4.
        calls.push_back("restart " + std::to_string(mapping.Table().At(200, 160).x));
    };
    RebuildAfterDisplayChange(ports, clock, metrics, builder);

    EXPECT_EQ(calls,
              (std::vector<std::string>{"stop@1000", "size@1300", "toolbar", "restart 480"}));
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
    sim::VirtualClock clock;
    RebuildAfterDisplayChange({}, clock, metrics, builder);
    EXPECT_EQ(clock.NowMs(), 300u);
    EXPECT_EQ(metrics.width.load(), 1024);
    EXPECT_EQ(mapping.Table().At(200, 160), (PixelPoint{256, 192 + 3}));  // in the +3 band
}

}  // namespace
}  // namespace halvertone
