#pragma once
// Where the Windows tests find our component libraries and the broken variants of them.
#include <string>

#include "shell/win32/kit_loader.h"

namespace halvertone::testing {

inline std::string ProgramDir() {
    std::string dir = HALVERTONE_PROGRAM_DIR;
    for (char& c : dir)
        if (c == '/') c = '\\';
    return dir + "\\";
}

// A directory holding one broken library, e.g. "shared_reject".
inline std::string BrokenKitDir(const std::string& variant) {
    return ProgramDir() + "..\\broken-kits\\" + variant + "\\";
}

// Loads the real common-function library from the program directory.
inline bool LoadRealSharedKit(KitModules& kits, MessageBoxPort& messages) {
    return LoadSharedKit(kits, KitLocation{ProgramDir(), true}, messages);
}

}  // namespace halvertone::testing
