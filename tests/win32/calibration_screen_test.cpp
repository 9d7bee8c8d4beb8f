// Calibration targets drawn straight onto the real screen and read back from it, and the
// desktop repaint that wipes them.
#include <windows.h>
// windows.h first
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calibration/target_layout.h"
#include "calibration/win32/screen_target_painter.h"
#include "message_pump.h"
#include "platform/win32/desktop_repainter.h"

namespace halvertone {
namespace {

constexpr COLORREF kBackground = RGB(40, 60, 200);

// A copy of the whole screen, read back through a 32-bit DIB.
class ScreenCopy {
  public:
    ScreenCopy() {
        width_ = GetSystemMetrics(SM_CXSCREEN);
        height_ = GetSystemMetrics(SM_CYSCREEN);
        pixels_.resize(static_cast<size_t>(width_) * height_);
        HDC screen = GetDC(nullptr);
        HDC mem = CreateCompatibleDC(screen);
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(mem, dib);
        BitBlt(mem, 0, 0, width_, height_, screen, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* p = static_cast<const uint32_t*>(bits);
        for (size_t i = 0; i < pixels_.size(); ++i) {
            const uint32_t bgra = p[i];
            pixels_[i] = RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
        }
        SelectObject(mem, old);
        DeleteObject(dib);
        DeleteDC(mem);
        ReleaseDC(nullptr, screen);
    }
    COLORREF At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

void FillScreen(COLORREF colour) {
    HDC dc = GetDC(nullptr);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    ReleaseDC(nullptr, dc);
}

std::string Hex(COLORREF c) {
    char text[16];
    snprintf(text, sizeof text, "%06lX", static_cast<unsigned long>(c));
    return text;
}

// Checks one 16-pixel target whose square starts at (l, t): the border in `pen`, the cross in
// `pen` through column `crossX` and row t + 8, the rest of the inside in `fill`, and the
// background just outside.
void ExpectTarget(const ScreenCopy& s, int l, int t, int crossX, COLORREF pen, COLORREF fill,
                  const std::string& what) {
    constexpr int S = 16;
    const int crossY = t + S / 2;
    for (int y = t - 1; y <= t + S + 1; ++y) {
        for (int x = l - 1; x <= l + S + 1; ++x) {
            COLORREF want = fill;
            if (x < l || y < t || x > l + S || y > t + S) {
                want = kBackground;
            } else if (x == l || y == t || x == l + S || y == t + S) {
                want = pen;
            } else if ((y == crossY && x < l + S) || (x == crossX && y < t + S)) {
                want = pen;
            }
            ASSERT_EQ(Hex(s.At(x, y)), Hex(want)) << what << " at (" << x << ", " << y << ")";
        }
    }
}

class CalibrationScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024) << "the tests run on a 1024 x 768 screen";
        ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
        FillScreen(kBackground);
    }
    TargetGeometry geometry_{16, 10, 10, 1024, 768};
};

// On 1024 x 768 with size 16 and shifts 10: dX = (1024 - 20 - 48) / 2 = 478 and
// dY = (768 - 20 - 48) / 2 = 350, so the main columns start at 10, 504, 998 and the rows at
// 10, 376, 742; cW = (1024 - 64 - 20) / 4 = 235 and cH = (768 - 20 - 64) / 4 = 171 put the inner
// columns at 254, 757 and the inner rows at 190, 565.
TEST_F(CalibrationScreenTest, MainTargetsAppearAtTheirPositionsInTheirColours) {
    ScreenTargetPainter painter;
    TargetProgress progress;  // the fifth target (centre) is current
    progress.row = 1;
    progress.column = 1;
    painter.Paint(TargetsToDraw(geometry_, progress));
    const ScreenCopy s;
    const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    const COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0);
    ExpectTarget(s, 10, 10, 19, white, black, "top left");
    ExpectTarget(s, 504, 10, 513, white, black, "top middle");
    ExpectTarget(s, 998, 10, 1007, white, black, "top right");
    ExpectTarget(s, 998, 376, 1007, white, black, "middle right");
    ExpectTarget(s, 504, 376, 513, red, green, "centre, current");
    EXPECT_EQ(Hex(s.At(18, 384)), Hex(kBackground)) << "middle left is not drawn yet";
    EXPECT_EQ(Hex(s.At(18, 750)), Hex(kBackground)) << "bottom left is not drawn yet";
}

TEST_F(CalibrationScreenTest, InnerTargetsFollowAllNineMainTargets) {
    ScreenTargetPainter painter;
    TargetProgress progress;  // inner target 1, 0 (the twelfth) is current
    progress.row = 3;
    progress.phase = 1;
    progress.innerRow = 1;
    progress.innerColumn = 0;
    painter.Paint(TargetsToDraw(geometry_, progress));
    const ScreenCopy s;
    const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    for (int top : {10, 376, 742})
        for (int left : {10, 504, 998})
            ExpectTarget(s, left, top, left + 9, white, black,
                         "main " + std::to_string(left) + "," + std::to_string(top));
    // Inner crosses sit one pixel nearer the left.
    ExpectTarget(s, 254, 190, 262, white, black, "inner 0,0");
    ExpectTarget(s, 757, 190, 765, white, black, "inner 0,1");
    ExpectTarget(s, 254, 565, 262, RGB(255, 0, 0), RGB(0, 255, 0), "inner 1,0, current");
    EXPECT_EQ(Hex(s.At(765, 573)), Hex(kBackground)) << "inner 1,1 is not drawn yet";
}

// A window that counts what a repaint sends it.
struct PaintCounts {
    int paints = 0;
    int erases = 0;
};
PaintCounts g_counts;

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ERASEBKGND) {
        ++g_counts.erases;
        return 1;
    }
    if (msg == WM_PAINT) {
        ++g_counts.paints;
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

TEST(DesktopRepainter, PaintsEveryWindowAtOnceWithAndWithoutErasing) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "RepaintCounter";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "repaint counter", WS_POPUP | WS_VISIBLE,
                                  100, 100, 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    // Let the exposure of the new window arrive and be painted before counting.
    const DWORD shown = GetTickCount();
    testing::PumpUntil([&] { return GetTickCount() - shown > 300; });
    ValidateRect(window, nullptr);

    DesktopRepainter repainter;
    g_counts = {};
    repainter.RepaintAll(false);
    // Whether it also erases is the system's choice: like InvalidateRect on no window, a
    // whole-desktop repaint erases in any case.
    EXPECT_EQ(g_counts.paints, 1) << "painted before the call returns";

    g_counts = {};
    repainter.RepaintAll(true);
    EXPECT_EQ(g_counts.paints, 1);
    EXPECT_EQ(g_counts.erases, 1);
    DestroyWindow(window);
}

}  // namespace
}  // namespace halvertone
