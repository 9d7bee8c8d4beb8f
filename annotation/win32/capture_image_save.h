#pragma once
// Writing a grabbed screen bitmap to an image file through the image library: the bitmap as
// 24-bit bottom-up rows padded to 4 bytes, at the display's pixels per inch.
#include <windows.h>

#include <string>

#include "annotation/capture_file_rules.h"
#include "platform/win32/kit_interface.h"

namespace halvertone {

// `pictureKit` is the image library's table; `jpegQuality` is used for JPEG only. True when
// the file was written; false without a bitmap, without the library, or when the library
// could not write it.
bool SaveBitmapAsImage(HBITMAP bitmap, const std::string& path, CaptureFormat format,
                       int32_t jpegQuality, kits::KitFunction* pictureKit);

}  // namespace halvertone
