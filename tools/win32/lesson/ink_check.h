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
// Share (0..1) of the ink pixels (not white) of `from` inside `area` that find their colour
// within `reach` pixels on `in`: two pictures of the same strokes, drawn once live and once
// by a redraw, differ only by anti-aliasing and a pixel or two of curve. 1 without ink.
double MatchedInkShare(const win32::ScreenShot& from, const win32::ScreenShot& in, RECT area,
                       int reach, int tolerance);
win32::ScreenShot WholeScreen();
bool WritePpm(const win32::ScreenShot& shot, const std::string& path);

}  // namespace halvertone::lesson
