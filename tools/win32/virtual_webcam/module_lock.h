#pragma once
// The DLL's own count of live objects and server locks: it may be unloaded only at zero.
namespace halvertone::webcam {

void LockModule();
void UnlockModule();
bool ModuleInUse();

}  // namespace halvertone::webcam
