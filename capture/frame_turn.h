#pragma once
// Turns a camera picture by 180 degrees for cameras that cannot turn it themselves (ceiling
// mounting). A half turn of a bottom-up BGR frame is the reversal of its pixel sequence; the
// three bytes of each pixel keep their order.
#include <cstddef>
#include <cstdint>

namespace halvertone {

// Reverses the whole pixels of `bytes` in place. A trailing partial pixel (a length that is
// not a multiple of 3) is left where it is, so nothing outside the buffer is touched.
void TurnFrame180(uint8_t* bytes, size_t length);

// The same turn done while copying `length` bytes from `src` into `dst` (which must not
// overlap): one pass at about the speed of a plain copy, for the camera's streaming thread.
// The result equals copying first and calling TurnFrame180.
void CopyTurned180(uint8_t* dst, const uint8_t* src, size_t length);

}  // namespace halvertone
