#pragma once
// A whole lesson with the real program: start, calibration from the tray menu, a click in
// mouse mode, writing in two colours and a highlighter mark, the eraser, clean and redraw, a
// screen capture saved as PNG, and Exit. Each step reports where it stood and leaves a
// screenshot in the output folder.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/win32/screen_shot.h"
#include "tools/win32/lesson/lesson_windows.h"
#include "tools/win32/lesson/menu_reader.h"
#include "tools/win32/lesson/virtual_user.h"
#include "tools/win32/virtual_webcam/live_pen.h"

namespace halvertone::lesson {

// The set-up of the virtual webcam the program sees, in the output directory.
inline constexpr char kWebcamConfig[] = "webcam.ini";

struct LessonPaths {
    std::string programDirectory;  // Windows path, ends with a backslash
    std::string outputDirectory;   // Windows path, ends with a backslash
};

class Lesson {
  public:
    explicit Lesson(LessonPaths paths);
    ~Lesson();
    Lesson(const Lesson&) = delete;
    Lesson& operator=(const Lesson&) = delete;

    // Number of failed steps; a step that cannot start after a failure is counted too.
    int Run();

  private:
    bool StoreFirstCalibration(int screenWidth, int screenHeight);
    bool Start();
    // The camera choice the program offers on its first start: the lesson's camera is taken.
    bool ChooseCamera();
    // A click with the system mouse, for what the pen cannot reach yet.
    static void ClickWithMouse(POINT p);
    bool LookThroughCameraView();
    bool Calibrate();
    bool MouseClick();
    bool Write();
    bool Erase();
    bool CleanAndRedraw();
    bool Capture();
    bool Exit();

    bool Step(const char* name, bool (Lesson::*step)());
    void Note(const std::string& text);
    void Shot(const std::string& name);
    // Opens the tray menu as a right click on the icon does, and taps the item of group n
    // (-1: the last).
    bool TrayCommand(int group);
    bool TapButton(int id);
    // Waits for a popup menu to open and finish painting.
    static bool SettledMenu();
    // Opens a toolbar button's menu and taps the item `find` locates on it.
    bool ChooseFromMenu(int button, const std::function<bool(const MenuReader&, POINT&)>& find,
                        const char* what);
    HWND Toolbar() const;
    void DrawAndLook(const std::vector<POINT>& stroke, uint32_t colour);

    LessonPaths paths_;
    LivePenMapping pen_{true};
    VirtualUser user_{pen_};
    Whiteboard board_;
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
    int shots_ = 0;
    std::vector<std::string> notes_;
    // The writing, kept for the later checks.
    std::vector<std::vector<POINT>> red_, blue_, erased_;
    win32::ScreenShot writing_;      // the writing before the eraser
    win32::ScreenShot beforeClean_;  // the writing after the eraser, before the clean
    std::vector<POINT> highlight_;
};

}  // namespace halvertone::lesson
