#pragma once
// Finding, loading, accepting and releasing the three component libraries. Each failure
// shows one OK box with its fixed English text.
#include <windows.h>

#include <string>

#include "platform/message_box.h"
#include "platform/win32/kit_interface.h"

namespace halvertone {

inline constexpr const char* kCommonLibraryPathError = "Error : Common Library - Path!";
inline constexpr const char* kCommonLibraryLoadError = "Error : Common Library - Load!";
inline constexpr const char* kCommonLibraryVersionError = "Error : Common Library - Version!";
inline constexpr const char* kImageLibraryPathError = "Error : Image Library - Path!";
inline constexpr const char* kImageLibraryLoadError = "Error : Image Library - Load!";
inline constexpr const char* kImageLibraryVersionError = "Error : Image Library - Version!";
inline constexpr const char* kDrawLibraryLoadError = "Error : Darw Library - Load!";
inline constexpr const char* kDrawLibraryRegisterError = "Error : Draw Library - Register Failed!";

// Where the libraries are when "Setting.ini" is not beside the program.
inline constexpr const char* kLibraryRegistryKey = "Software\\Quorvel Corp\\Common Files";
inline constexpr const char* kCommonLibraryValue = "Common Library";
inline constexpr const char* kImageLibraryValue = "Image Library";

// A module can be loaded while its table is empty (rejected): it stays until released.
struct KitModule {
    HMODULE module = nullptr;
    kits::KitFunction* table = nullptr;
};

struct KitModules {
    KitModule shared;
    KitModule picture;
    KitModule stroke;
};

struct KitLocation {
    std::string programDirectory;  // ends with a backslash
    bool settingsFileFound = false;
};

// true when the library was accepted.
bool LoadSharedKit(KitModules& kits, const KitLocation& where, MessageBoxPort& messages);
bool LoadPictureKit(KitModules& kits, const KitLocation& where, MessageBoxPort& messages);
bool LoadStrokeKit(KitModules& kits, const std::string& programDirectory, int smoothing,
                   MessageBoxPort& messages);

// Image, common-function, then stroke-drawing library: the release entry where a table is
// set, then the module is unloaded where one is loaded.
void ReleaseKits(KitModules& kits);

// The common-function library's registry copy of `path` from the machine hive to the
// current user's; 0 when it fails or the library is not accepted.
int CopyMachineKeyToUser(const KitModules& kits, const char* path);

}  // namespace halvertone
