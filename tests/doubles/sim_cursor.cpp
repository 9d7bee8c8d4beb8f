#include "doubles/sim_cursor.h"

namespace halvertone::sim {
namespace {

int32_t Denormalise(int32_t v, int32_t extent) {
    const int64_t n = int64_t{v} * extent;
    // Rounded down, also below zero.
    return static_cast<int32_t>(n >= 0 ? n / 65536 : -((-n + 65535) / 65536));
}

}  // namespace

void SimCursor::Follow(const MouseRecord& record, int32_t width, int32_t height) {
    if (record.flags != kMouseMove) return;
    Set({Denormalise(record.dx, width), Denormalise(record.dy, height)});
}

}  // namespace halvertone::sim
