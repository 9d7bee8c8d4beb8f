#pragma once
// How the simulated camera sees the screen: the camera model's default keystoned view of the
// whole screen, with a lens distortion and tilt, upright or turned by 180 degrees.
#include <cstdint>
#include <string>

#include "platform/profile_store.h"
#include "simulator/camera_model.h"
#include "simulator/screen_projection.h"

namespace halvertone::sim {

struct CameraView {
    double k1 = 0;    // radial lens distortion, negative = barrel
    double tilt = 0;  // keystone of the view, -0.3 .. 0.3 (fraction of the frame)
    bool upsideDown = false;
};

// "K1" (-0.5 .. 0.5), "Tilt" (-0.3 .. 0.3) and "UpsideDown" (1 turns it) from `section`;
// unreadable numbers give 0, numbers out of range the nearest bound.
CameraView ReadCameraView(ProfileStore& ini, const std::string& section);

CameraModelConfig SimulatedCameraConfig(const CameraView& view, int32_t screenWidth,
                                        int32_t screenHeight);

ScreenToCamera SimulatedView(const CameraView& view, int32_t screenWidth, int32_t screenHeight);

}  // namespace halvertone::sim
