#pragma once
// Replacing the camera's graph while frames may be stuck in the ring. Tearing a graph down
// waits for its streaming thread to leave the frame callback, and that thread may be parked
// in the ring waiting for a slot that no worker gives back (both slots held): the producer is
// let go first, so the teardown cannot wait forever, and taken in again once the new graph
// is built. Frames already in the ring stay for the workers.
#include <utility>

#include "capture/frame_ring.h"

namespace halvertone {

template <class TearDown, class Build>
auto RebuildCamera(FrameRing& ring, TearDown&& tearDown, Build&& build) {
    ring.StopProducer();
    std::forward<TearDown>(tearDown)();
    auto result = std::forward<Build>(build)();
    ring.ReopenProducer();
    return result;
}

}  // namespace halvertone
