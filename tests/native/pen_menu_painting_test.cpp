// The three drawing cases of the pen menus' owner-drawn items.
#include "annotation/pen_menu_painting.h"

#include <gtest/gtest.h>

namespace halvertone {
namespace {

using Kind = MenuPaint::Kind;

constexpr PixelRect kItem{10, 30, 120, 45};  // 110 x 15
constexpr uint32_t kFace = 0xC8D0D4;
constexpr uint32_t kTeal = 0x808000;

constexpr MenuDrawRequest kWhole{true, false, false};
constexpr MenuDrawRequest kWholeSelected{true, false, true};
constexpr MenuDrawRequest kSelectedNow{false, true, true};
constexpr MenuDrawRequest kDeselected{false, true, false};

TEST(PenMenuPainting, ColourItemInEachCase) {
    const MenuPaint swatch{Kind::kFill, {13, 33, 117, 42}, kTeal};
    const MenuPaint red{Kind::kFrame, {11, 31, 119, 44}, 0x0000FF};
    EXPECT_EQ(ColourItemPaints(kItem, kTeal, false, kWhole, kFace), std::vector{swatch});
    EXPECT_EQ(ColourItemPaints(kItem, kTeal, true, kWhole, kFace), (std::vector{swatch, red}));

    const MenuPaint blue{Kind::kFrame, kItem, 0xFF0000};
    const MenuPaint white{Kind::kFrame, {11, 31, 119, 44}, 0xFFFFFF};
    EXPECT_EQ(ColourItemPaints(kItem, kTeal, false, kSelectedNow, kFace),
              (std::vector{blue, white}));
    EXPECT_EQ(ColourItemPaints(kItem, kTeal, true, kSelectedNow, kFace), (std::vector{blue, red}));
    // Whole and selected: the swatch, then the selection frames, and nothing after them.
    EXPECT_EQ(ColourItemPaints(kItem, kTeal, false, kWholeSelected, kFace),
              (std::vector{swatch, blue, white}));

    const MenuPaint face{Kind::kFill, kItem, kFace};
    EXPECT_EQ(ColourItemPaints(kItem, kTeal, false, kDeselected, kFace),
              (std::vector{face, swatch}));
    EXPECT_EQ(ColourItemPaints(kItem, kTeal, true, kDeselected, kFace),
              (std::vector{face, swatch, red}));
    EXPECT_TRUE(ColourItemPaints(kItem, kTeal, true, {false, false, false}, kFace).empty())
        << "a focus change alone paints nothing";
}

TEST(PenMenuPainting, LineItemInEachCase) {
    // Height 15, bar 4: top = 30 + (15 - 4) / 2 = 35.
    const MenuPaint bar{Kind::kFill, {12, 35, 118, 39}, 0x000000};
    const MenuPaint redOuter{Kind::kFrame, kItem, 0x0000FF};
    const MenuPaint redInner{Kind::kFrame, {11, 31, 119, 44}, 0x0000FF};
    EXPECT_EQ(LineItemPaints(kItem, 4, false, kWhole, kFace), std::vector{bar});
    EXPECT_EQ(LineItemPaints(kItem, 4, true, kWhole, kFace), (std::vector{bar, redOuter}));

    const MenuPaint blue{Kind::kFrame, kItem, 0xFF0000};
    EXPECT_EQ(LineItemPaints(kItem, 4, false, kSelectedNow, kFace), std::vector{blue});
    EXPECT_EQ(LineItemPaints(kItem, 4, true, kSelectedNow, kFace), (std::vector{blue, redInner}));

    const MenuPaint face{Kind::kFill, kItem, kFace};
    EXPECT_EQ(LineItemPaints(kItem, 4, true, kDeselected, kFace),
              (std::vector{face, bar, redInner}));

    // Odd heights centre with integer division; a bar never leaves its item.
    EXPECT_EQ(LineItemPaints(kItem, 7, false, kWhole, kFace)[0].rect, (PixelRect{12, 34, 118, 41}));
    EXPECT_EQ(LineItemPaints(kItem, 500, false, kWhole, kFace)[0].rect,
              (PixelRect{12, 30, 118, 45}));
    EXPECT_EQ(LineItemPaints(kItem, -3, false, kWhole, kFace)[0].rect,
              (PixelRect{12, 37, 118, 37}));
}

}  // namespace
}  // namespace halvertone
