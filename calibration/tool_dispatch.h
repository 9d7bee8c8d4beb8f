#pragma once
// The tool workers as calibration sees them: the calibration member of the dispatch flags,
// the calibration worker thread and the mouse state a run must reset.
namespace halvertone {

class ToolDispatch {
  public:
    virtual ~ToolDispatch() = default;
    virtual bool CalibrationDispatched() const = 0;
    // Sets the calibration dispatch flag and clears the mouse, pen and eraser flags.
    virtual void DispatchCalibration() = 0;
    virtual void ClearCalibrationDispatch() = 0;
    // Creates the calibration worker, which runs the frame handler while its flag is set.
    virtual void StartCalibrationWorker() = 0;
    virtual void ClearPenDown() = 0;
};

}  // namespace halvertone
