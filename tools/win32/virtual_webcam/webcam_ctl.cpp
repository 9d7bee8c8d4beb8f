// virtual-webcam-ctl.exe: registers the virtual webcam's COM server and plugs camera
// instances in and out of the video input device category, for scripts.
//   register DLL_PATH | unregister | plug NAME VID PID CONFIG_INI | unplug NAME
#include <cstdio>
#include <cwchar>
#include <string>

#include "tools/win32/virtual_webcam/webcam_registry.h"

int wmain(int argc, wchar_t** argv) {
    using namespace halvertone::webcam;
    const std::wstring verb = argc > 1 ? argv[1] : L"";
    LONG rc = ERROR_BAD_ARGUMENTS;
    if (verb == L"register" && argc == 3)
        rc = RegisterServer(argv[2]);
    else if (verb == L"unregister" && argc == 2)
        rc = UnregisterServer();
    else if (verb == L"plug" && argc == 6)
        rc = Plug(WebcamInstance{argv[2], argv[3], argv[4], argv[5]});
    else if (verb == L"unplug" && argc == 3)
        rc = Unplug(argv[2]);
    else {
        std::fputs(
            "usage: virtual-webcam-ctl register DLL | unregister | "
            "plug NAME VID PID CONFIG | unplug NAME\n",
            stderr);
        return 2;
    }
    if (rc != ERROR_SUCCESS) std::fprintf(stderr, "virtual-webcam-ctl: error %ld\n", rc);
    return rc == ERROR_SUCCESS ? 0 : 1;
}
