#pragma once
// Arguments shared by the subcommands that scan one recorded frame.
#include <cstdint>
#include <vector>

#include "tools/probe/command.h"

namespace halvertone::probe {

// "--threshold T", 0..255.
bool ThresholdOption(const ParsedArgs& p, uint8_t& threshold);

// Reads the one positional FRAME.bmp into `frame`; returns 0, or the exit status after
// printing why on stderr.
int ReadFrameArgument(const ParsedArgs& p, const char* command, std::vector<uint8_t>& frame);

}  // namespace halvertone::probe
