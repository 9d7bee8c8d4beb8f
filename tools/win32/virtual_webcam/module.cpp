// The DLL's COM entry points: one class factory for the filter class.
#include <atomic>
#include <new>

#include "tools/win32/virtual_webcam/module_lock.h"
#include "tools/win32/virtual_webcam/webcam_filter.h"
#include "tools/win32/virtual_webcam/webcam_registry.h"

namespace halvertone::webcam {
namespace {

std::atomic<LONG> g_locks{0};

class FilterFactory final : public IClassFactory {
  public:
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
            *out = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    // A static object: the server lock counts for it.
    STDMETHODIMP_(ULONG) AddRef() override {
        LockModule();
        return 2;
    }
    STDMETHODIMP_(ULONG) Release() override {
        UnlockModule();
        return 1;
    }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = nullptr;
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        auto* filter = new (std::nothrow) WebcamFilter();
        if (filter == nullptr) return E_OUTOFMEMORY;
        const HRESULT hr = filter->QueryInterface(riid, out);
        filter->Release();
        return hr;
    }
    STDMETHODIMP LockServer(BOOL lock) override {
        if (lock)
            LockModule();
        else
            UnlockModule();
        return S_OK;
    }
};

FilterFactory g_factory;

}  // namespace

void LockModule() {
    ++g_locks;
}

void UnlockModule() {
    --g_locks;
}

bool ModuleInUse() {
    return g_locks.load() != 0;
}

}  // namespace halvertone::webcam

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, void** out) {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(clsid, halvertone::webcam::kWebcamClsid)) return CLASS_E_CLASSNOTAVAILABLE;
    return halvertone::webcam::g_factory.QueryInterface(riid, out);
}

STDAPI DllCanUnloadNow() {
    return halvertone::webcam::ModuleInUse() ? S_FALSE : S_OK;
}
