#pragma once
// The capture tool's window for tests: alive or not, and the messages it received with the
// virtual time and the modal-UI flag at the moment of each.
#include <cstdint>
#include <vector>

#include "base/modal_ui.h"
#include "platform/capture_tool_window.h"
#include "platform/clock.h"

namespace halvertone::sim {

struct ToolMessage {
    uintptr_t window;
    uintptr_t code;
    intptr_t value;
    uint64_t atMs;
    int modalUi;
};

class SimCaptureToolWindow final : public CaptureToolWindow {
  public:
    explicit SimCaptureToolWindow(const Clock& clock) : clock_(clock) {}

    bool IsAlive(uintptr_t window) const override { return window != 0 && window == alive; }
    void Send(uintptr_t window, uintptr_t code, intptr_t value) override {
        sent.push_back({window, code, value, clock_.NowMs(), ModalUiActive().load()});
    }

    uintptr_t alive = 0;  // the one live window, 0 for none
    std::vector<ToolMessage> sent;

  private:
    const Clock& clock_;
};

}  // namespace halvertone::sim
