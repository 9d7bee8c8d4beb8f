#pragma once
// The windows the virtual user looks for: the program's toolbar, main window, popup menus,
// message boxes and the save dialog, and the user's own whiteboard window (a white page to
// write on, with a button that opens a note) that runs on a thread of its own.
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

namespace halvertone::lesson {

// Polls `find` every 100 ms for up to `timeoutMs`; null when it never answered.
HWND WaitFor(const std::function<HWND()>& find, int timeoutMs);
// A top-level window of process `pid` of class `cls` holding a child `childId`; visible ones
// only unless `hiddenToo`.
HWND FindWindowWithChild(DWORD pid, const char* cls, int childId, bool hiddenToo = false);
// The visible popup menu window, if any.
HWND FindPopupMenu();
// Screen centre of a rectangle, or of a dialog's child.
POINT Centre(const RECT& r);
bool ChildCentre(HWND dialog, int childId, POINT& centre);

class Whiteboard {
  public:
    Whiteboard() = default;
    ~Whiteboard();
    Whiteboard(const Whiteboard&) = delete;
    Whiteboard& operator=(const Whiteboard&) = delete;

    // A full-screen white window with an "Open" button at `buttonRect` (screen pixels).
    bool Open(const RECT& buttonRect);
    // Whether the button was pressed, and the note window it opened.
    bool NoteOpened() const { return noteOpened_.load(); }
    HWND Window() const { return window_.load(); }
    // Brings the page back to the top and repaints it white.
    void Refresh();

  private:
    void Run(RECT buttonRect);
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    std::thread thread_;
    std::atomic<HWND> window_{nullptr};
    std::atomic<bool> ready_{false};
    static std::atomic<bool> noteOpened_;
};

}  // namespace halvertone::lesson
