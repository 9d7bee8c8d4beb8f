#pragma once
// An eraser square for handler tests and replays: keeps the window's state and logs every
// call, so a test can read the square's whole path.
#include <cstdint>
#include <string>
#include <vector>

#include "annotation/eraser_window.h"

namespace halvertone::sim {

class RecordingEraserWindow final : public EraserWindow {
  public:
    bool CreateEraserWindow(int32_t widthSetting) override;
    void MoveTo(PixelPoint topLeft) override;
    void Show() override;
    void Repaint() override;
    bool Exists() const override { return exists_; }
    void Destroy() override;

    int32_t Side() const { return side_; }
    PixelPoint TopLeft() const { return topLeft_; }
    // "create SIDE", "move X Y", "show", "repaint", "destroy" in call order.
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
