#include "tools/win32/virtual_webcam/webcam_picture.h"

#include "simulator/pen_script_text.h"
#include "simulator/simulated_view.h"
#include "tools/win32/virtual_webcam/live_pen.h"

namespace halvertone::webcam {
namespace {

// A driver may create the shared pen word after the camera started; it is looked for again
// this often until found.
constexpr uint64_t kLivePenRetryMs = 250;

sim::CameraScene MakeScene(const WebcamConfig& config, int32_t screenWidth, int32_t screenHeight) {
    sim::SceneOptions options;
    if (config.lamp) options.lamp = sim::Lamp{};
    return sim::CameraScene(sim::SimulatedView(config.view, screenWidth, screenHeight), options);
}

}  // namespace

WebcamPicture::WebcamPicture(const WebcamConfig& config, int32_t screenWidth, int32_t screenHeight)
    : targets_(TargetGeometry{config.targetSize, config.targetShiftX, config.targetShiftY,
                              screenWidth, screenHeight}),
      user_(targets_.Watch()),
      live_(config.livePen),
      scene_(MakeScene(config, screenWidth, screenHeight)) {
    if (!config.penScript.empty()) script_ = sim::LoadPenScript(config.penScript);
}

WebcamPicture::~WebcamPicture() = default;

sim::PenSample WebcamPicture::Pen(uint64_t ms) {
    if (!live_ && script_.CalibratingAt(ms)) {
        targets_.Look(ms);
        return user_.At(ms);
    }
    if (!live_) return script_.At(ms);
    if ((!livePen_ || !livePen_->Open()) &&
        (liveTriedMs_ == 0 || ms - liveTriedMs_ >= kLivePenRetryMs)) {
        liveTriedMs_ = ms == 0 ? 1 : ms;
        livePen_ = std::make_unique<LivePenMapping>(false);
    }
    return livePen_ ? livePen_->Get() : sim::PenSample{};
}

const std::vector<uint8_t>& WebcamPicture::At(uint64_t ms) {
    const sim::PenSample pen = Pen(ms);
    const std::vector<uint8_t>& picture = scene_.Expose(before_, pen);
    before_ = pen;
    return picture;
}

}  // namespace halvertone::webcam
