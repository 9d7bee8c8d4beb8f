// Target positions on the screen, their shapes and colours, which targets each step shows,
// and the visiting order with its storage places.
#include "calibration/target_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "calibration/visiting_order.h"

namespace halvertone {
namespace {

constexpr TargetGeometry kXga{16, 10, 10, 1024, 768};

TEST(VisitingOrder, ThirteenTargetsInOrderWithTheirStoragePlaces) {
    TargetProgress p;
    std::vector<int> mainIndices;
    std::vector<int> innerIndices;
    int completions = 0;
    for (int step = 1; step <= 13; ++step) {
        ASSERT_TRUE(p.HasCurrentTarget()) << step;
        if (p.phase == 0) {
            EXPECT_EQ(p.MainStep(), step);
            mainIndices.push_back(p.MainIndex());
        } else {
            innerIndices.push_back(p.InnerIndex());
        }
        EXPECT_EQ(p.IsFirstTarget(), step == 1);
        completions += Advance(p) ? step : 0;
    }
    EXPECT_EQ(mainIndices, (std::vector<int>{0, 1, 2, 5, 4, 3, 6, 7, 8}));
    EXPECT_EQ(innerIndices, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(completions, 13) << "only the thirteenth completes";
    EXPECT_FALSE(p.HasCurrentTarget());
    EXPECT_EQ(p.phase, 1);
    EXPECT_EQ(p.innerRow, 2);
    EXPECT_EQ(p.row, 3);
}

TEST(TargetLayout, MainAndInnerPositionsFollowTheScreenSize) {
    // dX = (1024 - 20 - 48) / 2 = 478, dY = (768 - 20 - 48) / 2 = 350.
    EXPECT_EQ(MainTargetOrigin(kXga, 0, 0), (PixelPoint{10, 10}));
    EXPECT_EQ(MainTargetOrigin(kXga, 0, 1), (PixelPoint{504, 10}));
    EXPECT_EQ(MainTargetOrigin(kXga, 2, 2), (PixelPoint{998, 742}));
    EXPECT_EQ(MainTargetOrigin(kXga, 1, 0), (PixelPoint{10, 376}));
    // cW = (1024 - 64 - 20) / 4 = 235, cH = (768 - 20 - 64) / 4 = 171.
    EXPECT_EQ(InnerTargetOrigin(kXga, 0, 0), (PixelPoint{254, 190}));
    EXPECT_EQ(InnerTargetOrigin(kXga, 0, 1), (PixelPoint{757, 190}));
    EXPECT_EQ(InnerTargetOrigin(kXga, 1, 1), (PixelPoint{757, 565}));

    // An odd target size and uneven margins: S / 2 truncates.
    const TargetGeometry hd{15, 7, 12, 1920, 1080};
    EXPECT_EQ(MainTargetOrigin(hd, 1, 1), (PixelPoint{952, 532}));
    EXPECT_EQ(MainTargetOrigin(hd, 2, 2), (PixelPoint{1897, 1052}));
    EXPECT_EQ(InnerTargetOrigin(hd, 0, 0), (PixelPoint{476, 269}));
    EXPECT_EQ(InnerTargetOrigin(hd, 1, 1), (PixelPoint{1427, 796}));
}

TEST(TargetLayout, SquareCrossAndColours) {
    // Square l..l+S (right and bottom exclusive), horizontal line at t + S/2; the vertical line
    // at l + S/2 + 1 for a main target, l + S/2 for an inner one.
    EXPECT_EQ(MainTarget(kXga, 0, 0, TargetStyle::kMeasured),
              (TargetShape{
                  {10, 10, 27, 27}, {{10, 18}, {26, 18}}, {{19, 10}, {19, 26}}, kWhite, kBlack}));
    EXPECT_EQ(InnerTarget(kXga, 1, 0, TargetStyle::kCurrent), (TargetShape{{254, 565, 271, 582},
                                                                           {{254, 573}, {270, 573}},
                                                                           {{262, 565}, {262, 581}},
                                                                           kRed,
                                                                           kGreen}));
}

TEST(TargetLayout, EachStepShowsTheMeasuredTargetsAndTheCurrentOneOnTop) {
    using S = TargetStyle;
    TargetProgress p;
    EXPECT_EQ(TargetsToDraw(kXga, p),
              (std::vector<TargetShape>{MainTarget(kXga, 0, 0, S::kCurrent)}));

    p.row = 1;
    p.column = 0;  // step 4: the middle row starts at the right
    EXPECT_EQ(TargetsToDraw(kXga, p),
              (std::vector<TargetShape>{
                  MainTarget(kXga, 0, 0, S::kMeasured), MainTarget(kXga, 0, 1, S::kMeasured),
                  MainTarget(kXga, 0, 2, S::kMeasured), MainTarget(kXga, 1, 2, S::kCurrent)}));
    p.column = 2;  // step 6
    const auto step6 = TargetsToDraw(kXga, p);
    ASSERT_EQ(step6.size(), 6u);
    EXPECT_EQ(step6[3], MainTarget(kXga, 1, 2, S::kMeasured));
    EXPECT_EQ(step6[4], MainTarget(kXga, 1, 1, S::kMeasured));
    EXPECT_EQ(step6[5], MainTarget(kXga, 1, 0, S::kCurrent));

    p = {3, 0, 1, 0, 1};  // inner target 2
    const auto inner = TargetsToDraw(kXga, p);
    ASSERT_EQ(inner.size(), 12u);
    for (int k = 0; k < 9; ++k) EXPECT_EQ(inner[k].fillColor, kBlack) << k;
    EXPECT_EQ(inner[8], MainTarget(kXga, 2, 2, S::kMeasured));
    EXPECT_EQ(inner[9], InnerTarget(kXga, 0, 0, S::kMeasured));
    EXPECT_EQ(inner[10], InnerTarget(kXga, 0, 1, S::kMeasured));
    EXPECT_EQ(inner[11], InnerTarget(kXga, 1, 0, S::kCurrent));

    p = {3, 4, 2, 0, 1};  // all thirteen done
    const auto done = TargetsToDraw(kXga, p);
    ASSERT_EQ(done.size(), 13u);
    for (const TargetShape& s : done) EXPECT_EQ(s.fillColor, kBlack);
}

}  // namespace
}  // namespace halvertone
