#pragma once
// A virtual webcam plugged in for one test: its server registered, its set-up written into a
// scratch INI file, and unplugged again when the test ends.
#include <windows.h>

#include <string>

#include "scratch_directory.h"
#include "tools/win32/virtual_webcam/webcam_registry.h"

namespace halvertone::testing {

inline std::wstring Wide(const std::string& s) {
    return std::wstring(s.begin(), s.end());
}

// The filter DLL of this build, as a Windows path.
inline std::wstring WebcamDll() {
    std::string p = HALVERTONE_WEBCAM_DLL;
    if (!p.empty() && p[0] == '/') p = "Z:" + p;
    for (char& c : p)
        if (c == '/') c = '\\';
    return Wide(p);
}

class PluggedWebcam {
  public:
    // `settings`: the lines of the INI's "Webcam" section.
    PluggedWebcam(const std::string& name, const std::string& vid, const std::string& pid,
                  const std::string& settings)
        : name_(Wide(name)) {
        webcam::RegisterServer(WebcamDll());
        camera_ = {name_, Wide(vid), Wide(pid),
                   Wide(dir_.Write("webcam.ini", "[Webcam]\n" + settings))};
        Plug();
    }
    ~PluggedWebcam() { Unplug(); }
    PluggedWebcam(const PluggedWebcam&) = delete;
    PluggedWebcam& operator=(const PluggedWebcam&) = delete;

    bool Plug() { return webcam::Plug(camera_) == ERROR_SUCCESS; }
    bool Unplug() { return webcam::Unplug(name_) == ERROR_SUCCESS; }
    const ScratchDirectory& Directory() const { return dir_; }

  private:
    ScratchDirectory dir_;
    std::wstring name_;
    webcam::WebcamInstance camera_;
};

}  // namespace halvertone::testing
