#include "shell/win32/kit_loader.h"

#include <algorithm>
#include <cstring>

namespace halvertone {
namespace {

using kits::KitFunction;
using kits::KitVersion;

struct VersionedKit {
    const char* fileName;
    const char* registryValue;
    const char* entry;
    int versionEntry;
    KitVersion version;
    const char* pathError;
    const char* loadError;
    const char* versionError;
};

constexpr VersionedKit kShared{kits::shared_kit::kFileName, kCommonLibraryValue,
                               kits::shared_kit::kEntry,    kits::shared_kit::kVersionTest,
                               kits::kSharedKitVersion,     kCommonLibraryPathError,
                               kCommonLibraryLoadError,     kCommonLibraryVersionError};
constexpr VersionedKit kPicture{kits::picture_kit::kFileName, kImageLibraryValue,
                                kits::picture_kit::kEntry,    kits::picture_kit::kVersionTest,
                                kits::kPictureKitVersion,     kImageLibraryPathError,
                                kImageLibraryLoadError,       kImageLibraryVersionError};

// The library file named under the machine's "Common Files" key (a 260-byte value).
bool RegistryLibraryPath(const char* valueName, std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kLibraryRegistryKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    char buffer[MAX_PATH] = {};
    DWORD size = sizeof buffer;
    const LSTATUS status =
        RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return false;
    path.assign(buffer, strnlen(buffer, std::min<size_t>(size, sizeof buffer)));
    return true;
}

template <typename EntryFn>
EntryFn LoadEntry(KitModule& kit, const std::string& path, const char* entry) {
    kit.module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!kit.module) return nullptr;
    return reinterpret_cast<EntryFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(kit.module, entry)));
}

bool LoadVersionedKit(KitModule& kit, const VersionedKit& kitInfo, const KitLocation& where,
                      MessageBoxPort& messages) {
    std::string path = where.programDirectory + kitInfo.fileName;
    if (!where.settingsFileFound && !RegistryLibraryPath(kitInfo.registryValue, path)) {
        messages.ShowOk(kitInfo.pathError);
        return false;
    }
    const auto getTable = LoadEntry<kits::GetTableFn>(kit, path, kitInfo.entry);
    kit.table = getTable ? getTable() : nullptr;
    if (!kit.table) {
        messages.ShowOk(kitInfo.loadError);
        return false;
    }
    const auto versionTest = kits::TableEntry<kits::VersionTestFn>(kit.table, kitInfo.versionEntry);
    if (!versionTest || versionTest(&kitInfo.version) != 0) {  // an empty slot cannot accept either
        kit.table = nullptr;
        messages.ShowOk(kitInfo.versionError);
        return false;
    }
    return true;
}

void Release(KitModule& kit, int releaseEntry) {
    if (kit.table) {
        if (const auto release = kits::TableEntry<kits::ReleaseFn>(kit.table, releaseEntry))
            release();
        kit.table = nullptr;
    }
    if (kit.module) {
        FreeLibrary(kit.module);
        kit.module = nullptr;
    }
}

}  // namespace

bool LoadSharedKit(KitModules& kits, const KitLocation& where, MessageBoxPort& messages) {
    return LoadVersionedKit(kits.shared, kShared, where, messages);
}

bool LoadPictureKit(KitModules& kits, const KitLocation& where, MessageBoxPort& messages) {
    return LoadVersionedKit(kits.picture, kPicture, where, messages);
}

bool LoadStrokeKit(KitModules& kits, const std::string& programDirectory, int smoothing,
                   MessageBoxPort& messages) {
    KitModule& kit = kits.stroke;
    const auto getTable = LoadEntry<kits::GetStrokeTableFn>(
        kit, programDirectory + kits::stroke_kit::kFileName, kits::stroke_kit::kEntry);
    kit.table = getTable ? getTable(smoothing) : nullptr;
    if (!kit.table) {
        messages.ShowOk(kDrawLibraryLoadError);
        return false;
    }
    const auto registerFn =
        kits::TableEntry<kits::stroke_kit::RegisterFn>(kit.table, kits::stroke_kit::kRegister);
    if (!registerFn || registerFn() == 0) {
        kit.table = nullptr;
        messages.ShowOk(kDrawLibraryRegisterError);
        return false;
    }
    return true;
}

void ReleaseKits(KitModules& kits) {
    Release(kits.picture, kits::picture_kit::kRelease);
    Release(kits.shared, kits::shared_kit::kRelease);
    Release(kits.stroke, kits::stroke_kit::kRelease);
}

int CopyMachineKeyToUser(const KitModules& kits, const char* path) {
    if (!kits.shared.table) return 0;
    const auto copy = kits::TableEntry<kits::shared_kit::CopyRegistryKeyFn>(
        kits.shared.table, kits::shared_kit::kCopyRegistryKey);
    return copy ? copy(HKEY_LOCAL_MACHINE, path, HKEY_CURRENT_USER, path) : 0;
}

}  // namespace halvertone
