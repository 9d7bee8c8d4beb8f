// The stroke library draws with whatever pen and mix mode the caller selected.
#include <gtest/gtest.h>
#include <windows.h>

#include "kit_test_support.h"
#include "doubles/recording_message_box.h"

namespace halvertone {
namespace {

namespace sk = kits::stroke_kit;

class StrokeKit : public ::testing::Test {
  protected:
    static constexpr int kSize = 20;

    void SetUp() override {
        ASSERT_TRUE(LoadStrokeKit(kits_, testing::ProgramDir(), 1, messages_));
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), kSize, -kSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_),
                                   nullptr, 0);
        ASSERT_NE(bitmap_, nullptr);
        old_ = SelectObject(dc_, bitmap_);
        for (int i = 0; i < kSize * kSize; ++i) bits_[i] = 0xFFFFFF;
    }
    void TearDown() override {
        if (dc_) {
            DeleteObject(SelectObject(dc_, GetStockObject(BLACK_PEN)));
            SelectObject(dc_, old_);
            DeleteDC(dc_);
        }
        if (bitmap_) DeleteObject(bitmap_);
        ReleaseKits(kits_);
    }
    void UsePen(COLORREF colour, int width, int rop2) {
        DeleteObject(SelectObject(dc_, CreatePen(PS_SOLID, width, colour)));
        SetROP2(dc_, rop2);
    }
    uint32_t Pixel(int x, int y) const { return bits_[y * kSize + x] & 0xFFFFFF; }
    template <typename Fn>
    Fn Entry(int index) {
        return kits::TableEntry<Fn>(kits_.stroke.table, index);
    }

    KitModules kits_;
    sim::RecordingMessageBox messages_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint32_t* bits_ = nullptr;
};

TEST_F(StrokeKit, SegmentUsesTheSelectedPen) {
    UsePen(RGB(255, 0, 0), 1, R2_COPYPEN);
    POINT previous{2, 5}, next{12, 5};
    Entry<sk::SegmentFn>(sk::kSegment)(dc_, &previous, &next);
    EXPECT_EQ(Pixel(2, 5), 0xFF0000u);  // DIB bytes: 0x00RRGGBB
    EXPECT_EQ(Pixel(11, 5), 0xFF0000u);
    EXPECT_EQ(Pixel(12, 5), 0xFFFFFFu);  // the end point is the next segment's start
    EXPECT_EQ(Pixel(7, 6), 0xFFFFFFu);
    EXPECT_EQ(next.x, 12);
    EXPECT_EQ(next.y, 5);
}

TEST_F(StrokeKit, SegmentUsesTheSelectedMixMode) {
    for (int x = 0; x < kSize; ++x) bits_[8 * kSize + x] = 0x00FF00;
    UsePen(RGB(0, 0, 255), 1, R2_MASKPEN);  // the highlighter's "and" with the screen
    POINT previous{0, 8}, next{10, 8};
    Entry<sk::SegmentFn>(sk::kSegment)(dc_, &previous, &next);
    EXPECT_EQ(Pixel(3, 8), 0x000000u);  // green and blue share nothing
    UsePen(RGB(0, 0, 255), 1, R2_NOTCOPYPEN);
    POINT a{0, 2}, b{5, 2};
    Entry<sk::SegmentFn>(sk::kSegment)(dc_, &a, &b);
    EXPECT_EQ(Pixel(1, 2), 0xFFFF00u);
}

TEST_F(StrokeKit, PolylineDrawsEveryPieceAndIgnoresTooFewPoints) {
    UsePen(RGB(0, 0, 0), 3, R2_COPYPEN);
    const POINT points[] = {{2, 2}, {15, 2}, {15, 15}};
    const auto polyline = Entry<sk::PolylineFn>(sk::kPolyline);
    polyline(dc_, points, 1);
    polyline(dc_, points, 0);
    polyline(dc_, nullptr, 3);
    polyline(nullptr, points, 3);
    EXPECT_EQ(Pixel(8, 2), 0xFFFFFFu);
    polyline(dc_, points, 3);
    EXPECT_EQ(Pixel(8, 2), 0x000000u);
    EXPECT_EQ(Pixel(8, 3), 0x000000u);  // three pixels wide
    EXPECT_EQ(Pixel(15, 10), 0x000000u);
    EXPECT_EQ(Pixel(8, 10), 0xFFFFFFu);
}

}  // namespace
}  // namespace halvertone
