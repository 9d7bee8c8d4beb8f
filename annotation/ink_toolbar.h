#pragma once
// The drawing toolbar as the stroke machinery sees it: recording a pen stroke enables its
// "RedrawScreen" button, and a redraw puts the toolbar back on top of the repainted screen.
namespace halvertone {

class InkToolbar {
  public:
    virtual ~InkToolbar() = default;
    virtual void EnableRedrawButton() = 0;
    virtual void Hide() = 0;
    virtual void Show() = 0;
};

}  // namespace halvertone
