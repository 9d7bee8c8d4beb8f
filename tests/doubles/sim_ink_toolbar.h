#pragma once
// A toolbar for tests and replays: counts what the stroke machinery asks of it and notes the
// virtual time of each hide and show.
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/clock.h"
#include "annotation/ink_toolbar.h"

namespace halvertone::sim {

class SimInkToolbar final : public InkToolbar {
  public:
    explicit SimInkToolbar(const Clock& clock) : clock_(clock) {}

    void EnableRedrawButton() override { redrawEnabled.fetch_add(1); }
    void Hide() override {
        visible = false;
        hiddenAtMs.push_back(clock_.NowMs());
        if (onHide) onHide();
    }
    void Show() override {
        visible = true;
        shownAtMs.push_back(clock_.NowMs());
    }

    std::atomic<int32_t> redrawEnabled{0};  // EnableRedrawButton calls
    bool visible = true;
    // Hide and Show come from the interface thread only.
    std::vector<uint64_t> hiddenAtMs;
    std::vector<uint64_t> shownAtMs;
    std::function<void()> onHide;

  private:
    const Clock& clock_;
};

}  // namespace halvertone::sim
