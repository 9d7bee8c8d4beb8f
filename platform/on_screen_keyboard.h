#pragma once
// The system's on-screen keyboard, as a separate program whose window the toolbar looks for.
namespace halvertone {

class OnScreenKeyboard {
  public:
    virtual ~OnScreenKeyboard() = default;
    // Its window exists.
    virtual bool IsOpen() const = 0;
    // Brings an open keyboard back from the taskbar, else starts the keyboard program.
    virtual void Open() = 0;
    // Asks an open keyboard to end; nothing when none is open.
    virtual void Close() = 0;
};

}  // namespace halvertone
