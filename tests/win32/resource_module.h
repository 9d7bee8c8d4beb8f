#pragma once
// The program's compiled resources, loaded from the resource-only module beside the tests.
#include <windows.h>
// windows.h first
#include <commctrl.h>

#include <string>

namespace halvertone::testing {

inline HMODULE ResourceModule() {
    static HMODULE mod = [] {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string p = path;
        p = p.substr(0, p.find_last_of('\\') + 1) + "halvertone_resources.dll";
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&icc);
        return LoadLibraryA(p.c_str());
    }();
    return mod;
}

}  // namespace halvertone::testing
