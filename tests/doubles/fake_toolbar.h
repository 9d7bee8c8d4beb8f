#pragma once
// A toolbar stand-in whose state tests set directly; it logs the side commands and tool
// selections it receives and passes them to optional hooks (a replay wires the selection to
// the real start operations).
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "base/shared_value.h"
#include "tracking/tool_mode.h"
#include "tracking/toolbar_view.h"

namespace halvertone::sim {

class FakeToolbar final : public ToolbarView {
  public:
    SharedValue<bool> visible{false};
    SharedValue<int32_t> toolMode{kToolMouse};
    SharedValue<bool> popupOpen{false};
    SharedValue<bool> actionRunning{false};

    void SetWindowRect(const PixelRect& r) {
        std::lock_guard lock(mutex_);
        rect_ = r;
    }

    bool Visible() const override { return visible; }
    PixelRect WindowRect() const override {
        std::lock_guard lock(mutex_);
        return rect_;
    }
    int32_t ToolMode() const override { return toolMode; }
    bool PopupOpen() const override { return popupOpen; }
    bool ActionRunning() const override { return actionRunning; }

    void SideCommand(int32_t code) override;
    void SelectTool(int32_t id) override;

    std::vector<int32_t> SideCommands() const;
    std::vector<int32_t> SelectedTools() const;

    std::function<void(int32_t)> onSideCommand;
    std::function<void(int32_t)> onSelectTool;

  private:
    mutable std::mutex mutex_;
    PixelRect rect_{};
    std::vector<int32_t> sideCommands_;
    std::vector<int32_t> selectedTools_;
};

}  // namespace halvertone::sim
