// The real program calibrated through a virtual webcam whose user watches the screen: the tray
// command, OK in the projection-method dialog, thirteen targets held with the pen, the lattice
// saved in "Setting.ini" and how well a table built from it maps the pen over the whole screen.
// A camera mounted upside down is turned through its extension unit; a lamp in view fails the
// start-up check of the room.
#include <windows.h>
// windows.h first
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "calibration/projection_method_dialog.h"
#include "calibration/table_builder.h"
#include "platform/ini_text_store.h"
#include "simulator/camera_model.h"
#include "simulator/perfect_calibration.h"
#include "simulator/simulated_view.h"
#include "platform/win32/private_profile_store.h"
#include "plugged_webcam.h"
#include "program_copy.h"
#include "screen_readback.h"
#include "shell/settings_load.h"

namespace halvertone {
namespace {

using testing::MainWindowOf;
using testing::PluggedWebcam;
using testing::ProgramCopy;
using testing::WaitForWindow;

constexpr int kCalibrationCommand = 32788;
constexpr int kStatusLine = 1076;
constexpr DWORD kCalibrationLimitMs = 45000;

// A camera looking up at a slightly keystoned screen through a barrel-distorting lens.
constexpr double kK1 = -0.05;
constexpr double kTilt = 0.1;

std::string SettingsText(const std::string& extraSetting) {
    return "[SETTING]\r\nPID=0301\r\nVID=1d6b\r\nProjector Position=2\r\n" + extraSetting;
}

// The camera the program is set up for; `pen` is its pen script.
class CalibrationCamera : public PluggedWebcam {
  public:
    CalibrationCamera(const std::string& extra, const std::string& pen)
        : PluggedWebcam("Virtual Calibration", "1d6b", "0301",
                        "PenScript=pen.txt\nK1=-0.05\nTilt=0.1\n" + extra) {
        Directory().Write("pen.txt", pen);
    }
};

sim::CameraView Simulation(bool upsideDown) {
    sim::CameraView s;
    s.k1 = kK1;
    s.tilt = kTilt;
    s.upsideDown = upsideDown;
    return s;
}

std::string ItemText(HWND dialog, int id) {
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// The projection-method dialog of `pid` (it exists, hidden, from the end of start-up).
HWND MethodDialogOf(DWORD pid) {
    struct Query {
        DWORD pid;
        HWND found;
    } q{pid, nullptr};
    EnumWindows(
        [](HWND w, LPARAM lp) -> BOOL {
            auto* q = reinterpret_cast<Query*>(lp);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner != q->pid || !GetDlgItem(w, kIdCalibrationMessage) ||
                !GetDlgItem(w, kIdDesktop))
                return TRUE;
            q->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&q));
    return q.found;
}

Settings LoadSettingsFile(const std::string& path) {
    PrivateProfileStore file(path);
    Settings settings;
    LoadSettings(settings, SettingsSource{true, &file, nullptr});
    return settings;
}

struct ErrorFigures {
    double mean = 0;
    double max = 0;
    int samples = 0;
    void Add(double error) {
        mean += (error - mean) / ++samples;
        max = std::max(max, error);
    }
};

struct Accuracy {
    ErrorFigures truth;          // table entry against the screen point the pen was on
    ErrorFigures covered;        // the same between the outer targets' crosses
    ErrorFigures margins;        // the same between those crosses and the screen's edges
    ErrorFigures flawlessTruth;  // the flawless run's entry against the screen point
    ErrorFigures flawless;       // table entry against the flawless run's entry for the same pixel
    int unmapped = 0;            // screen points whose camera pixel has no entry in the table
    int flawlessUnmapped = 0;
};

// The accuracy figures below are those of "Mapping Mode" 1, the lattice on the crosses.
std::unique_ptr<ScreenMapping> TableFrom(const Settings& saved) {
    Settings settings = saved;
    settings.mappingMode = kCrossesMapping;
    ScreenMetrics metrics;
    metrics.Set(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    auto mapping = std::make_unique<ScreenMapping>();
    TableBuilder(settings, metrics, *mapping).Build(0);
    return mapping;
}

std::optional<PixelPoint> Entry(const ScreenMapping& mapping, int32_t x, int32_t y) {
    const auto e = mapping.LookUp(x, y);
    if (!e || e->x == kUnknown || e->y == kUnknown) return std::nullopt;
    return e;
}

// Screen points every 16 pixels and along the far edges, each seen through the camera model
// as the program sees it (turned back when the program turns the frames) and looked up in a
// table built from the saved settings, as the program builds it at start-up, and in the table
// of a flawless run.
Accuracy MeasureSavedTable(const Settings& saved, const Settings& perfect,
                           const sim::CameraView& simulation, bool framesTurned) {
    const int32_t w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const auto table = TableFrom(saved);
    const auto flawless = TableFrom(perfect);
    const sim::CameraModel model(sim::SimulatedCameraConfig(simulation, w, h));
    const TargetGeometry targets{16, 10, 10, w, h};
    const PixelPoint first = CrossOf(MainTarget(targets, 0, 0, TargetStyle::kMeasured));
    const PixelPoint last = CrossOf(MainTarget(targets, 2, 2, TargetStyle::kMeasured));
    const auto along = [](int32_t extent, int32_t i) {
        return std::min(16.0 * i + 0.5, extent - 0.5);
    };
    Accuracy a;
    for (int32_t j = 0; j <= h / 16; ++j) {
        for (int32_t i = 0; i <= w / 16; ++i) {
            const double sx = along(w, i), sy = along(h, j);
            const sim::Point2 c = model.ScreenToCamera({sx, sy});
            int32_t px = static_cast<int32_t>(std::floor(c.x));
            int32_t py = static_cast<int32_t>(std::floor(c.y));
            if (framesTurned) {
                px = kFrameWidth - 1 - px;
                py = kFrameHeight - 1 - py;
            }
            const auto got = Entry(*table, px, py);
            const auto ideal = Entry(*flawless, px, py);
            if (!ideal) ++a.flawlessUnmapped;
            if (!got) {
                ++a.unmapped;
                continue;
            }
            const double error = std::hypot(got->x + 0.5 - sx, got->y + 0.5 - sy);
            a.truth.Add(error);
            const bool between =
                sx >= first.x && sx < last.x + 1 && sy >= first.y && sy < last.y + 1;
            (between ? a.covered : a.margins).Add(error);
            if (!ideal) continue;
            a.flawlessTruth.Add(std::hypot(ideal->x + 0.5 - sx, ideal->y + 0.5 - sy));
            a.flawless.Add(std::hypot(got->x - ideal->x, got->y - ideal->y));
        }
    }
    return a;
}

// What a flawless run would have saved for this camera: the thirteen target crosses as the
// (upright or turned back) picture shows them, derived and extended like the program does.
Settings PerfectlySaved(const sim::CameraView& simulation) {
    const int32_t w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    IniTextStore file(std::string("[SETTING]\r\n"));
    EXPECT_TRUE(sim::StorePerfectCalibration(file, simulation, TargetGeometry{16, 10, 10, w, h}));
    Settings settings;
    LoadSettings(settings, SettingsSource{true, &file, nullptr});
    return settings;
}

// The thirteen points (after the same extension of the outer ring) lie within two camera
// pixels of where a flawless run puts them, each in its own place of the lattice.
void ExpectMeasuredPointsNearTheCrosses(const Settings& saved, const sim::CameraView& simulation) {
    const Settings perfect = PerfectlySaved(simulation);
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            if (r % 2 != c % 2) continue;  // the derived points
            const PixelPoint got = saved.grid.G(r, c), expected = perfect.grid.G(r, c);
            EXPECT_LE(std::abs(got.x - expected.x), 2) << "G(" << r << "," << c << ")";
            EXPECT_LE(std::abs(got.y - expected.y), 2) << "G(" << r << "," << c << ")";
        }
    }
}

struct CalibrationRun {
    bool finished = false;
    bool mainWindowShown = false;
    std::string firstMessage;
    bool sawUpsideDownMessage = false;
    std::string settingsText;
    std::string qualityMessage;  // what the box after the calibration said
};

// A person who calibrates from the start of streaming on.
constexpr char kCalibrates[] = "0 calibrate\n";

// Starts the program, chooses "Do Calibration" and OK as a user would, and waits until the
// lattice has been saved and the calibration has ended.
CalibrationRun CalibrateWithTheVirtualUser(ProgramCopy& copy) {
    CalibrationRun run;
    const DWORD pid = copy.Start("halvertone.exe", "");
    EXPECT_NE(pid, 0u);
    HWND main = WaitForWindow([&] { return MainWindowOf(pid); });
    HWND method = WaitForWindow([&] { return MethodDialogOf(pid); }, 12000);
    if (!main || !method) {
        ADD_FAILURE() << "the program did not finish its start-up";
        return run;
    }
    run.mainWindowShown = IsWindowVisible(main) != FALSE;
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(kCalibrationCommand, 0), 0);
    if (!WaitForWindow([&] { return IsWindowVisible(method) ? method : nullptr; }, 5000)) {
        ADD_FAILURE() << "the calibration command did not show the projection-method dialog";
        return run;
    }
    run.firstMessage = ItemText(method, kIdCalibrationMessage);
    PostMessageA(GetDlgItem(method, IDOK), BM_CLICK, 0, 0);

