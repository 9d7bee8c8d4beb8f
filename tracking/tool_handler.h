#pragma once
// The per-frame handler a tool worker calls once per turn, with the tool-mode mutex held.
// Mouse mode is one; pen drawing and eraser mode plug in the same way.
namespace halvertone {

class ToolHandler {
  public:
    virtual ~ToolHandler() = default;
    // Takes one frame from the ring, acts on it and gives it back. 1 when the frame held a
    // spot, 0 when it held none or no frame could be taken; the workers ignore the result.
    virtual int OnFrame() = 0;
    // The tool's start operation clears the handler's own per-stroke state here before the
    // worker runs.
    virtual void ResetForToolStart() {}
};

}  // namespace halvertone
