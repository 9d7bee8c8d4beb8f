#pragma once
// The runnable program directory of this build as a Windows path (the build passes a Unix
// path; Wine reaches it through drive Z:).
#include <string>

namespace halvertone::testing {

inline std::string ProgramDirectory() {
    std::string dir = HALVERTONE_PROGRAM_DIR;
    if (!dir.empty() && dir[0] == '/') dir = "Z:" + dir;
    for (char& c : dir)
        if (c == '/') c = '\\';
    if (dir.empty() || dir.back() != '\\') dir += '\\';
    return dir;
}

}  // namespace halvertone::testing
