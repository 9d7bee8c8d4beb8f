#include "shell/win32/automation_server.h"

#include <atomic>
#include <algorithm>
#include <cstring>

namespace halvertone {

// {6B1D8E4A-3C2F-4E57-9A0B-5D7F2C81A4E3}
const CLSID CLSID_HalvertoneApplication = {
    0x6b1d8e4a, 0x3c2f, 0x4e57, {0x9a, 0x0b, 0x5d, 0x7f, 0x2c, 0x81, 0xa4, 0xe3}};

namespace {

// QueryInterface of an object that offers IUnknown and one interface `I`.
template <typename I>
HRESULT QueryOwnInterface(I* self, REFIID riid, REFIID own, void** out) {
    if (!out) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, own)) {
        *out = self;
        self->AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

class AutomationProxy final : public IDispatch {
public:
    explicit AutomationProxy(AutomationHost& host) : host_(host) {
        host_.LockApp();
        host_.AttachProxy(this);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        return QueryOwnInterface<IDispatch>(this, riid, IID_IDispatch, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG r = --refs_;
        if (r == 0) {
            host_.AttachProxy(nullptr);
            host_.UnlockApp();
            delete this;
        }
        return r;
    }
    // The dispatch map is empty: no type information, no names, nothing to invoke.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return DISP_E_BADINDEX;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT n, LCID, DISPID* ids) override {
        for (UINT i = 0; ids && i < n; ++i) ids[i] = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return DISP_E_MEMBERNOTFOUND;
    }

private:
    AutomationHost& host_;
    std::atomic<ULONG> refs_{1};
};

class ProxyFactory final : public IClassFactory {
public:
    explicit ProxyFactory(AutomationHost& host) : host_(host) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        return QueryOwnInterface<IClassFactory>(this, riid, IID_IClassFactory, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG r = --refs_;
        if (r == 0) delete this;
        return r;
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        IDispatch* proxy = CreateAutomationProxy(host_);
        const HRESULT hr = proxy->QueryInterface(riid, out);
        proxy->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock)
            host_.LockApp();
        else
            host_.UnlockApp();
        return S_OK;
    }

private:
    AutomationHost& host_;
    std::atomic<ULONG> refs_{1};
};

bool SetKeyDefault(const std::string& path, const std::string& value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG r = RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
    return r == ERROR_SUCCESS;
}

std::string ClsidText() {
    wchar_t wide[64] = {};
    StringFromGUID2(CLSID_HalvertoneApplication, wide, 64);
    char text[64] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

bool ContainsWordNoCase(const char* tail, const char* word) {
    const size_t n = std::strlen(word);
    for (const char* p = tail; p && *p; ++p) {
        if ((*p == '-' || *p == '/') && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, p + 1,
                                                       static_cast<int>(std::min(std::strlen(p + 1), n)),
                                                       word, static_cast<int>(n)) == CSTR_EQUAL)
            return true;
    }
    return false;
}

}  // namespace

IDispatch* CreateAutomationProxy(AutomationHost& host) { return new AutomationProxy(host); }

bool AutomationServer::IsComStart(const char* tail) {
    return ContainsWordNoCase(tail, "Embedding") || ContainsWordNoCase(tail, "Automation");
}

bool AutomationServer::UpdateRegistry(const std::string& exePath) {
    const std::string clsid = ClsidText();
    const std::string base = "Software\\Classes\\";
    bool ok = SetKeyDefault(base + kHalvertoneProgId, "Halvertone Application");
    ok = SetKeyDefault(base + kHalvertoneProgId + "\\CLSID", clsid) && ok;
    ok = SetKeyDefault(base + "CLSID\\" + clsid, "Halvertone Application") && ok;
    ok = SetKeyDefault(base + "CLSID\\" + clsid + "\\ProgID", kHalvertoneProgId) && ok;
    ok = SetKeyDefault(base + "CLSID\\" + clsid + "\\LocalServer32", "\"" + exePath + "\"") && ok;
    return ok;
}

HRESULT AutomationServer::RegisterClassObject() {
    if (factory_) return S_OK;
    factory_ = new ProxyFactory(host_);
    const HRESULT hr =
        CoRegisterClassObject(CLSID_HalvertoneApplication, factory_, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie_);
    if (FAILED(hr)) {
        factory_->Release();
        factory_ = nullptr;
    }
    return hr;
}

void AutomationServer::Revoke() {
    if (!factory_) return;
    CoRevokeClassObject(cookie_);
    factory_->Release();
    factory_ = nullptr;
    cookie_ = 0;
}

}  // namespace halvertone
