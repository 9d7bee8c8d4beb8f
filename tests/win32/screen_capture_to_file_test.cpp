// Screen capture to file for real: the display grabbed, the save dialog driven from the test
// (name typed, filter entry chosen, Save pressed), and the file written by the image library
// in the format of the filter entry.
#include "annotation/win32/screen_capture_to_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "annotation/win32/capture_image_save.h"
#include "backdrop_window.h"
#include "base/modal_ui.h"
#include "file_tool.h"
#include "kit_test_support.h"
#include "modal_script.h"
#include "doubles/recording_message_box.h"
#include "doubles/virtual_clock.h"
#include "tracking/tool_mode.h"
#include "platform/win32/gdiplus_headers.h"
#include "platform/win32/system_on_screen_keyboard.h"
#include "scratch_directory.h"
#include "test_language.h"
#include "test_window.h"

namespace halvertone {
namespace {

constexpr int kFilterCombo = 0x470;    // cmb1
constexpr int kFileNameEdit = 0x480;   // edt1
constexpr int kFileNameCombo = 0x47C;  // cmb13

class RecordingToolbar final : public ToolbarForCapture {
  public:
    int32_t tool = kToolMouse;
    std::vector<std::string> calls;
    int32_t ToolMode() const override { return tool; }
    void SelectTool(int32_t id) override {
        tool = id;
        calls.push_back("select " + std::to_string(id));
    }
    void Hide() override { calls.push_back("hide"); }
    void Show() override { calls.push_back("show"); }
    bool BoardOn() const override { return false; }
    void SetActionRunning(bool) override {}
    void SetPopupOpen(bool) override {}
    void Redraw() override { calls.push_back("redraw"); }
};

// A stand-in keyboard window of the class the system keyboard has.
class KeyboardWindow {
  public:
    KeyboardWindow() {
        destroyRequests = 0;
        hwnd = testing::CreateTestWindow(kOnScreenKeyboardClass, Proc, 0, 0, {0, 0, 10, 10});
    }
    ~KeyboardWindow() { DestroyWindow(hwnd); }
    KeyboardWindow(const KeyboardWindow&) = delete;
    KeyboardWindow& operator=(const KeyboardWindow&) = delete;

    HWND hwnd = nullptr;
    static inline int destroyRequests = 0;

  private:
    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_DESTROY) ++destroyRequests;
        return DefWindowProcA(h, msg, wp, lp);
    }
};

// The thread's save dialog once it is up.
HWND SaveDialog() {
    HWND d = testing::ThreadDialogWith(kFilterCombo);
    return d != nullptr && IsWindowVisible(d) ? d : nullptr;
}

void TypeName(HWND dialog, const std::string& path) {
    HWND edit = GetDlgItem(dialog, kFileNameEdit);
    if (edit == nullptr) edit = GetDlgItem(dialog, kFileNameCombo);
    SetWindowTextA(edit, path.c_str());
}

void ChooseFilter(HWND dialog, int entry) {
    HWND combo = GetDlgItem(dialog, kFilterCombo);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(entry - 1), 0);
    // Windows acts on the change, Wine on the end of the choice: both come when a user picks.
    for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK})
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kFilterCombo, code),
                     reinterpret_cast<LPARAM>(combo));
}

class ScreenCaptureToFile : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(LoadPictureKit(kits_, KitLocation{testing::ProgramDir(), true}, messages_));
        ASSERT_TRUE(marks_.Repaint()) << "the marks must be on the screen before the grab";
    }
    void TearDown() override { ReleaseKits(kits_); }

    void Capture() {
        const std::string language = dir_.Write(
            "lang.ini",
            "[String Table]\r\nSupport File Format=JPEG (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp|"
            "PNG (*.png)|*.png|TIFF (*.tif)|*.tif||\r\n");
        CaptureToFileLinks links{testing::LanguageLookup(language),
                                 kits_.picture.table,
                                 jpegQuality_,
                                 cleanPending_,
                                 replayShowsToolbar_,
                                 {},
                                 {},
                                 {},
                                 toolWindow_,
                                 clock_,
                                 GetSystemMetrics(SM_CXSCREEN),
                                 GetSystemMetrics(SM_CYSCREEN)};
        CaptureScreenToFile(toolbar_, nullptr, links);
    }

    KitModules kits_;
    sim::RecordingMessageBox messages_;
    testing::ScratchDirectory dir_;
    RecordingToolbar toolbar_;
    SharedValue<int32_t> jpegQuality_{90};
    SharedValue<bool> cleanPending_{false};
    SharedValue<bool> replayShowsToolbar_{true};
    SharedValue<uintptr_t> toolWindow_{0};
    sim::VirtualClock clock_;
    // Red over x 100..119 and green over x 120..139, rows 50..109: found again in the file.
    testing::BackdropWindow marks_{{0x0000FF, 0x00FF00}, 20, RECT{100, 50, 140, 110}};
};

