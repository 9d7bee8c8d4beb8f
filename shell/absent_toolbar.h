#pragma once
// What the trackers see while the program has no drawing toolbar: nothing on the screen, no
// popup, no action; the chosen tool lives here and a tool selection goes straight to the
// start operations.
#include <cstdint>

#include "platform/ink_toolbar.h"
#include "platform/tool_mode.h"
#include "platform/toolbar_view.h"
#include "shell/shared_value.h"
#include "tracking/tool_starter.h"

namespace halvertone {

class AbsentToolbar final : public ToolbarView, public InkToolbar {
  public:
    // The start operations are made after this object (they hold its tool mode).
    void Attach(ToolStarter& starter) { starter_ = &starter; }

    bool Visible() const override { return false; }
    PixelRect WindowRect() const override { return {}; }
    int32_t ToolMode() const override { return toolMode; }
    bool PopupOpen() const override { return false; }
    bool ActionRunning() const override { return false; }
    void SideCommand(int32_t) override {}
    void SelectTool(int32_t id) override {
        if (starter_) starter_->Start(id == kCurrentTool ? toolMode.load() : id);
    }
    // Nothing to enable, hide or show.
    void EnableRedrawButton() override {}
    void Hide() override {}
    void Show() override {}

    SharedValue<int32_t> toolMode{kToolMouse};

  private:
    ToolStarter* starter_ = nullptr;
};

}  // namespace halvertone
