#include "shell/win32/simulated_view.h"

namespace halvertone {

sim::ScreenToCamera SimulatedView(const SimulationSettings&, int32_t screenWidth,
                                  int32_t screenHeight) {
    return sim::DefaultProjection(screenWidth, screenHeight);
}

}  // namespace halvertone
