// Which camera format is asked for: 640 x 480, RGB24 before anything that must be converted.
#include "capture/capture_format.h"

#include <gtest/gtest.h>

#include <vector>

namespace halvertone {
namespace {

using V = VideoSubtype;

std::optional<size_t> Choose(const std::vector<OfferedFormat>& offers) {
    return ChooseCaptureFormat(offers);
}

TEST(CaptureFormat, Takes640x480PreferringRgb24ThenTheEasiestConversion) {
    // A 1280 x 720 default first, as such cameras list it.
    EXPECT_EQ(Choose({{V::kMjpg, 1280, 720},
                      {V::kYuy2, 640, 480},
                      {V::kRgb24, 320, 240},
                      {V::kRgb24, 640, 480},
                      {V::kYuy2, 1280, 720}}),
              3u);
    EXPECT_EQ(Choose({{V::kMjpg, 640, 480},
                      {V::kYuy2, 1280, 720},
                      {V::kYuy2, 640, 480},
                      {V::kYuy2, 640, 480}}),
              2u)
        << "YUY2 before MJPG; the first of equals";
    EXPECT_EQ(Choose({{V::kOther, 640, 480}, {V::kNv12, 640, 480}}), 1u);
}

TEST(CaptureFormat, NothingUsableAt640x480IsNoChoice) {
    EXPECT_FALSE(Choose({}));
    EXPECT_FALSE(Choose({{V::kYuy2, 1280, 720}, {V::kRgb24, 640, 360}, {V::kOther, 640, 480}}));
    EXPECT_FALSE(Choose({{V::kRgb24, 640, -480}})) << "a top-down picture would be upside down";
}

}  // namespace
}  // namespace halvertone
