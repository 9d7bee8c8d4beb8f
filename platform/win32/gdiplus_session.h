#pragma once
// GDI+ is started once per process, on first use, and left running until the process ends.
namespace halvertone::win32 {

// True when GDI+ is available; every later call returns the first answer.
bool EnsureGdiplus();

}  // namespace halvertone::win32
