#include "shell/win32/camera_view_window.h"

#include <cstdio>
#include <string>

#include "platform/program_log.h"
#include "resources/resource.h"
#include "shell/camera_view_picture.h"
#include "shell/text_table.h"

namespace halvertone {
namespace {

std::string OneDecimal(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", v);
    return text;
}

}  // namespace

void CameraViewWindow::Open() {
    const bool first = Handle() == nullptr;
    if (first && !CreateModeless(c_.resources, IDD_CAMERA_VIEW, nullptr)) return;
    c_.snapshot.SetWanted(true);
    lastCounts_ = c_.ring.Counts();
    lastCountsMs_ = c_.clock.NowMs();
    periods_ = 0;
    StartTimer(kPictureTimer, kPictureMs);
    StartTimer(kFiguresTimer, kFiguresMs);
    ShowWindow(Handle(), SW_SHOW);
    if (first) FitPicture();
    SetForegroundWindow(Handle());
}

void CameraViewWindow::FitPicture() {
    // One camera pixel, one screen pixel to begin with. Measured on the shown window: the
    // frame a window manager adds is known only then.
    RECT window{}, client{};
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    SetWindowPos(
        Handle(), nullptr, 0, 0,
        (window.right - window.left) + kFrameWidth - (client.right - client.left),
        (window.bottom - window.top) + kFrameHeight + kFiguresStrip - (client.bottom - client.top),
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CameraViewWindow::OnInitDialog() {
    SetCaption(ReadText(c_.language, TextId::kCameraViewCaption));
}

void CameraViewWindow::OnCommand(int id, int) {
    if (id == IDCANCEL || id == IDOK) Close();
}

void CameraViewWindow::Close() {
    KillTimer(kPictureTimer);
    KillTimer(kFiguresTimer);
    c_.snapshot.SetWanted(false);
    LogFigures();
    ShowWindow(Handle(), SW_HIDE);
}

void CameraViewWindow::OnTimer(int id) {
    if (id == kPictureTimer) RefreshPicture();
    if (id == kFiguresTimer) RefreshFigures();
}

void CameraViewWindow::RefreshPicture() {
    const uint64_t number = c_.snapshot.Read(frame_);
    if (number == 0 || number == shownNumber_) return;
    shownNumber_ = number;
    const CameraFrame frame{frame_.data()};
    ComposeCameraView(
        frame, MarksFor(frame, c_.settings.threshold, c_.mapping.scanWindow, c_.settings.grid),
        picture_);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CameraViewWindow::RefreshFigures() {
    const FrameCounts now = c_.ring.Counts();
    const uint64_t nowMs = c_.clock.NowMs();
    figures_ = FiguresBetween(lastCounts_, now, nowMs - lastCountsMs_);
    lastCounts_ = now;
    lastCountsMs_ = nowMs;
    if (++periods_ % kLogEvery == 0) LogFigures();
    InvalidateRect(Handle(), nullptr, FALSE);
}

void CameraViewWindow::LogFigures() const {
    LogLine("camera view: camera " + OneDecimal(figures_.cameraPerSecond) + " frames/s, trackers " +
            OneDecimal(figures_.trackedPerSecond) + " frames/s, " +
            OneDecimal(figures_.msPerFrame) + " ms per frame, " + std::to_string(figures_.lost) +
            " lost");
}

bool CameraViewWindow::OnMessage(UINT msg, WPARAM, LPARAM, INT_PTR& result) {
    switch (msg) {
        case WM_PAINT:
            Paint();
            result = TRUE;
            return true;
        case WM_ERASEBKGND:
            result = TRUE;  // the picture and the strip cover everything
            return true;
        case WM_SIZE:
            InvalidateRect(Handle(), nullptr, FALSE);
            return false;
        default:
            return false;
    }
}

void CameraViewWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    RECT client{};
    GetClientRect(Handle(), &client);
    RECT picture = client;
    picture.bottom = std::max<LONG>(client.top, client.bottom - kFiguresStrip);
    RECT strip = client;
    strip.top = picture.bottom;

    if (picture_.size() == kFrameBytes) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kFrameWidth;
        info.bmiHeader.biHeight = kFrameHeight;  // bottom-up, as the frame is stored
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchDIBits(dc, 0, 0, picture.right, picture.bottom, 0, 0, kFrameWidth, kFrameHeight,
                      picture_.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    } else {
        FillRect(dc, &picture, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkMode(dc, TRANSPARENT);
        const std::string none = ReadText(c_.language, TextId::kCameraViewNoPicture);
        DrawTextA(dc, none.c_str(), -1, &picture, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }

    FillRect(dc, &strip, GetSysColorBrush(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(dc, TRANSPARENT);
    const std::string figures = FillFields(ReadText(c_.language, TextId::kCameraViewFigures),
                                           {{"{fps}", OneDecimal(figures_.cameraPerSecond)},
                                            {"{lost}", std::to_string(figures_.lost)},
                                            {"{tracked}", OneDecimal(figures_.trackedPerSecond)},
                                            {"{ms}", OneDecimal(figures_.msPerFrame)}});
    HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    strip.left += 6;
    DrawTextA(dc, figures.c_str(), -1, &strip, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    SelectObject(dc, oldFont);
    EndPaint(Handle(), &ps);
}

}  // namespace halvertone
