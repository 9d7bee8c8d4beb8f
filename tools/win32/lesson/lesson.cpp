#include "tools/win32/lesson/lesson.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <utility>

#include "annotation/toolbar_layout.h"
#include "calibration/projection_method_dialog.h"
#include "calibration/target_layout.h"
#include "platform/ini_file_store.h"
#include "resources/resource.h"
#include "shell/settings_loader.h"
#include "simulator/perfect_calibration.h"
#include "tools/win32/lesson/ink_check.h"
#include "tools/win32/virtual_webcam/webcam_config.h"

namespace halvertone::lesson {
namespace {

using namespace toolbar_button;
// The tray menu: "Do Calibration" heads it, "Exit" ends it.
constexpr int kCalibrationGroup = 0;
constexpr int kExitGroup = -1;
constexpr int kWidest = 7;
constexpr uint32_t kRed = 0x0000FF, kBlue = 0xFF0000, kYellow = 0x00FFFF, kWhite = 0xFFFFFF;
// Save dialog controls: the file name (combo box or edit) and the type filter.
constexpr int kFileNameCombo = 0x47C, kFileNameEdit = 0x480, kFilterCombo = 0x470;
constexpr char kCaptureName[] = "lesson-capture";

std::vector<POINT> Ellipse(POINT c, int rx, int ry) {
    std::vector<POINT> out;
    for (int i = 0; i <= 28; ++i) {
        const double a = 2 * 3.14159265358979 * i / 28;
        out.push_back(POINT{static_cast<LONG>(std::lround(c.x + rx * std::sin(a))),
                            static_cast<LONG>(std::lround(c.y - ry * std::cos(a)))});
    }
    return out;
}

double Share(const win32::ScreenShot& shot, const std::vector<std::vector<POINT>>& strokes,
             uint32_t colour, int reach = 4) {
    std::vector<POINT> all;
    for (const auto& s : strokes)
        for (POINT p : SamplePath(s, 6)) all.push_back(p);
    return CoveredShare(shot, all, colour, reach, 60);
}

std::string Percent(double share) {
    char text[16];
    std::snprintf(text, sizeof text, "%.0f%%", share * 100);
    return text;
}

}  // namespace

Lesson::Lesson(LessonPaths paths) : paths_(std::move(paths)) {}

Lesson::~Lesson() {
    user_.Lift();
    if (process_.hProcess) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(process_.hProcess, 1);
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
}

int Lesson::Run() {
    int failed = 0;
    const std::pair<const char*, bool (Lesson::*)()> steps[] = {
        {"start and check the environment", &Lesson::Start},
        {"calibrate from the tray menu", &Lesson::Calibrate},
        {"click a window in mouse mode", &Lesson::MouseClick},
        {"write in two colours and highlight", &Lesson::Write},
        {"erase part of the writing", &Lesson::Erase},
        {"clean, then redraw", &Lesson::CleanAndRedraw},
        {"save a screen capture as PNG", &Lesson::Capture},
        // Last before the exit, so that its window has no part in the ink steps' screens.
        {"look through the camera view", &Lesson::LookThroughCameraView},
        {"exit from the tray menu", &Lesson::Exit},
    };
    bool running = true;
    for (const auto& [name, step] : steps) {
        if (!running) {
            std::printf("step %-36s: SKIPPED (an earlier step failed)\n", name);
            ++failed;
            continue;
        }
        if (!Step(name, step)) {
            ++failed;
            // Without a program or a calibration nothing later can be meaningful.
            if (step == &Lesson::Start || step == &Lesson::Calibrate) running = false;
        }
    }
    std::printf("lesson: %d step(s) failed\n", failed);
    return failed;
}

bool Lesson::Step(const char* name, bool (Lesson::*step)()) {
    notes_.clear();
    const DWORD begun = GetTickCount();
    const bool ok = (this->*step)();
    std::printf("step %-36s: %s (%.1f s)", name, ok ? "ok" : "FAILED",
                (GetTickCount() - begun) / 1000.0);
    for (const std::string& n : notes_) std::printf("; %s", n.c_str());
    std::printf("\n");
    std::fflush(stdout);
    return ok;
}

void Lesson::Note(const std::string& text) {
    notes_.push_back(text);
}

void Lesson::Shot(const std::string& name) {
    char file[32];
    std::snprintf(file, sizeof file, "%02d-", ++shots_);
    const std::string path = paths_.outputDirectory + file + name + ".ppm";
    if (!WritePpm(WholeScreen(), path)) Note("screenshot " + name + " not written");
}

HWND Lesson::Toolbar() const {
    return FindWindowWithChild(process_.dwProcessId, "#32770", kPen);
}

bool Lesson::TapButton(int id) {
    POINT c{};
    // The toolbar steps aside for a moment after some commands.
    if (!ChildCentre(WaitFor([this] { return Toolbar(); }, 5000), id, c)) {
        Note("toolbar button " + std::to_string(id) + " not found");
        return false;
    }
    user_.Tap(c);
    return true;
}

bool Lesson::SettledMenu() {
    // A menu is read once it has been fully painted, as a person waits for it to open.
    if (!WaitFor([] { return FindPopupMenu(); }, 4000)) return false;
    Sleep(400);
    return true;
}

bool Lesson::ChooseFromMenu(int button, const std::function<bool(const MenuReader&, POINT&)>& find,
                            const char* what) {
    if (!TapButton(button)) return false;
    POINT item{};
    if (!SettledMenu() ||
        !WaitFor([&] { return find(MenuReader(), item) ? FindPopupMenu() : nullptr; }, 4000)) {
        Note(std::string("menu item ") + what + " not found");
        return false;
    }
    user_.Tap(item);
    // The toolbar keeps the mouse in charge for a moment after a menu choice; a person's hand
    // takes longer than that to reach the board anyway.
    user_.Rest(3000);
    return true;
}

bool Lesson::TrayCommand(int group) {
    // The icon's right click, as the tray delivers it to the owner window.
    PostMessageA(main_, RegisterWindowMessageA("Tarnwick Demo"), 0, WM_RBUTTONUP);
    POINT item{};
    if (!SettledMenu() ||
        !WaitFor([&] { return MenuReader().GroupCentre(group, item) ? FindPopupMenu() : nullptr; },
                 4000)) {
        Note("the tray menu did not open");
        return false;
    }
    user_.Tap(item);
    return true;
}

bool Lesson::StoreFirstCalibration(int w, int h) {
    const DirectorySettings loaded = LoadSettingsForDirectory(paths_.programDirectory);
    if (!loaded.settingsFileFound) return false;
    IniFileStore file(loaded.settingsFilePath);
    const Settings& s = loaded.settings;
    // The view of the virtual webcam the lesson plugged in.
    const webcam::WebcamConfig camera =
        webcam::LoadWebcamConfig(paths_.outputDirectory + kWebcamConfig);
    return sim::StorePerfectCalibration(
        file, camera.view,
        TargetGeometry{s.calibrationSize, s.calibrationShiftX, s.calibrationShiftY, w, h});
}

bool Lesson::Start() {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    // The camera was calibrated once before this lesson, so the pen reaches the tray menu.
    if (!StoreFirstCalibration(w, h)) {
        Note("no Setting.ini to calibrate");
        return false;
    }
    if (!board_.Open(RECT{w / 2 - 60, h - 170, w / 2 + 60, h - 130})) Note("no whiteboard");
    const std::string exe = paths_.programDirectory + "halvertone.exe";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string command = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        paths_.programDirectory.c_str(), &si, &process_)) {
        Note("cannot start " + exe);
        return false;
    }
    if (!ChooseCamera()) return false;
    // The main window starts hidden.
    main_ = WaitFor([&] { return FindWindowWithChild(process_.dwProcessId, "#32770", 1075, true); },
                    20000);
    if (!main_) Note("no main window");
    // The toolbar may flash up before the start-up check of the room (about two seconds, when
    // the pen must stay dark); it stays once the check has passed.
    HWND toolbar = WaitFor([&] { return Toolbar(); }, 25000);
    if (toolbar) {
        Sleep(3000);
        toolbar = WaitFor([&] { return Toolbar(); }, 25000);
    }
    Shot("start");
    if (!toolbar) {
        Note("the toolbar never appeared (check-environment failed?)");
        return false;
    }
    RECT r{};
    GetWindowRect(toolbar, &r);
    Note("toolbar at " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
         std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top));
    return main_ != nullptr;
}

