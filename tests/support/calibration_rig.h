#pragma once
// A calibration procedure wired to recording ports, virtual time and a real frame ring, with
// a camera that sees the screen upright at known lattice points.
#include <atomic>
#include <mutex>
#include <vector>

#include "calibration/calibration_procedure.h"
#include "capture/frame_ring.h"
#include "simulator/frame_painter.h"
#include "doubles/target_recorder.h"
#include "doubles/virtual_clock.h"
#include "support/calibration_fakes.h"
#include "support/memory_profile_store.h"

namespace halvertone::test {

// Where an upright camera sees the thirteen targets, in visiting order.
inline const std::vector<PixelPoint>& UprightTargets() {
    static const std::vector<PixelPoint> points = {
        {100, 60},  {310, 62},  {520, 64},                // top row, left to right
        {524, 234}, {312, 232}, {98, 230},                // middle row, right to left
        {96, 400},  {314, 402}, {528, 404},               // bottom row
        {205, 146}, {417, 148}, {205, 316}, {420, 318}};  // inner targets
    return points;
}

struct CalibrationRig {
    Settings settings;
    ScreenMetrics screen;
    MemoryProfileStore profile;
    sim::VirtualClock clock;
    FrameRing ring;
    sim::TargetRecorder painter;
    CountingBeeper beeper;
    RecordingRepainter repainter;
    RecordingDialogView dialog;
    FakeToolDispatch dispatch;
    std::atomic<int> builds{0};
    CalibrationGrid gridAtBuild;
    std::mutex turnsMutex;
    std::vector<uint8_t> turns;
    CalibrationProcedure procedure{Environment()};

    CalibrationRig() { ring.AcceptFrames(); }

    CalibrationEnvironment Environment() {
        CalibrationHooks hooks;
        hooks.buildTable = [this] {
            ++builds;
            gridAtBuild = settings.grid;
        };
        hooks.turnCameraImage = [this](uint8_t v) {
            std::lock_guard lock(turnsMutex);
            turns.push_back(v);
        };
        hooks.text = KeyText;
        return {settings, screen,    profile, clock,    ring, painter,
                beeper,   repainter, dialog,  dispatch, hooks};
    }

    // A frame with a 5 x 5 square of `level` centred on `p` (its refined centre is `p`).
    static std::vector<uint8_t> SpotFrame(PixelPoint p, uint8_t level = 250) {
        sim::FramePainter f(10);
        f.FillRect(p.x - 2, p.y - 2, p.x + 3, p.y + 3, level);
        return f.Bytes();
    }

    void Deliver(const std::vector<uint8_t>& frame) {
        ring.BufferCB(frame.data(), static_cast<long>(frame.size()));
    }

    // One camera frame and one turn of the handler.
    int Turn(PixelPoint p, uint8_t level = 250) {
        Deliver(SpotFrame(p, level));
        return procedure.OnFrame();
    }

    void StartRun() {
        procedure.State().startRequest = true;
        procedure.Command();
    }
};

}  // namespace halvertone::test
