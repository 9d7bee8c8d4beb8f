#pragma once
// An eraser square for tests and replays: keeps the window's state and logs every call.
#include <cstdint>
#include <string>
#include <vector>

#include "annotation/eraser_side.h"
#include "platform/eraser_window.h"
#include "shell/modal_ui.h"

namespace halvertone::sim {

class SimEraserWindow final : public EraserWindow {
  public:
    void Create(int32_t widthSetting, PixelPoint topLeft) override;
    bool Exists() const override { return exists_; }
    void MoveTo(PixelPoint topLeft) override;
    void Repaint() override;
    void Destroy() override;

    int32_t Side() const { return side_; }
    PixelPoint TopLeft() const { return topLeft_; }
    // "create SIDE X Y", "move X Y", "repaint", "destroy" in call order.
    std::vector<std::string> log;
    int32_t creates = 0;
    // The modal-UI flag when the window was last destroyed.
    int modalUiAtDestroy = -1;

  private:
    bool exists_ = false;
    int32_t side_ = 0;
    PixelPoint topLeft_{};
};

}  // namespace halvertone::sim
