#pragma once
// Where the virtual webcam lives in the registry: its COM server (one class for every
// instance) and one key per plugged-in camera under the video input device category, the way
// a USB camera's driver lists it. Plugging in writes an instance key, unplugging removes it.
#include <windows.h>

#include <string>

namespace halvertone::webcam {

// The filter's class id, {8E3F2A61-4C7B-4D2E-9A15-6B0C3D7E9F21}.
inline constexpr GUID kWebcamClsid = {
    0x8E3F2A61, 0x4C7B, 0x4D2E, {0x9A, 0x15, 0x6B, 0x0C, 0x3D, 0x7E, 0x9F, 0x21}};
inline constexpr wchar_t kWebcamClsidText[] = L"{8E3F2A61-4C7B-4D2E-9A15-6B0C3D7E9F21}";
inline constexpr wchar_t kVideoInputInstances[] =
    L"CLSID\\{860BB310-5D01-11D0-BD3B-00A0C911CE86}\\Instance";

struct WebcamInstance {
    std::wstring name;    // key name and friendly name
    std::wstring vid;     // 4 hex digits
    std::wstring pid;     // 4 hex digits
    std::wstring config;  // the instance's INI file (Windows path)
};

// The device path a USB camera's interface would have with these ids.
std::wstring DevicePathFor(const WebcamInstance& camera);

// Each returns ERROR_SUCCESS or the registry's error code.
LONG RegisterServer(const std::wstring& dllPath);
LONG UnregisterServer();  // also unplugs every instance of this class
LONG Plug(const WebcamInstance& camera);
LONG Unplug(const std::wstring& name);
bool Plugged(const std::wstring& name);

}  // namespace halvertone::webcam
