#pragma once
// The virtual pen's timeline as a text file, one key point a line:
//   <ms> down <x> <y>   the light on at screen pixel (x, y)
//   <ms> up             the light off
//   <ms> calibrate      from then on a virtual user follows the calibration targets
// Blank lines and lines starting with '#' are skipped; so is any line that does not parse,
// has a non-finite or far-off coordinate, or goes back in time.
#include <string>
#include <string_view>

#include "simulator/pen_script.h"

namespace halvertone::sim {

PenScript ParsePenScript(std::string_view text);
// The timeline from a file; a missing or unreadable file keeps the pen up.
PenScript LoadPenScript(const std::string& path);

}  // namespace halvertone::sim
