#pragma once
// How mouse mode reaches the system: synthetic input, the cursor position, the screen size
// for normalised coordinates, and the clock for the pauses between events.
#include <cstdint>

#include "base/pixel_rect.h"
#include "base/screen_metrics.h"
#include "platform/clock.h"
#include "platform/cursor_position.h"
#include "platform/input_sink.h"

namespace halvertone {

// pixel * 65535 / extent, truncating toward zero. Computed wide so that positions far off the
// screen cannot overflow; a screen without size gives 0.
int32_t NormaliseAxis(int64_t pixel, int32_t extent);

struct MouseOutput {
    InputSink& input;
    CursorPosition& cursor;
    const ScreenMetrics& screen;
    Clock& clock;

    // Screen pixels to the normalised coordinates of an absolute input record.
    PixelPoint Normalise(int64_t x, int64_t y) const {
        return {NormaliseAxis(x, screen.width), NormaliseAxis(y, screen.height)};
    }
    void Send(PixelPoint normalised, uint32_t flags) const {
        input.Send(MouseRecord{normalised.x, normalised.y, flags});
    }
    // A button record: coordinates are not used with these flags.
    void Button(uint32_t flags) const { input.Send(MouseRecord{0, 0, flags}); }
};

}  // namespace halvertone
