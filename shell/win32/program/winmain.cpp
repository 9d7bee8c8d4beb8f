// halvertone.exe: the application object's start-up, message loop and exit handler.
#include <windows.h>

#include "shell/win32/halvertone_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLineTail, int) {
    // Never freed: the tool workers use what it owns until the process ends.
    auto* app = new halvertone::CHalvertoneApp;
    int code = 0;
    if (app->InitInstance(instance, commandLineTail ? commandLineTail : "")) code = app->Run();
    ExitProcess(static_cast<UINT>(app->ExitInstance(code)));
}
