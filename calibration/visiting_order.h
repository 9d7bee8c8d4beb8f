#pragma once
// The order in which the thirteen calibration targets are visited and where each accepted
// position is stored: the nine main targets row by row (the middle row from right to left),
// then the four inner targets.
#include <cstdint>

namespace halvertone {

struct TargetProgress {
    int32_t row = 0;          // main target row in visiting order, 0..2; 3 = main targets done
    int32_t column = 0;       // main target column in visiting order, 0..2
    int32_t innerRow = 0;     // 0..1; 2 = all done
    int32_t innerColumn = 0;  // 0..1
    int32_t phase = 0;        // 0 main targets, 1 inner targets

    // Visiting step of the current main target, 1..9 (phase 0 only).
    int MainStep() const { return 3 * row + column + 1; }
    bool HasCurrentTarget() const {
        return phase == 0 ? row >= 0 && row < 3 && column >= 0 && column < 3
                          : phase == 1 && innerRow >= 0 && innerRow < 2 && innerColumn >= 0 &&
                                innerColumn < 2;
    }
    bool IsFirstTarget() const { return phase == 0 && row == 0 && column == 0; }
    // MainPoints index of the current main target: the middle row runs right to left.
    int MainIndex() const { return row == 1 ? 5 - column : 3 * row + column; }
    // GridPoints index of the current inner target.
    int InnerIndex() const { return 2 * innerRow + innerColumn; }
    // Screen column (0..2, left to right) of the current main target.
    int MainScreenColumn() const { return row == 1 ? 2 - column : column; }

    friend bool operator==(const TargetProgress&, const TargetProgress&) = default;
};

// Moves on to the next target; true when the thirteenth was the one just completed.
bool Advance(TargetProgress& p);

}  // namespace halvertone
