#pragma once
// The eraser square as a real window: a topmost tool window without a frame that paints
// itself light green and never erases its background (so it does not flicker white).
#include <windows.h>

#include <atomic>

#include "annotation/eraser_window.h"

namespace halvertone::win32 {

inline constexpr const char* kEraserWindowTitle = "Tarnwick Demo";
inline constexpr const char* kEraserWindowClass = "Halvertone Eraser";

class Win32EraserWindow final : public EraserWindow {
  public:
    Win32EraserWindow() = default;
    ~Win32EraserWindow() override { Destroy(); }
    Win32EraserWindow(const Win32EraserWindow&) = delete;
    Win32EraserWindow& operator=(const Win32EraserWindow&) = delete;

    bool CreateEraserWindow(int32_t widthSetting) override;
    void MoveTo(PixelPoint topLeft) override;
    void Show() override;
    void Repaint() override;
    bool Exists() const override;
    void Destroy() override;

    // Null while there is no square.
    HWND Handle() const { return hwnd_.load(); }

  private:
    // Other threads may look at the handle while the eraser's thread changes it.
    std::atomic<HWND> hwnd_{nullptr};
};

}  // namespace halvertone::win32
