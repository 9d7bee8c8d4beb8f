#pragma once
// What the virtual user sees of the ink: how much of a path carries a colour, and screenshots
// written as binary PPM files (the run script turns them into PNG).
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/screen_shot.h"

namespace halvertone::lesson {

// Points every `spacing` pixels along a polyline.
std::vector<POINT> SamplePath(const std::vector<POINT>& path, int spacing);
// Share (0..1) of `points` with a pixel within `tolerance` of `colour` at most `reach` pixels
// away on the screen shot.
double CoveredShare(const win32::ScreenShot& shot, const std::vector<POINT>& points,
                    uint32_t colour, int reach, int tolerance);
win32::ScreenShot WholeScreen();
bool WritePpm(const win32::ScreenShot& shot, const std::string& path);

}  // namespace halvertone::lesson
