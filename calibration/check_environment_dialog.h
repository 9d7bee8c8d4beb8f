#pragma once
// The check-environment dialog at start-up: it shrinks itself out of sight, lets the mouse
// worker count frames with a bright pixel for one second, and ends with 1 when there were none
// (the room is dark enough) or 0. Only its timer ends it; Enter and Escape do nothing.
#include <atomic>
#include <cstdint>
#include <functional>

#include "calibration/text_lookup.h"
#include "platform/dialog_view.h"

namespace halvertone {

inline constexpr int kIdCheckEnvironmentLabel = 1089;
inline constexpr int kCheckEnvironmentTimer = 1840;

// Set by the first timer tick of the first check-environment dialog; never cleared, so a
// second dialog in the same run ends at its first tick.
std::atomic<bool>& CheckEnvironmentFirstTickFlag();

struct CheckEnvironmentCounters {
    std::function<void()> reset;             // frames seen and bright frames to 0
    std::function<uint32_t()> brightFrames;  // frames with a bright pixel so far
};

class CheckEnvironmentDialog {
  public:
    CheckEnvironmentDialog(DialogView& view, TextLookup text, CheckEnvironmentCounters counters,
                           std::atomic<bool>& firstTick = CheckEnvironmentFirstTickFlag());

    void OnInit();
    void OnTimer(int id);
    void OnOk() {}
    void OnCancel() {}

  private:
    DialogView& view_;
    TextLookup text_;
    CheckEnvironmentCounters counters_;
    std::atomic<bool>& firstTick_;
};

}  // namespace halvertone
