#include "calibration/visiting_order.h"

namespace halvertone {

bool Advance(TargetProgress& p) {
    ++p.column;
    if (p.phase == 1) ++p.innerColumn;
    if (p.phase == 0 && p.column == 3) {
        p.column = 0;
        if (++p.row == 3) p.phase = 1;
    }
    if (p.innerColumn == 2) {
        p.innerColumn = 0;
        if (++p.innerRow == 2) return true;
    }
    return false;
}

}  // namespace halvertone
