#pragma once
// Counted COM interface pointers, and the out-parameter form COM creation calls expect.
#include <wrl/client.h>

namespace halvertone {

template <class T>
using ComPtr = Microsoft::WRL::ComPtr<T>;

// Releases what `p` holds and lends its slot to a call that returns an interface.
template <class T>
void** PutVoid(ComPtr<T>& p) {
    return reinterpret_cast<void**>(p.ReleaseAndGetAddressOf());
}

}  // namespace halvertone
