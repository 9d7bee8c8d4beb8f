#pragma once
// The GDI+ declarations, with what they rely on: the COM declarations that
// WIN32_LEAN_AND_MEAN leaves out and the min and max that NOMINMAX removes.
#include <objidl.h>
#include <windows.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
