// The half turn of a camera picture done on the frame itself.
#include "capture/frame_turn.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>
#include <vector>

#include "simulator/frame_painter.h"

namespace halvertone {
namespace {

TEST(FrameTurn, PixelsMoveToTheOppositeCornerWithTheirColoursIntact) {
    sim::FramePainter p(0);
    auto& bytes = p.Bytes();
    // A distinct blue/green/red triple at a few image positions.
    const auto put = [&](int x, int y, uint8_t b, uint8_t g, uint8_t r) {
        const size_t o = PixelOffset(x, y);
        bytes[o] = b;
        bytes[o + 1] = g;
        bytes[o + 2] = r;
    };
    put(0, 0, 1, 2, 3);
    put(639, 479, 4, 5, 6);
    put(10, 20, 7, 8, 9);
    put(320, 240, 10, 11, 12);
    TurnFrame180(bytes.data(), bytes.size());

    const auto at = [&](int x, int y) {
        const size_t o = PixelOffset(x, y);
        return std::vector<uint8_t>{bytes[o], bytes[o + 1], bytes[o + 2]};
    };
    EXPECT_EQ(at(639, 479), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(at(0, 0), (std::vector<uint8_t>{4, 5, 6}));
    EXPECT_EQ(at(629, 459), (std::vector<uint8_t>{7, 8, 9}));
    EXPECT_EQ(at(319, 239), (std::vector<uint8_t>{10, 11, 12}));
    EXPECT_EQ(std::accumulate(bytes.begin(), bytes.end(), 0), 78) << "nothing else changed";
}

TEST(FrameTurn, TwoTurnsRestoreTheFrameAndSpotsLandMirrored) {
    sim::FramePainter p(5);
    p.AddSpot(100.0, 50.0, 2.0, 240);
    const std::vector<uint8_t> before = p.Bytes();
    auto bytes = before;
    TurnFrame180(bytes.data(), bytes.size());
    EXPECT_NE(bytes, before);
    EXPECT_EQ(bytes[PixelOffset(639 - 100, 479 - 50) + 1], before[PixelOffset(100, 50) + 1]);
    TurnFrame180(bytes.data(), bytes.size());
    EXPECT_EQ(bytes, before);
}

TEST(FrameTurn, OddLengthsLeaveTheTrailingBytesAndSmallBuffersAlone) {
    std::vector<uint8_t> v = {1, 2, 3, 4, 5, 6, 7, 8, 9, 42, 43};  // three pixels and two bytes
    TurnFrame180(v.data(), v.size());
    EXPECT_EQ(v, (std::vector<uint8_t>{7, 8, 9, 4, 5, 6, 1, 2, 3, 42, 43}));
    std::vector<uint8_t> one = {1, 2, 3, 4};
    TurnFrame180(one.data(), one.size());
    EXPECT_EQ(one, (std::vector<uint8_t>{1, 2, 3, 4}));
    TurnFrame180(nullptr, 100);  // no buffer: nothing to do, no crash
}

TEST(FrameTurn, TurningWhileCopyingGivesTheSameBytesAsTheInPlaceTurn) {
    std::mt19937 random(14);
    // A whole frame, and lengths around the five-pixel steps, with and without a partial pixel.
    for (size_t length : {kFrameBytes, size_t{0}, size_t{2}, size_t{3}, size_t{17}, size_t{18},
                          size_t{19}, size_t{47}, size_t{100}}) {
        std::vector<uint8_t> src(length);
        for (uint8_t& b : src) b = static_cast<uint8_t>(random());
        std::vector<uint8_t> expected = src;
        TurnFrame180(expected.data(), expected.size());
        std::vector<uint8_t> copied(length + 1, 0xEE);  // one guard byte past the end
        CopyTurned180(copied.data(), src.data(), length);
        EXPECT_EQ(copied.back(), 0xEE) << length;
        copied.pop_back();
        EXPECT_EQ(copied, expected) << length;
    }
}

}  // namespace
}  // namespace halvertone
