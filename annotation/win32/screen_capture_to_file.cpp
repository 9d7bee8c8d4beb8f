#include "annotation/win32/screen_capture_to_file.h"

#include <commdlg.h>

#include <cstring>

#include "annotation/screen_capture.h"
#include "annotation/screen_draw_message.h"
#include "annotation/win32/capture_image_save.h"
#include "base/modal_ui.h"
#include "platform/win32/capture_display.h"
#include "platform/win32/desktop_repainter.h"
#include "platform/win32/system_on_screen_keyboard.h"

namespace halvertone {
namespace {

constexpr size_t kFilterChars = 300;
// A capture tool that does not answer must not hold the toolbar.
constexpr UINT kNoticeTimeoutMs = 2000;

class Win32CapturePlatform final : public CapturePlatform {
  public:
    Win32CapturePlatform(HWND owner, const CaptureToFileLinks& links)
        : owner_(owner), links_(links) {}
    ~Win32CapturePlatform() override { ReleaseGrab(); }
    Win32CapturePlatform(const Win32CapturePlatform&) = delete;
    Win32CapturePlatform& operator=(const Win32CapturePlatform&) = delete;

    void Grab() override {
        ReleaseGrab();
        bitmap_ = win32::CaptureDisplay(links_.screenWidth, links_.screenHeight);
    }
    bool SaveGrab(const std::string& path, CaptureFormat format) override {
        return SaveBitmapAsImage(bitmap_, path, format, links_.jpegQuality, links_.pictureKit);
    }
    void ReleaseGrab() override {
        if (bitmap_ != nullptr) DeleteObject(bitmap_);
        bitmap_ = nullptr;
    }

    void NotifyCaptureTool(int32_t value) override {
        HWND tool = reinterpret_cast<HWND>(links_.captureToolWindow.load());
        if (tool == nullptr || !IsWindow(tool)) return;
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(tool, RegisterWindowMessageA(kScreenDrawMessageName),
                            screen_draw::kCaptureNotice, value, SMTO_ABORTIFHUNG, kNoticeTimeoutMs,
                            &answer);
    }

    bool CaptureToolDrawing() const override {
        return links_.captureToolDrawing && links_.captureToolDrawing();
    }
    void SetReplayShowsToolbar(bool on) override { links_.replayShowsToolbar = on; }
    void ReplayCaptureToolStrokes() override {
        if (links_.replayCaptureToolStrokes) links_.replayCaptureToolStrokes();
    }
    void ReplayDesktopStrokes() override {
        if (links_.replayDesktopStrokes) links_.replayDesktopStrokes();
    }
    void RepaintDesktop() override { DesktopRepainter().RepaintAll(false); }

    std::string FilterText() override {
        return WithTextBuffer(links_.text, kFilterChars)("String Table", "Support File Format");
    }
    LocalTime Now() const override {
        SYSTEMTIME t{};
        GetLocalTime(&t);
        return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute};
    }

    std::optional<SaveChoice> AskSavePath(const std::string& defaultName,
                                          const std::string& filterText) override {
        const std::string filter = FileDialogFilter(filterText);
        char file[MAX_PATH] = {};
        std::strncpy(file, defaultName.c_str(), sizeof file - 1);
        OPENFILENAMEA ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = owner_;
        ofn.lpstrFilter = filter.c_str();
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = file;
        ofn.nMaxFile = sizeof file;
        ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_EXPLORER;
        if (!GetSaveFileNameA(&ofn)) return std::nullopt;
        return SaveChoice{file, ofn.nFilterIndex};
    }

  private:
    HWND owner_;
    const CaptureToFileLinks& links_;
    HBITMAP bitmap_ = nullptr;
};

}  // namespace

void CaptureScreenToFile(ToolbarForCapture& toolbar, HWND owner, const CaptureToFileLinks& links,
                         OnScreenKeyboard& keyboard) {
    Win32CapturePlatform platform(owner, links);
    RunScreenCapture(toolbar, platform, keyboard, links.clock,
                     {links.cleanPending, ModalUiActive()});
}

void CaptureScreenToFile(ToolbarForCapture& toolbar, HWND owner, const CaptureToFileLinks& links) {
    SystemOnScreenKeyboard keyboard;
    CaptureScreenToFile(toolbar, owner, links, keyboard);
}

}  // namespace halvertone
