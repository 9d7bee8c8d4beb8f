#include "annotation/capture_file_rules.h"

#include <cstdio>

namespace halvertone {

std::string DefaultCaptureName(const LocalTime& t) {
    char name[64];
    std::snprintf(name, sizeof name, "%04d-%02d-%02d-%02d-%02d", static_cast<int>(t.year),
                  static_cast<int>(t.month), static_cast<int>(t.day), static_cast<int>(t.hour),
                  static_cast<int>(t.minute));
    return name;
}

CaptureFileType FileTypeForFilter(uint32_t filterIndex) {
    switch (filterIndex) {
        case 2:
            return {CaptureFormat::kBitmap, ".bmp"};
        case 3:
            return {CaptureFormat::kPng, ".png"};
        case 4:
            return {CaptureFormat::kTiff, ".tif"};
        default:
            return {CaptureFormat::kJpeg, ".jpg"};
    }
}

bool HasExtension(const std::string& path) {
    const size_t nameStart = path.find_last_of("\\/");
    const size_t dot = path.find('.', nameStart == std::string::npos ? 0 : nameStart + 1);
    return dot != std::string::npos;
}

std::string CapturePath(const std::string& path, uint32_t filterIndex) {
    if (HasExtension(path)) return path;
    return path + FileTypeForFilter(filterIndex).extension;
}

int64_t PaddedRowBytes(int32_t width) {
    if (width <= 0) return 0;
    return (static_cast<int64_t>(width) * 3 + 3) & ~int64_t{3};
}

std::string FileDialogFilter(const std::string& text) {
    std::string filter = text;
    for (char& c : filter)
        if (c == '|') c = '\0';
    // A text that already ends with '|' has its first terminator; the dialog needs both.
    filter.push_back('\0');
    filter.push_back('\0');
    return filter;
}

}  // namespace halvertone