// One pixel of an image file as 0x00RRGGBB; 0xFFFFFFFF when the file cannot be read.
uint32_t PixelOfFile(const std::string& path, int x, int y) {
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 0xFFFFFFFF;
    uint32_t value = 0xFFFFFFFF;
    {
        const std::wstring wide(path.begin(), path.end());
        Gdiplus::Bitmap image(wide.c_str());
        Gdiplus::Color c;
        if (image.GetLastStatus() == Gdiplus::Ok && image.GetPixel(x, y, &c) == Gdiplus::Ok)
            value = c.GetValue() & 0xFFFFFF;
    }
    Gdiplus::GdiplusShutdown(token);
    return value;
}

TEST_F(ScreenCaptureToFile, ANameWithoutExtensionUnderTheSecondEntryIsSavedAsBitmap) {
    KeyboardWindow keyboard;  // already open: it stays open
    toolbar_.tool = kToolPen;
    const std::string typed = dir_.File("lesson");
    std::string proposed;
    testing::ModalScript script(SaveDialog,
                                {
                                    [&](HWND d) {
                                        char text[MAX_PATH] = {};
                                        HWND edit = GetDlgItem(d, kFileNameEdit);
                                        if (edit == nullptr) edit = GetDlgItem(d, kFileNameCombo);
                                        GetWindowTextA(edit, text, sizeof text);
                                        proposed = text;
                                        EXPECT_EQ(ModalUiActive().load(), 1);
                                    },
                                    [&](HWND d) { ChooseFilter(d, 2); },
                                    [&](HWND d) { TypeName(d, typed); },
                                    [&](HWND d) { SendDlgItemMessageA(d, IDOK, BM_CLICK, 0, 0); },
                                });
    Capture();
    EXPECT_TRUE(script.AllStepsRan());
    EXPECT_FALSE(script.TimedOut());

    SYSTEMTIME now{};
    GetLocalTime(&now);
    char year[8];
    std::snprintf(year, sizeof year, "%04d-", now.wYear);
    EXPECT_EQ(proposed.size(), 16u) << proposed;
    EXPECT_EQ(proposed.rfind(year, 0), 0u) << proposed;

    const std::string data = testing::ReadWholeFile(typed + ".bmp");
    ASSERT_GT(data.size(), 54u) << "written with .bmp appended";
    EXPECT_EQ(data.substr(0, 2), "BM");
    const std::string says = testing::FileToolSays(typed + ".bmp");
    EXPECT_NE(says.find("PC bitmap"), std::string::npos) << says;
    const std::string size = std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " x " +
                             std::to_string(GetSystemMetrics(SM_CYSCREEN));
    EXPECT_NE(says.find(size), std::string::npos) << says;

    EXPECT_EQ(PixelOfFile(typed + ".bmp", 110, 60), 0xFF0000u) << "the red mark on the screen";
    EXPECT_EQ(PixelOfFile(typed + ".bmp", 130, 100), 0x00FF00u) << "the green mark";

    EXPECT_TRUE(cleanPending_);
    EXPECT_EQ(toolbar_.tool, kToolMouse) << "the tool stays mouse after a save";
    EXPECT_EQ(toolbar_.calls.front(), "hide");
    EXPECT_EQ(ModalUiActive().load(), 0);
    EXPECT_TRUE(IsWindow(keyboard.hwnd));
    EXPECT_EQ(KeyboardWindow::destroyRequests, 0) << "a keyboard that was open is left alone";
}

