#pragma once
// How a screen capture is named and stored: the time-stamped name the save dialog proposes,
// the image format and extension chosen by the dialog's filter entry, and the row layout of
// the pixel buffer handed to the image library.
#include <cstdint>
#include <string>

namespace halvertone {

struct LocalTime {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
};

// "2021-03-02-09-07" for 2 March 2021, 09:07 (no seconds).
std::string DefaultCaptureName(const LocalTime& t);

// The image library's format codes.
enum class CaptureFormat : int32_t { kBitmap = 0, kJpeg = 1, kTiff = 2, kPng = 3 };

struct CaptureFileType {
    CaptureFormat format;
    const char* extension;  // added when the typed name has none
};

// By the save dialog's filter index (counted from 1): 2 bitmap, 3 PNG, 4 TIFF, any other JPEG.
// The typed extension never chooses the format.
CaptureFileType FileTypeForFilter(uint32_t filterIndex);

// A dot in the file-name part of `path` (after the last '\' or '/'); a dot in a directory
// name does not count.
bool HasExtension(const std::string& path);

// The path the capture is written to: `path`, with the filter's extension appended when the
// name has none.
std::string CapturePath(const std::string& path, uint32_t filterIndex);

// Bytes of one 24-bit row, padded to a multiple of 4; 0 for a width of 0 or less.
int64_t PaddedRowBytes(int32_t width);

// The language file's filter text ("description|pattern|...") as the file dialog takes it:
// every '|' a NUL, and the whole ended by two NULs.
std::string FileDialogFilter(const std::string& text);

}  // namespace halvertone
