#include "shell/win32/simulated_camera.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "capture/win32/grabber_callback.h"
#include "platform/sim/calibrating_user.h"
#include "platform/sim/pen_script_text.h"
#include "platform/sim/simulated_view.h"
#include "shell/program_paths.h"
#include "shell/win32/live_pen.h"

namespace halvertone {

sim::PenScript LoadPenScript(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return sim::ParsePenScript(text.str());
}

std::unique_ptr<sim::SyntheticCamera> MakeSimulatedCamera(const SimulationSettings& simulation,
                                                          const std::string& programDirectory,
                                                          int32_t screenWidth, int32_t screenHeight,
                                                          Clock& clock,
                                                          const sim::TargetWatch* targets) {
    sim::PenScript script;
    if (!simulation.penScript.empty())
        script = LoadPenScript(ProgramFile(programDirectory, simulation.penScript));
    auto deliver = [](const uint8_t* bytes, long length) {
        GrabberCallback::Instance().BufferCB(0, const_cast<BYTE*>(bytes), length);
    };
    std::shared_ptr<sim::CalibratingUser> user;
    if (targets) user = std::make_shared<sim::CalibratingUser>(*targets);
    sim::PenAt pen = [script = std::move(script), user](uint64_t ms) {
        if (script.CalibratingAt(ms)) return user ? user->At(ms) : sim::PenSample{};
        return script.At(ms);
    };
    if (simulation.livePen) {
        // Opened once; a driver that never made the mapping leaves the pen up.
        auto live = std::make_shared<LivePenMapping>(false);
        pen = [live](uint64_t) { return live->Get(); };
    }
    sim::SceneOptions options;
    if (simulation.lamp) options.lamp = sim::Lamp{};
    sim::CameraScene scene(sim::SimulatedView(simulation, screenWidth, screenHeight), options);
    auto camera = std::make_unique<sim::SyntheticCamera>(clock, deliver, pen, std::move(scene),
                                                         simulation.frameRate);
    camera->SetPlugSchedule({uint64_t{simulation.unplugEverySeconds} * 1000,
                             uint64_t{simulation.unplugForSeconds} * 1000});
    return camera;
}

}  // namespace halvertone