    const DWORD start = GetTickCount();
    while (GetTickCount() - start < kCalibrationLimitMs) {
        if (IsWindowVisible(method) &&
            ItemText(method, kIdCalibrationMessage).find("upside down") != std::string::npos)
            run.sawUpsideDownMessage = true;
        run.settingsText = copy.Read("Setting.ini");
        // The lattice is written by the build at the end; "Projector Position" after it.
        if (run.settingsText.find("Calibration_2 15-y") != std::string::npos &&
            run.settingsText.find("Projector Position=0") != std::string::npos) {
            run.finished = true;
            break;
        }
        Sleep(50);
    }
    std::printf("[ calibration ] %.1f s\n", (GetTickCount() - start) / 1000.0);
    // The box has a thread of its own: answering it is not needed to end the calibration.
    if (HWND box = WaitForWindow(
            [&] { return testing::MessageBoxOf(pid, "Calibration quality", IDOK); }, 5000)) {
        run.qualityMessage = testing::MessageBoxText(box);
        std::printf("[ quality     ] %s\n", run.qualityMessage.c_str());
        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    }
    return run;
}

// Prints the figures and checks them. The table stands its lattice where the targets were
// drawn, so what is left is the lens bending the lattice lines the table takes as straight
// and the camera's pixels, each about two screen pixels wide; the calibration must add no
// more than about a camera pixel to a flawless one.
void ReportAndCheck(const char* what, const Accuracy& a) {
    std::printf(
        "[ accuracy    ] %s: %d screen points; against the pen mean %.2f px, max %.2f px "
        "(between the outer crosses mean %.2f, max %.2f; margins mean %.2f, max %.2f); "
        "flawless calibration mean %.2f, max %.2f; against the flawless table mean %.2f px, "
        "max %.2f px; unmapped %d (flawless %d)\n",
        what, a.truth.samples + a.unmapped, a.truth.mean, a.truth.max, a.covered.mean,
        a.covered.max, a.margins.mean, a.margins.max, a.flawlessTruth.mean, a.flawlessTruth.max,
        a.flawless.mean, a.flawless.max, a.unmapped, a.flawlessUnmapped);
    EXPECT_GT(a.flawless.samples, 2900);
    EXPECT_LT(a.flawlessTruth.mean, 2.0);
    EXPECT_LT(a.truth.mean, 2.5);
    EXPECT_LT(a.covered.max, 7.0);
    EXPECT_LT(a.margins.max, 7.5);
    EXPECT_LT(a.flawless.mean, 2.0);
    EXPECT_LE(a.unmapped, a.flawlessUnmapped + 30);
}

