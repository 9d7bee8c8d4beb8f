// The glide before a press and the normalised coordinates of the input records.
#include "tracking/glide.h"

#include <gtest/gtest.h>

#include <vector>

#include "doubles/input_recorder.h"
#include "doubles/virtual_clock.h"
#include "support/mouse_expect.h"

namespace halvertone {
namespace {

using testing_support::Move;
using Records = std::vector<MouseRecord>;

class GlideTest : public ::testing::Test {
  protected:
    Records GlideFrom(PixelPoint cursorAt, PixelPoint target, int32_t speed = 10) {
        cursor.Set(cursorAt);
        input.Clear();
        Glide(out, target, speed);
        return input.Plain();
    }

    sim::VirtualClock clock;
    ScreenMetrics screen;  // 1024 x 768
    sim::SimCursor cursor;
    sim::InputRecorder input{clock, cursor, screen};
    MouseOutput out{input, cursor, screen, clock};
};

TEST_F(GlideTest, MainlyVerticalStepsAlongYWithXInterpolated) {
    EXPECT_EQ(
        GlideFrom({100, 100}, {103, 130}),
        (Records{Move(100, 100), Move(101, 110), Move(102, 120), Move(103, 130), Move(103, 130)}));
    // Upwards, straight: x(c) stays.
    EXPECT_EQ(GlideFrom({100, 130}, {100, 105}),
              (Records{Move(100, 130), Move(100, 120), Move(100, 110), Move(100, 105)}));
}

TEST_F(GlideTest, MainlyHorizontalOvershootIsCorrectedByTheEndPoint) {
    // d = 0, 10, 20; 30 would pass 25. y(d) = d / 5.
    EXPECT_EQ(GlideFrom({0, 0}, {25, 5}),
              (Records{Move(0, 0), Move(10, 2), Move(20, 4), Move(25, 5)}));
    // Leftwards: y(d) = 50 + (d - 100) * 0.4, truncated.
    EXPECT_EQ(GlideFrom({100, 50}, {75, 40}),
              (Records{Move(100, 50), Move(90, 46), Move(80, 42), Move(75, 40)}));
}

TEST_F(GlideTest, EqualDistancesStepAlongX) {
    EXPECT_EQ(GlideFrom({0, 0}, {20, 20}),
              (Records{Move(0, 0), Move(10, 10), Move(20, 20), Move(20, 20)}));
}

TEST_F(GlideTest, NoDistanceSendsTheCursorAndTheEndPoint) {
    EXPECT_EQ(GlideFrom({50, 50}, {50, 50}), (Records{Move(50, 50), Move(50, 50)}));
}

TEST_F(GlideTest, EveryStepWaitsOneMillisecondButNotTheEndPoint) {
    GlideFrom({0, 0}, {25, 5});
    const auto rec = input.Records();
    ASSERT_EQ(rec.size(), 4u);
    for (size_t i = 0; i < rec.size(); ++i) EXPECT_EQ(rec[i].timeMs, i) << i;
    EXPECT_EQ(clock.NowMs(), 3u);
}

TEST_F(GlideTest, StepsBelowOnePixelCountAsOne) {
    for (int32_t speed : {0, -5, INT32_MIN}) {
        EXPECT_EQ(GlideFrom({0, 0}, {3, 0}, speed),
                  (Records{Move(0, 0), Move(1, 0), Move(2, 0), Move(3, 0), Move(3, 0)}))
            << speed;
    }
    EXPECT_EQ(GlideStep(7), 7);
}

TEST_F(GlideTest, HugeStepsStopAfterTheCursor) {
    EXPECT_EQ(GlideFrom({10, 10}, {900, 10}, INT32_MAX), (Records{Move(10, 10), Move(900, 10)}));
}

TEST(Normalise, TruncatesAndStaysDefinedOutsideTheScreen) {
    EXPECT_EQ(NormaliseAxis(1023, 1024), 65471);  // 1023 * 65535 / 1024 = 65471.0...
    EXPECT_EQ(NormaliseAxis(1, 768), 85);
    EXPECT_EQ(NormaliseAxis(-1, 1024), -63) << "toward zero";
    EXPECT_EQ(NormaliseAxis(1024, 1024), 65535);
    EXPECT_EQ(NormaliseAxis(40000, 1024), 2559960)
        << "beyond 32768 pixels 32-bit math would overflow";
    EXPECT_EQ(NormaliseAxis(INT32_MAX, 1), INT32_MAX);
    EXPECT_EQ(NormaliseAxis(INT32_MIN, 1), INT32_MIN);
    EXPECT_EQ(NormaliseAxis(500, 0), 0) << "a screen without size";
    EXPECT_EQ(NormaliseAxis(500, -3), 0);
}

}  // namespace
}  // namespace halvertone
