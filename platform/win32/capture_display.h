#pragma once
// A copy of the display as it is now, in a bitmap compatible with it.
#include <windows.h>

#include <cstdint>

namespace halvertone::win32 {

// The width x height pixels from the display's top-left corner; the caller owns the bitmap
// and deletes it. Null when the display or memory for the bitmap could not be had.
HBITMAP CaptureDisplay(int32_t width, int32_t height);

}  // namespace halvertone::win32
