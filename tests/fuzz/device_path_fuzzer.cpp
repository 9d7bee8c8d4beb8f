// libFuzzer target: a device path and the ids looked for in it, split at the first two NUL
// bytes. Nothing may crash; the match ignores the letter case of the ids.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "capture/device_path_match.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const size_t a = text.find('\0');
    const size_t b = a == std::string::npos ? a : text.find('\0', a + 1);
    const std::string path = text.substr(0, a);
    const std::string vid = a == std::string::npos ? "" : text.substr(a + 1, b - a - 1);
    const std::string pid = b == std::string::npos ? "" : text.substr(b + 1);
    std::string upperVid = vid;
    for (char& c : upperVid) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (halvertone::DevicePathMatches(path, vid, pid) !=
        halvertone::DevicePathMatches(path, upperVid, pid))
        std::abort();
    return 0;
}
