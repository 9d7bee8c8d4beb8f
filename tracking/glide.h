#pragma once
// The glide before a press: the cursor travels from where it is to the target in steps of
// "Mouse Down Move Speed" pixels along the longer axis, one move and 1 ms per step, so that
// programs see a drag-free approach; the end point corrects the last step's overshoot.
#include <cstdint>

#include "base/pixel_rect.h"
#include "tracking/mouse_output.h"

namespace halvertone {

// Steps below one pixel would never arrive, so they count as one.
int32_t GlideStep(int32_t mouseDownMoveSpeed);

void Glide(const MouseOutput& out, PixelPoint target, int32_t mouseDownMoveSpeed);

}  // namespace halvertone
