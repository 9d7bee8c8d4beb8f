#pragma once
// The video input devices the system lists, in its order: each with its moniker (to bind the
// capture filter), its device path (which carries the vendor and product ids) and the name
// the user knows it by. The capture graph picks its camera from this list and the camera
// choice shows it.
#include <windows.h>
// windows.h first
#include <dshow.h>

#include <string>
#include <vector>

#include "capture/win32/com_ptr.h"

namespace halvertone {

struct VideoDevice {
    ComPtr<IMoniker> moniker;
    std::string path;  // "DevicePath", in the system code page
    std::string name;  // "FriendlyName"; empty when the device gives none
};

struct VideoDeviceList {
    enum class Outcome { kListed, kNoEnumerator, kNoDevice };
    // kNoEnumerator: the system device enumerator could not be made; kNoDevice: the system
    // has no video input device at all.
    Outcome outcome = Outcome::kListed;
    std::vector<VideoDevice> devices;  // those whose "DevicePath" can be read
};

// COM must be initialised on the calling thread.
VideoDeviceList EnumerateVideoDevices();

}  // namespace halvertone