TEST(VirtualCalibration, ThirteenTargetsHeldWithThePenAreSavedAndMapThePen) {
    CalibrationCamera camera("", kCalibrates);
    ProgramCopy copy(SettingsText("Flip=0\r\n"), 70000);
    const CalibrationRun run = CalibrateWithTheVirtualUser(copy);
    ASSERT_TRUE(run.finished) << "no saved calibration; Setting.ini:\n" << run.settingsText;
    EXPECT_FALSE(run.mainWindowShown) << "a dark room passes the start-up check";
    EXPECT_NE(run.firstMessage.find("press OK"), std::string::npos) << run.firstMessage;
    EXPECT_FALSE(run.sawUpsideDownMessage);
    EXPECT_NE(run.qualityMessage.find("The calibration is good"), std::string::npos)
        << run.qualityMessage;

    const Settings saved = LoadSettingsFile(copy.File("Setting.ini"));
    EXPECT_EQ(saved.flip.load(), 0);
    EXPECT_EQ(saved.projectorPosition.load(), 0);
    ExpectMeasuredPointsNearTheCrosses(saved, Simulation(false));
    ReportAndCheck("upright camera", MeasureSavedTable(saved, PerfectlySaved(Simulation(false)),
                                                       Simulation(false), false));
}

TEST(VirtualCalibration, ACameraMountedUpsideDownIsTurnedAndTheRunStartsAgainByItself) {
    CalibrationCamera camera("UpsideDown=1\n", kCalibrates);
    ProgramCopy copy(SettingsText("Flip=0\r\n"), 70000);
    const CalibrationRun run = CalibrateWithTheVirtualUser(copy);
    ASSERT_TRUE(run.finished) << "no saved calibration; Setting.ini:\n" << run.settingsText;
    EXPECT_TRUE(run.sawUpsideDownMessage) << "the orientation error was never shown";

    const Settings saved = LoadSettingsFile(copy.File("Setting.ini"));
    EXPECT_EQ(saved.flip.load(), 1) << "\"Flip\" was not toggled in the file";
    EXPECT_EQ(saved.projectorPosition.load(), 0);
    ExpectMeasuredPointsNearTheCrosses(saved, Simulation(true));
    ReportAndCheck(
        "upside-down camera, turned by its sensor",
        MeasureSavedTable(saved, PerfectlySaved(Simulation(true)), Simulation(true), true));
}

