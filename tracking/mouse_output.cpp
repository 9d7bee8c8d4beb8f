#include "tracking/mouse_output.h"

#include <algorithm>
#include <limits>

namespace halvertone {

int32_t NormaliseAxis(int64_t pixel, int32_t extent) {
    if (extent <= 0) return 0;
    const int64_t v = pixel * 65535 / extent;
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

}  // namespace halvertone
