#pragma once
// The calibration procedure's flags and position, shared between the user-interface thread
// (calibration command, projection-method dialog) and the calibration worker.
#include <atomic>
#include <cstdint>

#include "calibration/visiting_order.h"

namespace halvertone {

struct CalibrationState {
    std::atomic<bool> done{false};              // finished or must restart: the worker stops
    std::atomic<bool> startRequest{false};      // the next calibration command starts a run
    std::atomic<bool> orientationError{false};  // the first target was seen turned by 180 degrees

    std::atomic<int32_t> row{0};
    std::atomic<int32_t> column{0};
    std::atomic<int32_t> innerRow{0};
    std::atomic<int32_t> innerColumn{0};
    std::atomic<int32_t> phase{0};
    std::atomic<int32_t> sampleCount{0};

    TargetProgress Progress() const {
        return {row.load(), column.load(), innerRow.load(), innerColumn.load(), phase.load()};
    }
    void SetProgress(const TargetProgress& p) {
        row = p.row;
        column = p.column;
        innerRow = p.innerRow;
        innerColumn = p.innerColumn;
        phase = p.phase;
    }
};

}  // namespace halvertone
