#pragma once
// What the calibration worker drives: one measuring run, frame by frame, without the
// tool-mode mutex.
namespace halvertone {

class CalibrationRun {
  public:
    virtual ~CalibrationRun() = default;
    // Invalidates and updates every window (before the first target and after the last).
    virtual void RepaintDesktop() = 0;
    // Finished, or stopped to start again.
    virtual bool Done() const = 0;
    // Clears the orientation error flag and runs the calibration handler on one frame.
    virtual void Turn() = 0;
};

}  // namespace halvertone
