#pragma once
// `CameraConnected`: 1 while the camera delivers (the capture graph runs). The Exit command saves
// the pen settings and tells the capture tool only then.
#include "base/shared_value.h"

namespace halvertone {

SharedValue<int>& CameraConnected();

}  // namespace halvertone
