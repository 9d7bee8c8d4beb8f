#pragma once
// How many handles a process holds, read from the system's handle table: Wine answers
// GetProcessHandleCount for another process with 0 but keeps this table.
#include <windows.h>
// windows.h first
#include <winternl.h>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace halvertone {

// The process's entries in the table; -1 when the table cannot be read.
inline long HandlesInSystemTable(DWORD pid) {
    using Query = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    auto query = ntdll ? reinterpret_cast<Query>(reinterpret_cast<void*>(
                             GetProcAddress(ntdll, "NtQuerySystemInformation")))
                       : nullptr;
    if (!query) return -1;
    constexpr LONG kLengthMismatch = static_cast<LONG>(0xC0000004);
    std::vector<unsigned char> buffer(1 << 20);
    for (int attempt = 0; attempt < 8; ++attempt) {
        ULONG needed = 0;
        const LONG status = query(SystemHandleInformation, buffer.data(),
                                  static_cast<ULONG>(buffer.size()), &needed);
        if (status == kLengthMismatch) {
            buffer.resize(std::max<size_t>(buffer.size() * 2, needed + 65536));
            continue;
        }
        if (status < 0) return -1;
        const auto* table = reinterpret_cast<const SYSTEM_HANDLE_INFORMATION*>(buffer.data());
        const size_t room = (buffer.size() - offsetof(SYSTEM_HANDLE_INFORMATION, Handle)) /
                            sizeof(SYSTEM_HANDLE_ENTRY);
        long count = 0;
        for (size_t i = 0; i < table->Count && i < room; ++i)
            if (table->Handle[i].OwnerPid == pid) ++count;
        return count;
    }
    return -1;
}

}  // namespace halvertone
