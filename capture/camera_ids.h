#pragma once
// The camera to look for: the first "VID"/"PID" pair of the settings, and whether the settings
// hold a pair at all (without one, no device is enumerated).
#include <cstdint>
#include <string>

#include "base/settings.h"

namespace halvertone {

struct CameraIds {
    std::string vid;
    std::string pid;
    int32_t count = 0;
};

inline CameraIds CameraIdsFrom(const Settings& s) {
    return CameraIds{s.vid[0], s.pid[0], s.cameraIdCount};
}

}  // namespace halvertone
