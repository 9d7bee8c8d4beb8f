#pragma once
// The filter's pin list (one pin) and the pin's list of media types, as COM enumerators.
#include <vector>

#include "tools/win32/virtual_webcam/com_headers.h"

namespace halvertone::webcam {

// Both hand out AddRef'd pointers / task-memory copies, from a snapshot taken at creation.
HRESULT NewPinEnumerator(IPin* pin, IEnumPins** out);
HRESULT NewMediaTypeEnumerator(const std::vector<AM_MEDIA_TYPE>& types, IEnumMediaTypes** out);

}  // namespace halvertone::webcam
