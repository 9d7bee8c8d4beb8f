#pragma once
// The synthetic camera's switches, kept in their own "SIMULATION" section of "Setting.ini" so
// that neither the command line (whose whole tail is the "/q" switch) nor the settings record
// changes: "Camera" = 1 replaces the real camera, "Pen Script" names the virtual pen's timeline
// (relative to the program directory), "Cursor Log" a file that receives "t x y" lines of the
// cursor after every synthetic mouse event, "K1" and "Tilt" shape the camera's view, "Frame
// Rate" paces it, and "Unplug Every"/"Unplug For" (seconds) pull it off the bus and back.
#include <cstdint>
#include <string>

#include "platform/profile_store.h"

namespace halvertone {

inline constexpr const char* kSimulationSection = "SIMULATION";

struct SimulationSettings {
    bool camera = false;
    std::string penScript;            // relative to the program directory; empty: the pen stays up
    std::string cursorLog;            // relative to the program directory; empty: no log
    double k1 = 0;                    // radial lens distortion, negative = barrel
    double tilt = 0;                  // keystone of the view, -0.3 .. 0.3 (fraction of the frame)
    int frameRate = 30;               // frames per second, 1 .. 120
    uint32_t unplugEverySeconds = 0;  // 0: never unplugged
    uint32_t unplugForSeconds = 0;    // shorter than the period; 0 with no period
};

// Unreadable or out-of-range numbers give the defaults.
SimulationSettings ReadSimulationSettings(ProfileStore& settingsFile);

}  // namespace halvertone