void Lesson::ClickWithMouse(POINT p) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT in[3]{};
    for (INPUT& i : in) {
        i.type = INPUT_MOUSE;
        i.mi.dx = static_cast<LONG>((p.x * 65535LL + w / 2) / (w - 1));
        i.mi.dy = static_cast<LONG>((p.y * 65535LL + h / 2) / (h - 1));
    }
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    // One event at a time, with a pause, so the moves are not merged away.
    for (INPUT& i : in) {
        SendInput(1, &i, sizeof(INPUT));
        Sleep(100);
    }
}

bool Lesson::ChooseCamera() {
    // A fresh installation names no camera: the program lists the ones present.
    const HWND choice = WaitFor(
        [&] { return FindWindowWithChild(process_.dwProcessId, "#32770", IDC_CAMERA_LIST); },
        20000);
    POINT ok{};
    if (!choice || !ChildCentre(choice, IDOK, ok)) {
        Note("no camera choice offered");
        return false;
    }
    Sleep(500);
    Shot("camera-dialog");
    // The lesson's camera is the only one plugged in, and the list starts on it. No camera runs
    // yet, so the pen cannot press OK: the teacher clicks it with the mouse.
    ClickWithMouse(ok);
    if (!WaitFor([&] { return IsWindow(choice) ? nullptr : choice; }, 5000)) {
        Note("the camera choice did not close");
        return false;
    }
    return true;
}