TEST_F(ScreenCaptureToFile, APngNameUnderTheFirstEntryHoldsJpegData) {
    KeyboardWindow keyboard;
    const std::string typed = dir_.File("lesson.png");
    testing::ModalScript script(SaveDialog,
                                {
                                    [&](HWND d) { ChooseFilter(d, 1); },
                                    [&](HWND d) { TypeName(d, typed); },
                                    [&](HWND d) { SendDlgItemMessageA(d, IDOK, BM_CLICK, 0, 0); },
                                });
    Capture();
    EXPECT_TRUE(script.AllStepsRan());
    const std::string data = testing::ReadWholeFile(typed);
    ASSERT_GT(data.size(), 3u);
    EXPECT_EQ(data.substr(0, 3), "\xFF\xD8\xFF");
    const std::string says = testing::FileToolSays(typed);
    EXPECT_NE(says.find("JPEG image data"), std::string::npos) << says;
    EXPECT_TRUE(testing::ReadWholeFile(typed + ".jpg").empty())
        << "nothing appended to a name with a dot";
}

TEST_F(ScreenCaptureToFile, CancelWritesNothingAndGivesThePenBack) {
    KeyboardWindow keyboard;
    toolbar_.tool = kToolPen;
    testing::ModalScript script(
        SaveDialog, {
                        [&](HWND d) { TypeName(d, dir_.File("never")); },
                        [&](HWND d) { SendDlgItemMessageA(d, IDCANCEL, BM_CLICK, 0, 0); },
                    });
    Capture();
    EXPECT_TRUE(script.AllStepsRan());
    for (const char* ext : {"", ".jpg", ".bmp"})
        EXPECT_EQ(GetFileAttributesA(dir_.File(std::string("never") + ext).c_str()),
                  INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(cleanPending_);
    EXPECT_EQ(toolbar_.tool, kToolPen);
    EXPECT_EQ(toolbar_.calls.back(), "redraw");
    EXPECT_EQ(ModalUiActive().load(), 0);
}

TEST(CaptureImageSave, AnOddWidthIsSavedWithoutSkew) {
    KitModules kits;
    sim::RecordingMessageBox messages;
    ASSERT_TRUE(LoadPictureKit(kits, KitLocation{testing::ProgramDir(), true}, messages));
    // 1366 pixels make 4098 bytes a row: two bytes of padding that must not shift the rows.
    constexpr int kW = 1366, kH = 6;
    std::vector<uint32_t> pixels(static_cast<size_t>(kW) * kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            pixels[static_cast<size_t>(y) * kW + x] =
                (static_cast<uint32_t>(x & 0xFF) << 16) | (static_cast<uint32_t>(x >> 8) << 8) |
                static_cast<uint32_t>(y * 40);  // 0x00RRGGBB: red, green from x; blue from y
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kW, kH);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, kW, -kH, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    ASSERT_EQ(SetDIBits(screen, bitmap, 0, kH, pixels.data(), &bi, DIB_RGB_COLORS), kH);
    ReleaseDC(nullptr, screen);

    testing::ScratchDirectory dir;
    const std::string path = dir.File("wide.bmp");
    EXPECT_TRUE(SaveBitmapAsImage(bitmap, path, CaptureFormat::kBitmap, 90, kits.picture.table));
    EXPECT_FALSE(SaveBitmapAsImage(nullptr, path, CaptureFormat::kBitmap, 90, kits.picture.table));
    EXPECT_FALSE(SaveBitmapAsImage(bitmap, path, CaptureFormat::kBitmap, 90, nullptr));
    DeleteObject(bitmap);
    ReleaseKits(kits);

    const std::string says = testing::FileToolSays(path);
    EXPECT_NE(says.find("1366 x 6"), std::string::npos) << says;
    for (int y : {0, 2, kH - 1})
        for (int x : {0, 1, 700, 1024, kW - 1})
            EXPECT_EQ(PixelOfFile(path, x, y), pixels[static_cast<size_t>(y) * kW + x])
                << x << "," << y;
}

TEST(SystemOnScreenKeyboard, RestoresAnOpenKeyboardAndAsksItToEnd) {
    SystemOnScreenKeyboard system;
    {
        KeyboardWindow keyboard;
        ShowWindow(keyboard.hwnd, SW_MINIMIZE);
        ASSERT_TRUE(system.IsOpen());
        system.Open();
        EXPECT_FALSE(IsIconic(keyboard.hwnd)) << "brought back, not started again";
        system.Close();
        MSG msg;
        while (PeekMessageA(&msg, keyboard.hwnd, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        EXPECT_EQ(KeyboardWindow::destroyRequests, 1);
        EXPECT_FALSE(IsWindow(keyboard.hwnd)) << "asked to close, the keyboard window is gone";
    }
    EXPECT_FALSE(system.IsOpen());
    system.Close();  // nothing to close: nothing happens
}

}  // namespace
}  // namespace halvertone
