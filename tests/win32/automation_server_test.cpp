// The automation object: an empty dispatch interface that holds the application alive, and
// its per-user registration under the ProgID.
#include "shell/win32/automation_server.h"

#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <string>

namespace halvertone {
namespace {

struct CountingHost : AutomationHost {
    int locks = 0;
    IDispatch* attached = nullptr;
    void LockApp() override { ++locks; }
    void UnlockApp() override { --locks; }
    void AttachProxy(IDispatch* p) override { attached = p; }
};

TEST(AutomationServer, ProxyHasNoMembersAndLocksTheApplicationWhileHeld) {
    CountingHost host;
    IDispatch* proxy = CreateAutomationProxy(host);
    EXPECT_EQ(host.locks, 1);
    EXPECT_EQ(host.attached, proxy);
    UINT count = 99;
    EXPECT_EQ(proxy->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 0u);
    OLECHAR name[] = L"Quit";
    LPOLESTR names[] = {name};
    DISPID id = 0;
    EXPECT_EQ(proxy->GetIDsOfNames(IID_NULL, names, 1, 0, &id), DISP_E_UNKNOWNNAME);
    DISPPARAMS none{};
    EXPECT_EQ(proxy->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &none, nullptr, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
    IUnknown* unk = nullptr;
    ASSERT_EQ(proxy->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unk)), S_OK);
    unk->Release();
    proxy->Release();
    EXPECT_EQ(host.locks, 0);
    EXPECT_EQ(host.attached, nullptr);
}

TEST(AutomationServer, ComStartIsRecognisedAndQuitIsNot) {
    EXPECT_TRUE(AutomationServer::IsComStart("-Embedding"));
    EXPECT_TRUE(AutomationServer::IsComStart("/Automation"));
    EXPECT_FALSE(AutomationServer::IsComStart("/q"));
    EXPECT_FALSE(AutomationServer::IsComStart(""));
}

TEST(AutomationServer, PerUserRegistrationMakesTheProgIdResolve) {
    ASSERT_TRUE(AutomationServer::UpdateRegistry("C:\\Program Files\\Halvertone\\halvertone.exe"));
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Classes\\Halvertone.Application\\CLSID",
                            0, KEY_READ, &key),
              ERROR_SUCCESS);
    char value[64] = {};
    DWORD size = sizeof value;
    EXPECT_EQ(
        RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size),
        ERROR_SUCCESS);
    RegCloseKey(key);
    CLSID parsed{};
    wchar_t wide[64] = {};
    MultiByteToWideChar(CP_ACP, 0, value, -1, wide, 64);
    ASSERT_EQ(CLSIDFromString(wide, &parsed), NOERROR);
    EXPECT_TRUE(IsEqualCLSID(parsed, CLSID_HalvertoneApplication));
    // The local server entry points at the executable, quoted (the path may hold blanks).
    // (Wine does not merge per-user classes into HKEY_CLASSES_ROOT, so CLSIDFromProgID cannot
    // be asked here; Windows does.)
    const std::string server =
        std::string("Software\\Classes\\CLSID\\") + value + "\\LocalServer32";
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, server.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    char path[MAX_PATH] = {};
    size = sizeof path;
    EXPECT_EQ(
        RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(path), &size),
        ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_STREQ(path, "\"C:\\Program Files\\Halvertone\\halvertone.exe\"");
}

}  // namespace
}  // namespace halvertone
