#include "calibration/target_layout.h"

#include "calibration/int32_math.h"

namespace halvertone {

PixelPoint MainTargetCorner(const TargetLattice& t, int i, int j) {
    const int32_t s = t.size;
    const int32_t dx = Sub32(Sub32(t.screenWidth, Mul32(2, t.shiftX)), Mul32(3, s)) / 2;
    const int32_t dy = Sub32(Sub32(t.screenHeight, Mul32(2, t.shiftY)), Mul32(3, s)) / 2;
    return {Add32(t.shiftX, Mul32(j, Add32(dx, s))), Add32(t.shiftY, Mul32(i, Add32(dy, s)))};
}

PixelPoint InnerTargetCorner(const TargetLattice& t, int a, int b) {
    const int32_t half = t.size / 2;
    const int32_t cw = Sub32(Sub32(t.screenWidth, Mul32(4, t.size)), Mul32(2, t.shiftX)) / 4;
    const int32_t ch = Sub32(Sub32(t.screenHeight, Mul32(2, t.shiftY)), Mul32(4, t.size)) / 4;
    // (2n + 1) * (quarter + S/2) + n * (2 * (S/2) + 1) + margin + 1
    const auto along = [&](int n, int32_t quarter, int32_t margin) {
        return Add32(
            Add32(Add32(Mul32(2 * n + 1, Add32(quarter, half)), Mul32(n, Add32(Mul32(2, half), 1))),
                  margin),
            1);
    };
    return {along(b, cw, t.shiftX), along(a, ch, t.shiftY)};
}

PixelPoint MainTargetCentre(const TargetLattice& t, int i, int j) {
    const PixelPoint c = MainTargetCorner(t, i, j);
    return {Add32(Add32(c.x, t.size / 2), 1), Add32(c.y, t.size / 2)};
}

PixelPoint InnerTargetCentre(const TargetLattice& t, int a, int b) {
    const PixelPoint c = InnerTargetCorner(t, a, b);
    return {Add32(c.x, t.size / 2), Add32(c.y, t.size / 2)};
}

}  // namespace halvertone
