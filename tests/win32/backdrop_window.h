#pragma once
// A window over the whole screen, painted in vertical stripes of given colours: the desktop
// under the ink in these tests. Repainting it wipes whatever was drawn over it, as a desktop
// repaint does in the program.
#include <windows.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "message_pump.h"
#include "screen_readback.h"

namespace halvertone::testing {

class BackdropWindow {
  public:
    // Over the whole screen, or over `area`.
    explicit BackdropWindow(std::vector<uint32_t> stripes, int32_t stripeWidth = 64,
                            RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN),
                                         GetSystemMetrics(SM_CYSCREEN)})
        : stripes_(std::move(stripes)), stripeWidth_(stripeWidth), area_(area) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.lpszClassName = "HalvertoneTestBackdrop";
        RegisterClassA(&wc);  // again for every backdrop: "already exists" is fine
        hwnd_ = CreateWindowExA(0, wc.lpszClassName, "backdrop", WS_POPUP, area.left, area.top,
                                area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                                wc.hInstance, this);
        ShowWindow(hwnd_, SW_SHOW);
    }
    ~BackdropWindow() { DestroyWindow(hwnd_); }
    BackdropWindow(const BackdropWindow&) = delete;
    BackdropWindow& operator=(const BackdropWindow&) = delete;

    HWND Handle() const { return hwnd_; }
    RECT Area() const { return area_; }

    // Takes effect at the next repaint.
    void SetStripes(std::vector<uint32_t> stripes) { stripes_ = std::move(stripes); }

    // (x, y) in screen pixels.
    uint32_t ColourAt(int32_t x, int32_t /*y*/) const {
        return stripes_[static_cast<size_t>((x - area_.left) / stripeWidth_) % stripes_.size()];
    }

    // Invalidates and repaints the whole window, then waits until the screen shows exactly
    // the stripes. False when it does not within two seconds.
    bool Repaint() {
        InvalidateRect(hwnd_, nullptr, TRUE);
        UpdateWindow(hwnd_);
        return PumpUntil([this] { return ShowsStripes(); }, 2000);
    }

    bool ShowsStripes() const {
        const ScreenShot shot = ReadScreen(area_);
        for (int32_t y = area_.top; y < area_.bottom; ++y)
            for (int32_t x = area_.left; x < area_.right; ++x)
                if (shot.At(x, y) != ColourAt(x, y)) return false;
        return true;
    }

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_NCCREATE) {
            const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lp);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        }
        auto* self = reinterpret_cast<BackdropWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (msg == WM_ERASEBKGND) return 1;
        if (msg == WM_PAINT && self != nullptr) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            for (int32_t x = 0; x < client.right; x += self->stripeWidth_) {
                HBRUSH brush = CreateSolidBrush(self->ColourAt(self->area_.left + x, 0));
                const RECT stripe{x, 0, x + self->stripeWidth_, client.bottom};
                FillRect(dc, &stripe, brush);
                DeleteObject(brush);
            }
            EndPaint(hwnd, &ps);
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    }

    std::vector<uint32_t> stripes_;
    int32_t stripeWidth_;
    RECT area_;
    HWND hwnd_ = nullptr;
};

}  // namespace halvertone::testing
