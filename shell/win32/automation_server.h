#pragma once
// The automation object "Halvertone.Application": a creatable object with a dispatch
// interface that has no methods. The process is its local server; registration goes under
// HKEY_CURRENT_USER so no administrator rights are needed.
#include <windows.h>
#include <ole2.h>

#include <string>

namespace halvertone {

extern const CLSID CLSID_HalvertoneApplication;
inline constexpr const char* kHalvertoneProgId = "Halvertone.Application";

// Called by the object's constructor and destructor: the owner keeps the process alive
// while a client holds the object and learns which proxy is attached to its main window.
struct AutomationHost {
    virtual ~AutomationHost() = default;
    virtual void LockApp() = 0;
    virtual void UnlockApp() = 0;
    virtual void AttachProxy(IDispatch* proxy) = 0;  // null detaches
};

class AutomationServer {
public:
    explicit AutomationServer(AutomationHost& host) : host_(host) {}
    ~AutomationServer() { Revoke(); }

    // True for a start by COM ("-Embedding" / "/Automation" anywhere in the tail).
    static bool IsComStart(const char* commandLineTail);
    // Ordinary start: writes the per-user registry entries for this executable.
    static bool UpdateRegistry(const std::string& exePath);
    // Start by COM: registers the class object for local-server, multiple use.
    HRESULT RegisterClassObject();
    void Revoke();

private:
    AutomationHost& host_;
    IClassFactory* factory_ = nullptr;
    DWORD cookie_ = 0;
};

// A proxy object as the factory makes it (exposed for tests that run in-process).
IDispatch* CreateAutomationProxy(AutomationHost& host);

}  // namespace halvertone
