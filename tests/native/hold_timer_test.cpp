// The hold timer: a pressed spot held still sends a right-button release every 400 ms.
#include <gtest/gtest.h>

#include "support/mouse_expect.h"
#include "doubles/mouse_rig.h"

namespace halvertone {
namespace {

class HoldTimerTest : public ::testing::Test {
  protected:
    // Lets virtual time pass without frames, delivering the timer's ticks.
    void Pass(uint64_t ms) {
        for (uint64_t t = 0; t < ms; ++t) {
            rig.clock.Advance(1);
            rig.timers.FireDue([&](uint32_t id) {
                if (id == HoldTimer::kId) rig.holdTimer.Tick();
            });
        }
    }
    std::vector<uint64_t> RightUpTimes() const {
        std::vector<uint64_t> times;
        for (const auto& r : rig.input.Records())
            if (r.record.flags == kMouseRightUp) times.push_back(r.timeMs);
        return times;
    }

    sim::MouseRig rig;
};

TEST_F(HoldTimerTest, HoldingStillWhilePressedReleasesTheRightButtonEvery400Ms) {
    rig.SpotFrame(300, 200);  // glide press: the timer starts at 0, the press lands at 102
    ASSERT_TRUE(rig.state.penDown);
    Pass(2000 - rig.clock.NowMs());
    // The tick at 400 only samples the reference (it was (0, 0)); then every tick releases.
    EXPECT_EQ(RightUpTimes(), (std::vector<uint64_t>{800, 1200, 1600, 2000}));
    // The cursor sits where the move put it: one pixel short of (300, 200) after rounding.
    EXPECT_EQ(rig.input.Records().back().record, (MouseRecord{299, 199, kMouseRightUp}))
        << "cursor pixels, not normalised";
}

TEST_F(HoldTimerTest, MovementOfFivePixelsResamplesInsteadOfReleasing) {
    rig.SpotFrame(300, 200);
    rig.cursor.Set({300, 200});
    Pass(400 - rig.clock.NowMs());  // reference (300, 200)
    rig.cursor.Set({304, 196});
    Pass(400);
    EXPECT_EQ(RightUpTimes(), (std::vector<uint64_t>{800})) << "4 pixels is still";
    rig.cursor.Set({309, 196});
    Pass(400);
    EXPECT_EQ(rig.state.holdReference, (PixelPoint{309, 196}));
    Pass(400);
    EXPECT_EQ(RightUpTimes(), (std::vector<uint64_t>{800, 1600}));
}

// Still means under 5 pixels on both axes: exactly 5 on either one is a move.
TEST_F(HoldTimerTest, FivePixelsOnEitherAxisIsAMove) {
    rig.SpotFrame(300, 200);
    rig.cursor.Set({300, 200});
    Pass(400 - rig.clock.NowMs());  // reference (300, 200)
    for (const PixelPoint to :
         {PixelPoint{305, 200}, PixelPoint{305, 195}, PixelPoint{300, 195}, PixelPoint{300, 200}}) {
        rig.cursor.Set(to);
        Pass(400);
        EXPECT_EQ(rig.state.holdReference, to);
    }
    EXPECT_TRUE(RightUpTimes().empty());
}

TEST_F(HoldTimerTest, OnlyAPressedMouseToolReleases) {
    rig.SpotFrame(300, 200);
    Pass(400 - rig.clock.NowMs());
    rig.toolbar.toolMode = kToolPen;
    Pass(400);
    rig.toolbar.toolMode = kToolMouse;
    rig.NoSpotFrame();
    Pass(400);
    EXPECT_TRUE(RightUpTimes().empty());
}

TEST_F(HoldTimerTest, EveryGlidePressRestartsTheTimer) {
    rig.SpotFrame(300, 200);
    rig.NoSpotFrame();
    Pass(300 - rig.clock.NowMs());
    rig.SpotFrame(600, 200);  // restart at 300 (+ glide time)
    const uint64_t restart = rig.timers.Starts().back().timeMs;
    EXPECT_EQ(rig.timers.Starts().size(), 2u);
    EXPECT_EQ(restart, 300u);
    Pass(restart + 800 - rig.clock.NowMs());
    EXPECT_EQ(RightUpTimes(), (std::vector<uint64_t>{restart + 800}));
}

}  // namespace
}  // namespace halvertone
