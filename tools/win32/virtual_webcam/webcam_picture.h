#pragma once
// What the virtual camera sees at a moment: the camera model's view of the screen through an
// infrared filter (dark, noisy, the pen's light spot imaged like a sensor, a lamp if set up),
// the pen steered by its script or live by another process; from the script's calibrate time
// on a virtual user holds it on the calibration targets it sees on the screen.
#include <cstdint>
#include <memory>
#include <vector>

#include "simulator/calibrating_user.h"
#include "simulator/camera_scene.h"
#include "simulator/pen_script.h"
#include "tools/win32/virtual_webcam/screen_target_watch.h"
#include "tools/win32/virtual_webcam/webcam_config.h"

namespace halvertone {
class LivePenMapping;
}

namespace halvertone::webcam {

class WebcamPicture {
  public:
    WebcamPicture(const WebcamConfig& config, int32_t screenWidth, int32_t screenHeight);
    ~WebcamPicture();

    // The 640 x 480 bottom-up BGR picture `ms` after streaming began; one exposure since the
    // previous call.
    const std::vector<uint8_t>& At(uint64_t ms);
    // The pen of the last picture.
    const sim::PenSample& LastPen() const { return before_; }

  private:
    sim::PenSample Pen(uint64_t ms);

    sim::PenScript script_;
    ScreenTargetWatch targets_;
    sim::CalibratingUser user_;
    bool live_ = false;
    std::unique_ptr<LivePenMapping> livePen_;
    uint64_t liveTriedMs_ = 0;
    sim::CameraScene scene_;
    sim::PenSample before_;
};

}  // namespace halvertone::webcam
