#pragma once
// The synthetic camera's switches, kept in their own "SIMULATION" section of "Setting.ini" so
// that neither the command line (whose whole tail is the "/q" switch) nor the settings record
// changes: "Camera" = 1 replaces the real camera, "Pen Script" names the virtual pen's timeline
// (relative to the program directory), "Cursor Log" a file that receives "t x y" lines of the
// cursor after every synthetic mouse event, "K1" and "Tilt" shape the camera's view, "Live Pen"
// = 1 lets another process steer the pen instead of the script, "Unplug At" and "Replug At"
// take the camera away and give it back, "Camera Log" notes it and what the notification icon
// shows, "Upside Down" = 1 mounts the camera turned by 180 degrees and "Lamp" = 1 puts a lamp
// in its view, "Frame Rate" paces the camera, and "Unplug Every"/"Unplug For"
// (seconds) pull it off the bus and back again and again.
#include <cstdint>
#include <string>

#include "platform/profile_store.h"

namespace halvertone {

inline constexpr const char* kSimulationSection = "SIMULATION";

struct SimulationSettings {
    bool camera = false;
    std::string penScript;  // relative to the program directory; empty: the pen stays up
    bool livePen = false;   // the pen is steered through the live-pen mapping
    std::string cursorLog;  // relative to the program directory; empty: no log
    // Receives "t unplug", "t replug" and "t icon <tooltip>" lines when the synthetic camera is
    // taken away or given back and when the notification icon changes.
    std::string cameraLog;
    double k1 = 0;    // radial lens distortion, negative = barrel
    double tilt = 0;  // keystone of the view, -0.3 .. 0.3 (fraction of the frame)
    // Milliseconds after the camera's start when it vanishes from the bus ("Unplug At") and
    // comes back ("Replug At"); -1: never.
    int32_t unplugAtMs = -1;
    int32_t replugAtMs = -1;
    bool upsideDown = false;
    bool lamp = false;
    int frameRate = 30;               // frames per second, 1 .. 120
    uint32_t unplugEverySeconds = 0;  // 0: never unplugged
    uint32_t unplugForSeconds = 0;    // shorter than the period; 0 with no period
};

// Unreadable or out-of-range numbers give the defaults.
SimulationSettings ReadSimulationSettings(ProfileStore& settingsFile);

}  // namespace halvertone
