#pragma once
// Expected input records on the rig's 1024 x 768 screen.
#include <cstdint>

#include "platform/input_sink.h"

namespace halvertone::testing_support {

// Wide, so that positions far off the screen do not overflow.
inline int32_t Nx(int32_t x) {
    return static_cast<int32_t>(int64_t{x} * 65535 / 1024);
}
inline int32_t Ny(int32_t y) {
    return static_cast<int32_t>(int64_t{y} * 65535 / 768);
}
inline MouseRecord Move(int32_t x, int32_t y) {
    return {Nx(x), Ny(y), kMouseMove};
}
inline MouseRecord Button(uint32_t flags) {
    return {0, 0, flags};
}

}  // namespace halvertone::testing_support
