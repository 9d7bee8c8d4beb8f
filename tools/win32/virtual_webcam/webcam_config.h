#pragma once
// One virtual camera's set-up, from its INI file (section "Webcam"), named by the "Config"
// value of its instance key:
//   Formats=RGB24 640x480, YUY2 640x480   offered media types, the first is the default
//   FrameRate=30                          1 .. 120
//   PenScript=pen.txt                     the pen's timeline (relative to the INI's folder)
//   LivePen=1                             another process steers the pen (shared pen word)
//   K1=-0.1  Tilt=0.1  UpsideDown=0        the view: lens distortion, keystone, mounting
//   Lamp=1                                a lamp in view
//   RegisterLog=turn.log                  extension-unit requests are noted there
//   FrameLog=frames.log                   a line per frame handed on: "<us> <down> <x> <y>"
//                                         (performance counter, the pen in screen pixels)
//   TargetSize=16 TargetShiftX=10 TargetShiftY=10   the calibration targets the user looks for
//                                         (the program's "Calibration Size"/"Shift X"/"Shift Y")
// Missing or unreadable values give the defaults.
#include <string>
#include <vector>

#include "simulator/simulated_view.h"
#include "tools/win32/virtual_webcam/video_format.h"

namespace halvertone::webcam {

struct WebcamConfig {
    std::vector<VideoFormat> formats{VideoFormat{}};
    int frameRate = 30;
    std::string penScript;  // full path; empty: the pen stays up
    bool livePen = false;
    sim::CameraView view;
    bool lamp = false;
    std::string registerLog;  // full path; empty: nothing noted
    std::string frameLog;     // full path; empty: nothing noted
    int32_t targetSize = 16;
    int32_t targetShiftX = 10;
    int32_t targetShiftY = 10;
};

WebcamConfig LoadWebcamConfig(const std::string& iniPath);

}  // namespace halvertone::webcam