TEST(VirtualCalibration, ALampInViewFailsTheStartUpCheckAndTheMainWindowSaysSoInRed) {
    CalibrationCamera camera("Lamp=1\n", "");
    ProgramCopy copy(SettingsText(""), 20000);
    const DWORD pid = copy.Start("halvertone.exe", "");
    ASSERT_NE(pid, 0u);
    HWND main = WaitForWindow([&] { return testing::VisibleMainWindowOf(pid); }, 12000);
    ASSERT_NE(main, nullptr) << "the main window was not shown after the check";
    EXPECT_EQ(ItemText(main, kStatusLine),
              "The camera sees a strong light. Move lamps away from the screen or close the "
              "curtains.");

    SetForegroundWindow(main);
    BringWindowToTop(main);
    HWND status = GetDlgItem(main, kStatusLine);
    RECT r{};
    GetWindowRect(status, &r);
    // Let the window paint before its pixels are read.
    int red = 0;
    const DWORD start = GetTickCount();
    do {
        Sleep(200);
        const testing::ScreenShot shot = testing::ReadScreen(r);
        red = 0;
        for (uint32_t c : shot.pixels) {
            const uint32_t rr = c & 0xFF, gg = (c >> 8) & 0xFF, bb = (c >> 16) & 0xFF;
            if (rr >= 200 && gg <= 60 && bb <= 60) ++red;
        }
    } while (red < 30 && GetTickCount() - start < 4000);
    std::printf("[ status line ] %d red text pixels\n", red);
    EXPECT_GE(red, 30) << "the status line text is not red";
}

}  // namespace
}  // namespace halvertone