bool Lesson::LookThroughCameraView() {
    // The tray menu's "Camera view" command.
    PostMessageA(main_, WM_COMMAND, ID_CAMERA_VIEW, 0);
    const HWND view = WaitFor(
        [&] {
            HWND w = FindWindowA(nullptr, "Camera view");
            return w && IsWindowVisible(w) ? w : nullptr;
        },
        5000);
    if (!view) {
        Note("no camera view");
        return false;
    }
    // The pen held up beside the view, where the view shows it with its box.
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    user_.Hold(POINT{3 * w / 4, 3 * h / 4}, 400);
    Sleep(800);
    Shot("camera-view");
    user_.Lift();
    user_.Rest(500);
    PostMessageA(view, WM_CLOSE, 0, 0);
    if (!WaitFor([&] { return IsWindowVisible(view) ? nullptr : view; }, 5000)) {
        Note("the camera view did not close");
        return false;
    }
    return true;
}

bool Lesson::Calibrate() {
    if (!TrayCommand(kCalibrationGroup)) return false;
    // The mounting question comes first; the desktop mounting stays chosen.
    const HWND method = WaitFor(
        [&] { return FindWindowWithChild(process_.dwProcessId, "#32770", kIdCalibrationMessage); },
        5000);
    POINT ok{};
    if (!method || !ChildCentre(method, IDOK, ok)) {
        Note("no projection-method dialog");
        return false;
    }
    user_.Tap(ok);
    TargetGeometry g;
    g.screenWidth = GetSystemMetrics(SM_CXSCREEN);
    g.screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const std::vector<TargetShape> candidates = AllTargets(g, TargetStyle::kCurrent);

    int held = 0;
    bool shot = false;
    const DWORD begun = GetTickCount();
    DWORD lastSeen = GetTickCount();
    while (GetTickCount() - begun < 90000) {
        const win32::ScreenShot screen = WholeScreen();
        const TargetShape* current = nullptr;
        for (const TargetShape& t : candidates) {
            const LONG x = t.square.left + 3, y = t.square.top + 3;
            if (win32::ChannelDistance(screen.At(x, y), t.fillColor) <= 40) current = &t;
        }
        if (!current) {
            if (held >= 13 && GetTickCount() - lastSeen > 4000) break;
            Sleep(200);
            continue;
        }
        lastSeen = GetTickCount();
        if (!shot && held >= 3) {
            Shot("calibration");
            shot = true;
        }
        const POINT centre{(current->square.left + current->square.right) / 2,
                           (current->square.top + current->square.bottom) / 2};
        // A person holds the pen on the target, lifts it and looks for the next one.
        user_.Hold(centre, 1200);
        user_.Lift();
        user_.Rest(700);
        ++held;
    }
    Note(std::to_string(held) + " targets held");
    if (held < 13) return false;

    // The new table: the cursor follows the pen where it points.
    double worst = 0, sum = 0;
    const POINT probes[] = {{g.screenWidth / 4, g.screenHeight / 4},
                            {3 * g.screenWidth / 4, g.screenHeight / 4},
                            {g.screenWidth / 2, g.screenHeight / 2},
                            {g.screenWidth / 4, 3 * g.screenHeight / 4},
                            {3 * g.screenWidth / 4, 3 * g.screenHeight / 4}};
    for (POINT p : probes) {
        user_.Hold(p, 1200);
        POINT c{};
        GetCursorPos(&c);
        user_.Lift();
        user_.Rest(500);
        const double d = std::hypot(c.x - p.x, c.y - p.y);
        sum += d;
        worst = std::max(worst, d);
    }
    char text[64];
    std::snprintf(text, sizeof text, "cursor vs pen: mean %.1f px, max %.1f px", sum / 5, worst);
    Note(text);
    // The program then says how good the calibration was; a person reads it and presses OK.
    constexpr int kMessageBoxText = 0xFFFF;
    const HWND quality = WaitFor(
        [&] { return FindWindowWithChild(process_.dwProcessId, "#32770", kMessageBoxText); }, 5000);
    POINT close{};
    if (!quality || !ChildCentre(quality, IDOK, close)) {
        Note("no calibration quality message");
        return false;
    }
    char said[512] = {};
    GetDlgItemTextA(quality, kMessageBoxText, said, sizeof said);
    Note(std::string("quality: ") + said);
    Shot("calibration-quality");
    user_.Tap(close);
    if (!WaitFor([&] { return IsWindow(quality) ? nullptr : quality; }, 5000)) {
        Note("the quality message did not close");
        return false;
    }
    // The cursor ignores movements below "Mouse Sensitivity", so it may rest a few pixels off.
    return worst <= 10;
}

