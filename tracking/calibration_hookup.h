#pragma once
// The calibration procedure plugged into the tool workers: the procedure drives the dispatch
// flags and the calibration worker through its ToolDispatch port, and the worker runs the
// procedure's frames.
#include "calibration/calibration_procedure.h"
#include "calibration/tool_dispatch.h"
#include "platform/screen_repainter.h"
#include "tracking/calibration_run.h"
#include "tracking/dispatch_flags.h"
#include "tracking/tool_workers.h"
#include "tracking/tracking_state.h"

namespace halvertone {

class ProcedureRun final : public CalibrationRun {
  public:
    ProcedureRun(CalibrationProcedure& procedure, ScreenRepainter& repainter)
        : procedure_(procedure), repainter_(repainter) {}

    void RepaintDesktop() override { repainter_.RepaintAll(false); }
    bool Done() const override { return procedure_.Done(); }
    void Turn() override {
        procedure_.ClearOrientationError();
        procedure_.OnFrame();
    }

  private:
    CalibrationProcedure& procedure_;
    ScreenRepainter& repainter_;
};

class WorkerToolDispatch final : public ToolDispatch {
  public:
    WorkerToolDispatch(DispatchFlags& flags, TrackingState& state, ToolWorkers& workers)
        : flags_(flags), state_(state), workers_(workers) {}
    // The run is made from the procedure, which needs this object first.
    void Attach(CalibrationRun& run) { run_ = &run; }

    bool CalibrationDispatched() const override { return flags_.Calibration(); }
    void DispatchCalibration() override { flags_.Select(WorkerKind::kCalibration); }
    void ClearCalibrationDispatch() override { flags_[WorkerKind::kCalibration] = false; }
    void StartCalibrationWorker() override {
        if (run_) workers_.StartCalibrationWorker(*run_);
    }
    void ClearPenDown() override { state_.penDown = false; }

  private:
    DispatchFlags& flags_;
    TrackingState& state_;
    ToolWorkers& workers_;
    CalibrationRun* run_ = nullptr;
};

}  // namespace halvertone
