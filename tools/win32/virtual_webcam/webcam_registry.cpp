#include "tools/win32/virtual_webcam/webcam_registry.h"

#include <vector>

namespace halvertone::webcam {
namespace {

std::wstring ServerKey() {
    return std::wstring(L"CLSID\\") + kWebcamClsidText;
}

std::wstring InstanceKey(const std::wstring& name) {
    return std::wstring(kVideoInputInstances) + L"\\" + name;
}

LONG SetText(HKEY key, const wchar_t* name, const std::wstring& value) {
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// Writes the named texts into a fresh key (created or opened); stops at the first failure.
LONG WriteKey(const std::wstring& path,
              const std::vector<std::pair<const wchar_t*, std::wstring>>& values) {
    HKEY key = nullptr;
    LONG rc = RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr);
    for (const auto& [name, value] : values) {
        if (rc != ERROR_SUCCESS) break;
        rc = SetText(key, name, value);
    }
    if (key != nullptr) RegCloseKey(key);
    return rc;
}

std::wstring ReadText(HKEY key, const wchar_t* name) {
    wchar_t buffer[512] = {};
    DWORD bytes = sizeof buffer - sizeof(wchar_t);
    DWORD type = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &bytes) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    return buffer;
}

}  // namespace

std::wstring DevicePathFor(const WebcamInstance& camera) {
    return L"\\\\?\\usb#vid_" + camera.vid + L"&pid_" + camera.pid +
           L"&mi_00#6&2f1e0a7c&0&0000#{65e8773d-8f56-11d0-a3b9-00a0c9223196}\\global";
}

LONG RegisterServer(const std::wstring& dllPath) {
    const LONG rc = WriteKey(ServerKey(), {{nullptr, L"Halvertone Virtual Webcam"}});
    if (rc != ERROR_SUCCESS) return rc;
    return WriteKey(ServerKey() + L"\\InprocServer32",
                    {{nullptr, dllPath}, {L"ThreadingModel", L"Both"}});
}

LONG UnregisterServer() {
    HKEY instances = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kVideoInputInstances, 0, KEY_READ, &instances) ==
        ERROR_SUCCESS) {
        std::vector<std::wstring> ours;
        wchar_t name[256];
        for (DWORD i = 0;; ++i) {
            DWORD chars = 256;
            if (RegEnumKeyExW(instances, i, name, &chars, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS)
                break;
            HKEY one = nullptr;
            if (RegOpenKeyExW(instances, name, 0, KEY_READ, &one) != ERROR_SUCCESS) continue;
            if (_wcsicmp(ReadText(one, L"CLSID").c_str(), kWebcamClsidText) == 0)
                ours.emplace_back(name);
            RegCloseKey(one);
        }
        RegCloseKey(instances);
        for (const std::wstring& n : ours) Unplug(n);
    }
    const LONG rc = RegDeleteTreeW(HKEY_CLASSES_ROOT, ServerKey().c_str());
    return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
}

LONG Plug(const WebcamInstance& camera) {
    return WriteKey(InstanceKey(camera.name), {{L"FriendlyName", camera.name},
                                               {L"CLSID", kWebcamClsidText},
                                               {L"DevicePath", DevicePathFor(camera)},
                                               {L"Config", camera.config}});
}

LONG Unplug(const std::wstring& name) {
    const LONG rc = RegDeleteTreeW(HKEY_CLASSES_ROOT, InstanceKey(name).c_str());
    return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
}

bool Plugged(const std::wstring& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, InstanceKey(name).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

}  // namespace halvertone::webcam
