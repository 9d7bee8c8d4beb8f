#include "shell/win32/simulated_camera.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "capture/win32/grabber_callback.h"
#include "platform/sim/pen_script_text.h"
#include "platform/sim/simulated_view.h"
#include "shell/program_paths.h"

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
                                                          Clock& clock) {
    sim::PenScript script;
    if (!simulation.penScript.empty())
        script = LoadPenScript(ProgramFile(programDirectory, simulation.penScript));
    auto deliver = [](const uint8_t* bytes, long length) {
        GrabberCallback::Instance().BufferCB(0, const_cast<BYTE*>(bytes), length);
    };
    auto pen = [script = std::move(script)](uint64_t ms) { return script.At(ms); };
    sim::CameraScene scene(sim::SimulatedView(simulation, screenWidth, screenHeight),
                           sim::SceneOptions{});
    auto camera = std::make_unique<sim::SyntheticCamera>(clock, deliver, pen, std::move(scene),
                                                         simulation.frameRate);
    camera->SetPlugSchedule({uint64_t{simulation.unplugEverySeconds} * 1000,
                             uint64_t{simulation.unplugForSeconds} * 1000});
    return camera;
}

}  // namespace halvertone
