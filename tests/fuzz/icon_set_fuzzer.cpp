// libFuzzer target: any bytes as "IcoInfo.ini", read for a few screen sizes and laid out as
// the toolbar does. Nothing may crash or overflow, and every value fits its 200-character
// buffer.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "annotation/toolbar_icons.h"
#include "annotation/toolbar_layout.h"
#include "platform/ini_text_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace halvertone;
    IniTextStore store(std::string(reinterpret_cast<const char*>(data), size));
    for (const auto& [w, h] : {std::pair{1024, 768}, std::pair{1920, 1080}, std::pair{0, 0},
                               std::pair{INT32_MAX, INT32_MIN}}) {
        const ToolbarIconSet set = ReadToolbarIcons(store, w, h);
        if (set.directory.size() >= kIconInfoChars) std::abort();
        for (const std::string& file : set.files)
            if (file.size() >= kIconInfoChars) std::abort();
        LayOutToolbar(8, 16, set);
    }
    return 0;
}
