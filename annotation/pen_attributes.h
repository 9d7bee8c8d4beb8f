#pragma once
// The toolbar's current pen: what new strokes and live pieces are drawn with. The interface
// thread changes it while the pen worker draws, so each value is read in place when used.
#include <cstdint>

#include "base/shared_value.h"
#include "annotation/ink_canvas.h"

namespace halvertone {

struct PenAttributes {
    SharedValue<uint32_t> colour{0xFF0000};  // GDI colour 0x00BBGGRR
    SharedValue<int32_t> width{3};
    SharedValue<bool> highlighter{false};

    InkPen Pen() const { return {colour, width}; }
};

}  // namespace halvertone
