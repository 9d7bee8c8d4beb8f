// halvertone-probe simcalibrate --dir PROGRAM_DIR --screen WxH [--webcam WEBCAM_INI]
// Writes into the directory's "Setting.ini" the calibration a flawless run would store for the
// virtual webcam its INI file describes (section "Webcam": "K1", "Tilt"; without one a
// straight lens), with the directory's target size and margins; the program then starts with a
// table that fits its camera.
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/ini_file_store.h"
#include "simulator/perfect_calibration.h"
#include "simulator/simulated_view.h"
#include "shell/settings_loader.h"
#include "tools/probe/command.h"
#include "tools/probe/screen_arg.h"

namespace halvertone::probe {
namespace {

int RunSimCalibrate(const Args& args) {
    const ParsedArgs p = ParseArgs(args, {"dir", "screen", "webcam"});
    if (!p.error.empty()) return UsageError(p.error);
    const std::string* dir = p.Option("dir");
    const std::string* screen = p.Option("screen");
    if (!dir || !screen || !p.positional.empty())
        return UsageError("simcalibrate needs --dir PROGRAM_DIR --screen WxH");
    int32_t w = 0, h = 0;
    if (!ParseScreen(*screen, w, h)) return UsageError("--screen must be WxH, each 1..65535");
    std::string programDir = *dir;
    while (programDir.size() > 1 && programDir.back() == '/') programDir.pop_back();
    programDir += "/";
    const DirectorySettings loaded = LoadSettingsForDirectory(programDir);
    if (!loaded.settingsFileFound) return UsageError(programDir + "Setting.ini: not found");
    IniFileStore settingsFile(loaded.settingsFilePath);
    sim::CameraView view;
    if (const std::string* webcam = p.Option("webcam")) {
        if (!std::filesystem::is_regular_file(*webcam)) return UsageError(*webcam + ": not found");
        IniFileStore webcamFile(*webcam);
        view = sim::ReadCameraView(webcamFile, "Webcam");
    }
    const TargetGeometry targets{loaded.settings.calibrationSize, loaded.settings.calibrationShiftX,
                                 loaded.settings.calibrationShiftY, w, h};
    if (!sim::StorePerfectCalibration(settingsFile, view, targets))
        return UsageError("the webcam's view (K1, Tilt) cannot be made");
    std::printf("{\"stored\":true,\"k1\":%g,\"tilt\":%g}\n", view.k1, view.tilt);
    return 0;
}

const CommandRegistrar kSimCalibrate(
    "simcalibrate", "simcalibrate --dir PROGRAM_DIR --screen WxH [--webcam WEBCAM_INI]",
    RunSimCalibrate);

}  // namespace
}  // namespace halvertone::probe