bool Lesson::MouseClick() {
    RECT b{};
    HWND button = FindWindowExA(board_.Window(), nullptr, "BUTTON", nullptr);
    if (!button || !GetWindowRect(button, &b)) {
        Note("no button to click");
        return false;
    }
    if (!TapButton(kMouse)) return false;
    user_.Tap(Centre(b));
    Sleep(500);
    Shot("mouse-click");
    return board_.NoteOpened();
}

void Lesson::DrawAndLook(const std::vector<POINT>& stroke, uint32_t colour) {
    user_.Stroke(stroke);
    Sleep(150);
    // A stroke that did not show while it was drawn is named: the final picture alone would
    // not tell which one went missing.
    const double shown = Share(WholeScreen(), {stroke}, colour);
    if (shown < 0.8)
        Note("stroke from " + std::to_string(stroke.front().x) + "," +
             std::to_string(stroke.front().y) + " shown " + Percent(shown));
}

bool Lesson::Write() {
    board_.Refresh();
    red_ = {{{200, 200}, {200, 300}},
            {{260, 200}, {260, 300}},
            {{200, 250}, {260, 250}},
            {{320, 200}, {320, 300}}};
    blue_ = {Ellipse({470, 250}, 35, 50),
             {{560, 200}, {560, 300}},
             {{610, 200}, {562, 250}, {610, 300}}};
    highlight_ = {{180, 225}, {360, 225}};
    auto swatch = [](uint32_t colour) {
        return [colour](const MenuReader& m, POINT& p) { return m.SwatchCentre(colour, p); };
    };
    // The highlighter switch heads the colour menu, above its separators.
    auto highlighter = [](const MenuReader& m, POINT& p) { return m.GroupCentre(0, p); };
    // The drawing buttons wake up with the pen.
    if (!TapButton(kPen)) return false;
    if (!ChooseFromMenu(kPenColor, swatch(kRed), "red")) return false;
    for (const auto& s : red_) DrawAndLook(s, kRed);
    if (!ChooseFromMenu(kPenColor, swatch(kBlue), "blue")) return false;
    for (const auto& s : blue_) DrawAndLook(s, kBlue);
    if (!ChooseFromMenu(kPenColor, highlighter, "highlighter") ||
        !ChooseFromMenu(kPenColor, swatch(kYellow), "yellow") ||
        !ChooseFromMenu(
            kPenWidth, [](const MenuReader& m, POINT& p) { return m.BarCentre(kWidest, p); },
            "widest bar"))
        return false;
    user_.Stroke(highlight_);
    Sleep(300);
    Shot("writing");
    const win32::ScreenShot screen = WholeScreen();
    writing_ = screen;
    const double red = Share(screen, red_, kRed), blue = Share(screen, blue_, kBlue);
    // Off the red strokes the mark is yellow; where it crosses them the red shows through.
    const double tint = CoveredShare(screen, {{190, 225}, {230, 225}, {290, 225}}, kYellow, 3, 70);
    const double under = CoveredShare(screen, {{200, 225}, {260, 225}, {320, 225}}, kRed, 2, 70);
    Note("red " + Percent(red) + ", blue " + Percent(blue) + ", highlighter " + Percent(tint) +
         ", red under it " + Percent(under));
    // Later strokes go back to plain ink.
    ChooseFromMenu(kPenColor, highlighter, "highlighter");
    return red >= 0.8 && blue >= 0.8 && tint >= 0.6 && under >= 0.6;
}

