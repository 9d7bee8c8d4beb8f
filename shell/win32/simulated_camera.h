#pragma once
// The synthetic camera as the program runs it: the pen script named in the "SIMULATION"
// section, seen through the configured camera view, delivered at the configured frame rate
// (and unplug schedule) to the same grabber callback object the capture graph uses.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/sim/synthetic_camera.h"
#include "platform/sim/target_watch.h"
#include "shell/simulation_settings.h"

namespace halvertone {

// The pen's timeline from the script file; a missing or unreadable file keeps the pen up.
sim::PenScript LoadPenScript(const std::string& path);

// Not started yet; the frames go to GrabberCallback::Instance(). From the script's calibrate
// time on, the pen follows the targets `targets` sees (a pen that stays up without it).
std::unique_ptr<sim::SyntheticCamera> MakeSimulatedCamera(const SimulationSettings& simulation,
                                                          const std::string& programDirectory,
                                                          int32_t screenWidth, int32_t screenHeight,
                                                          Clock& clock,
                                                          const sim::TargetWatch* targets);

}  // namespace halvertone
