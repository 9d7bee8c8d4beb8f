#include "tools/win32/virtual_webcam/enumerators.h"

#include <atomic>
#include <new>

#include "capture/win32/com_ptr.h"
#include "tools/win32/virtual_webcam/module_lock.h"
#include "tools/win32/virtual_webcam/video_format.h"

namespace halvertone::webcam {
namespace {

// The shared walk over a snapshot; Item copies one entry out.
template <class Interface, class Item, class Traits>
class Enumerator final : public Interface {
  public:
    explicit Enumerator(std::vector<Item> items, size_t at = 0)
        : items_(std::move(items)), at_(at) {
        LockModule();
    }
    ~Enumerator() {
        for (Item& i : items_) Traits::Drop(i);
        UnlockModule();
    }

    STDMETHODIMP QueryInterface(REFIID riid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, Traits::Iid())) {
            *out = static_cast<Interface*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++refs_); }
    STDMETHODIMP_(ULONG) Release() override {
        const LONG n = --refs_;
        if (n == 0) delete this;
        return static_cast<ULONG>(n);
    }

    STDMETHODIMP Next(ULONG count, typename Traits::Out* out, ULONG* fetched) override {
        if (out == nullptr || (count > 1 && fetched == nullptr)) return E_POINTER;
        ULONG n = 0;
        while (n < count && at_ < items_.size()) {
            if (!Traits::Copy(items_[at_], out[n])) break;
            ++n;
            ++at_;
        }
        if (fetched != nullptr) *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        at_ = std::min(items_.size(), at_ + count);
        return at_ < items_.size() ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        at_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(Interface** out) override {
        if (out == nullptr) return E_POINTER;
        std::vector<Item> copy;
        for (const Item& i : items_) copy.push_back(Traits::Keep(i));
        *out = new (std::nothrow) Enumerator(std::move(copy), at_);
        return *out != nullptr ? S_OK : E_OUTOFMEMORY;
    }

  private:
    std::atomic<LONG> refs_{1};
    std::vector<Item> items_;
    size_t at_;
};

struct PinTraits {
    using Out = IPin*;
    static REFIID Iid() { return IID_IEnumPins; }
    static void Drop(IPin* p) { p->Release(); }
    static IPin* Keep(IPin* p) {
        p->AddRef();
        return p;
    }
    static bool Copy(IPin* p, IPin*& out) {
        out = Keep(p);
        return true;
    }
};

struct MediaTypeTraits {
    using Out = AM_MEDIA_TYPE*;
    static REFIID Iid() { return IID_IEnumMediaTypes; }
    static void Drop(AM_MEDIA_TYPE& mt) { FreeMediaType(mt); }
    static AM_MEDIA_TYPE Keep(const AM_MEDIA_TYPE& mt) {
        AM_MEDIA_TYPE copy{};
        CopyMediaType(&copy, mt);
        return copy;
    }
    static bool Copy(const AM_MEDIA_TYPE& mt, AM_MEDIA_TYPE*& out) {
        out = NewMediaType(mt);
        return out != nullptr;
    }
};

using PinEnumerator = Enumerator<IEnumPins, IPin*, PinTraits>;
using MediaTypeEnumerator = Enumerator<IEnumMediaTypes, AM_MEDIA_TYPE, MediaTypeTraits>;

}  // namespace

HRESULT NewPinEnumerator(IPin* pin, IEnumPins** out) {
    if (out == nullptr) return E_POINTER;
    pin->AddRef();
    *out = new (std::nothrow) PinEnumerator(std::vector<IPin*>{pin});
    if (*out == nullptr) pin->Release();
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT NewMediaTypeEnumerator(const std::vector<AM_MEDIA_TYPE>& types, IEnumMediaTypes** out) {
    if (out == nullptr) return E_POINTER;
    std::vector<AM_MEDIA_TYPE> copy;
    for (const AM_MEDIA_TYPE& mt : types) copy.push_back(MediaTypeTraits::Keep(mt));
    *out = new (std::nothrow) MediaTypeEnumerator(std::move(copy));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

}  // namespace halvertone::webcam
