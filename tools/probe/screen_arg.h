#pragma once
// The "--screen WxH" argument of the probe's subcommands.
#include <cstdint>
#include <string>

namespace halvertone::probe {

// Each side 1..65535.
bool ParseScreen(const std::string& text, int32_t& w, int32_t& h);

}  // namespace halvertone::probe
