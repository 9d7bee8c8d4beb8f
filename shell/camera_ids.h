#pragma once
// The accepted camera's product and vendor ids ("PID", "VID"): comma-separated lists.
#include <array>
#include <string>
#include <string_view>

#include "base/settings.h"

namespace halvertone {

// Fills `list` from the text split at ',' (empty tokens skipped): tokens beyond the tenth
// are ignored, each is cut to 9 characters, entries without a token are cleared. Returns
// the number of tokens, including the ignored ones.
int SplitCameraIds(std::string_view text, std::array<std::string, kCameraIdSlots>& list);

// Both lists and the count: the smaller of the two token counts, never more than the
// entries the lists hold.
void SetCameraIds(Settings& settings, std::string_view pidText, std::string_view vidText);

}  // namespace halvertone
