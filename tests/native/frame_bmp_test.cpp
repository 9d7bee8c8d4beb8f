// Recorded frames: what the probe accepts and how it refuses the rest.
#include <gtest/gtest.h>

#include <cstring>

#include "capture/camera_frame.h"
#include "capture/frame_bmp.h"
#include "simulator/frame_painter.h"

namespace halvertone {
namespace {

TEST(FrameBmp, RoundTripKeepsTheBottomUpRows) {
    sim::FramePainter f;
    f.SetPixel(5, 0, 200);  // top row of the picture = last row in memory
    const auto parsed = ParseFrameBmp(EncodeFrameBmp(f.Bytes()));
    ASSERT_TRUE(parsed.ok) << parsed.error;
    EXPECT_EQ(CameraFrame{parsed.frame.data()}.Green(5, 0), 200);
}

TEST(FrameBmp, TopDownFileIsTurnedIntoFrameOrder) {
    sim::FramePainter f;
    f.SetPixel(5, 0, 200);
    auto file = EncodeFrameBmp(f.Bytes());
    // Same picture stored top-down: negative height, rows reversed.
    const int32_t h = -480;
    std::memcpy(file.data() + 22, &h, 4);
    std::vector<uint8_t> rows(file.begin() + 54, file.end());
    for (int y = 0; y < 480; ++y)
        std::memcpy(file.data() + 54 + y * kFrameStride, rows.data() + (479 - y) * kFrameStride, kFrameStride);
    const auto parsed = ParseFrameBmp(file);
    ASSERT_TRUE(parsed.ok);
    EXPECT_EQ(CameraFrame{parsed.frame.data()}.Green(5, 0), 200);
}

TEST(FrameBmp, BadFilesAreRefusedWithAReason) {
    sim::FramePainter f;
    const auto good = EncodeFrameBmp(f.Bytes());
    EXPECT_FALSE(ParseFrameBmp({}).ok);
    auto notBmp = good;
    notBmp[0] = 'X';
    EXPECT_NE(ParseFrameBmp(notBmp).error.find("not a BMP"), std::string::npos);
    auto truncated = good;
    truncated.resize(good.size() - 1);
    EXPECT_NE(ParseFrameBmp(truncated).error.find("truncated"), std::string::npos);
    auto depth = good;
    depth[28] = 32;
    EXPECT_NE(ParseFrameBmp(depth).error.find("depth"), std::string::npos);
    auto size = good;
    size[18] = 0x7F;  // width 639
    EXPECT_NE(ParseFrameBmp(size).error.find("size"), std::string::npos);
    auto offset = good;
    offset[10] = 0xFF;
    offset[11] = 0xFF;
    offset[12] = 0xFF;
    offset[13] = 0x7F;
    EXPECT_FALSE(ParseFrameBmp(offset).ok);
}

}  // namespace
}  // namespace halvertone
