#pragma once
// Counts heap allocations made by the benchmark process, so a benchmark can report how many
// its loop made (the per-frame path must make none).
#include <cstdint>

namespace halvertone::bench {

uint64_t AllocationCount();

}  // namespace halvertone::bench