bool Lesson::Erase() {
    erased_ = {red_[3]};  // the "I"
    if (!TapButton(kEraser)) return false;
    // The pen holds the square's corner: a person puts the square over the line, not its edge.
    user_.Stroke({{310, 185}, {310, 315}}, 4);
    Sleep(500);
    Shot("eraser");
    const win32::ScreenShot screen = WholeScreen();
    beforeClean_ = screen;
    const double left = Share(screen, erased_, kRed, 1);
    // The strokes left of the eraser's path, as they were drawn: how well they were drawn is
    // the writing step's business.
    const RECT untouched{185, 190, 280, 310};
    const double kept = MatchedInkShare(writing_, screen, untouched, 2, 80);
    Note("red left under the eraser " + Percent(left) + ", untouched ink kept " + Percent(kept));
    return left <= 0.1 && kept >= 0.95;
}

bool Lesson::CleanAndRedraw() {
    if (!TapButton(kCleanScreen)) return false;
    Sleep(800);
    Shot("clean");
    win32::ScreenShot screen = WholeScreen();
    const double afterClean =
        std::max(Share(screen, red_, kRed, 1), Share(screen, blue_, kBlue, 1));
    if (!TapButton(kRedrawScreen)) return false;
    // The toolbar steps aside while the strokes are painted again and comes back after.
    WaitFor([this]() -> HWND { return Toolbar() ? nullptr : GetDesktopWindow(); }, 3000);
    WaitFor([this] { return Toolbar(); }, 8000);
    Sleep(300);
    Shot("redraw");
    screen = WholeScreen();
    const double red = Share(screen, {red_[0], red_[1], red_[2]}, kRed);
    const double blue = Share(screen, blue_, kBlue);
    const double erased = Share(screen, erased_, kRed, 1);
    // The redrawn picture against the one before the clean, both ways round: nothing lost,
    // nothing added beyond the tails the live drawing leaves for the redraw.
    const RECT writing{150, 170, 700, 340};
    const double kept = MatchedInkShare(beforeClean_, screen, writing, 3, 80);
    const double same = MatchedInkShare(screen, beforeClean_, writing, 3, 80);
    Note("ink after clean " + Percent(afterClean) + "; after redraw red " + Percent(red) +
         ", blue " + Percent(blue) + ", erased part " + Percent(erased) +
         "; picture before the clean found again " + Percent(kept) + ", redrawn ink seen before " +
         Percent(same));
    return afterClean <= 0.1 && red >= 0.8 && blue >= 0.8 && erased <= 0.2 && kept >= 0.9 &&
           same >= 0.85;
}

bool Lesson::Capture() {
    if (!TapButton(kScreenCapture)) return false;
    const HWND dialog = WaitFor(
        [&] { return FindWindowWithChild(process_.dwProcessId, "#32770", kFilterCombo); }, 20000);
    if (!dialog) {
        Note("no save dialog");
        return false;
    }
    const std::string name = paths_.outputDirectory + kCaptureName;
    HWND edit = GetDlgItem(dialog, kFileNameEdit);
    if (!edit) edit = GetDlgItem(dialog, kFileNameCombo);
    SetWindowTextA(edit, name.c_str());
    HWND filter = GetDlgItem(dialog, kFilterCombo);
    SendMessageA(filter, CB_SETCURSEL, 2, 0);  // the third entry: PNG
    // A person's pick ends the choice too, which is when Wine takes the new filter.
    for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK})
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kFilterCombo, code),
                     reinterpret_cast<LPARAM>(filter));
    Sleep(300);
    Shot("save-dialog");
    POINT save{};
    if (ChildCentre(dialog, IDOK, save)) user_.Tap(save);
    const std::string path = name + ".png";
    unsigned char magic[8] = {};
    for (int waited = 0; waited < 10000; waited += 250) {
        std::ifstream in(path, std::ios::binary);
        if (in.read(reinterpret_cast<char*>(magic), sizeof magic)) break;
        Sleep(250);
    }
    const bool png = magic[0] == 0x89 && magic[1] == 'P' && magic[2] == 'N' && magic[3] == 'G';
    Note(png ? "saved " + path : "no PNG at " + path);
    if (IsWindow(dialog)) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return png;
}

bool Lesson::Exit() {
    if (!TrayCommand(kExitGroup)) return false;
    const HWND box =
        WaitFor([&] { return FindWindowWithChild(process_.dwProcessId, "#32770", IDYES); }, 5000);
    POINT yes{};
    if (box && ChildCentre(box, IDYES, yes)) user_.Tap(yes);
    const bool ended = WaitForSingleObject(process_.hProcess, 15000) == WAIT_OBJECT_0;
    DWORD code = 1;
    GetExitCodeProcess(process_.hProcess, &code);
    Note(ended ? "program ended with " + std::to_string(code) : "program still running");
    Shot("after-exit");
    return ended;
}

}  // namespace halvertone::lesson
