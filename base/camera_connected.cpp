#include "base/camera_connected.h"

namespace halvertone {

SharedValue<int>& CameraConnected() {
    static SharedValue<int> flag{0};
    return flag;
}

}  // namespace halvertone
