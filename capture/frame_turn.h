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

}  // namespace halvertone
