// SharedKit.dll: the common-function library. Entries: 2 version test, 3 release,
// 22 copy a registry key.
#include <windows.h>

#include "kits/kit_table.h"

namespace halvertone::kits {
namespace {

int VersionTest(const KitVersion* wanted) {
    return AcceptVersion(wanted, kSharedKitVersion);
}

void Release() {}

int CopyRegistryKey(HKEY sourceRoot, const char* sourcePath, HKEY destRoot, const char* destPath) {
    if (!sourcePath || !destPath) return 0;
    HKEY source = nullptr;
    if (RegOpenKeyExA(sourceRoot, sourcePath, 0, KEY_READ, &source) != ERROR_SUCCESS) return 0;
    HKEY dest = nullptr;
    DWORD disposition = 0;
    LSTATUS status = RegCreateKeyExA(destRoot, destPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                     &dest, &disposition);
    if (status == ERROR_SUCCESS) {
        status = RegCopyTreeA(source, nullptr, dest);
        RegCloseKey(dest);
        // Half a copy would pass for the user's own settings next time: take it away.
        if (status != ERROR_SUCCESS && disposition == REG_CREATED_NEW_KEY)
            RegDeleteTreeA(destRoot, destPath);
    }
    RegCloseKey(source);
    return status == ERROR_SUCCESS ? 1 : 0;
}

std::array<KitFunction, shared_kit::kTableSize> BuildTable() {
    auto table = StubTable<shared_kit::kTableSize>();
    table[shared_kit::kVersionTest] = AsEntry(&VersionTest);
    table[shared_kit::kRelease] = AsEntry(&Release);
    table[shared_kit::kCopyRegistryKey] = AsEntry(&CopyRegistryKey);
    return table;
}

}  // namespace
}  // namespace halvertone::kits

extern "C" __declspec(dllexport) halvertone::kits::KitFunction* SharedService() {
    static auto table = halvertone::kits::BuildTable();
    return table.data();
}
