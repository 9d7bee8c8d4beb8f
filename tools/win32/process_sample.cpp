// One sample of a running program for long runs: its memory, handle and GUI object counts,
// and whether its main window's message loop answers within five seconds. Prints one line
// of JSON and exits 0 when the process was found, 1 when it was not. With --press-yes it
// instead presses Yes on the question box the program shows (its exit confirmation), which
// keyboard input from outside cannot reach reliably while synthetic mouse input runs.
//
//   process_sample IMAGE_NAME [WINDOW_CAPTION]
//   process_sample IMAGE_NAME --press-yes
#include <windows.h>
// windows.h first
#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <vector>

#include "tools/win32/handle_table.h"

namespace {

constexpr UINT kAnswerLimitMs = 5000;

DWORD FindProcess(const char* image) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    DWORD found = 0;
    for (BOOL ok = Process32First(snapshot, &entry); ok && found == 0;
         ok = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, image) == 0) found = entry.th32ProcessID;
    }
    CloseHandle(snapshot);
    return found;
}

struct WindowQuery {
    DWORD pid;
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND w, LPARAM lp) {
    auto* q = reinterpret_cast<WindowQuery*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner != q->pid) return TRUE;
    char text[256] = {};
    GetWindowTextA(w, text, sizeof(text));
    if (q->caption != nullptr && lstrcmpA(text, q->caption) != 0) return TRUE;
    q->found = w;
    return FALSE;
}

BOOL CALLBACK PressYes(HWND w, LPARAM lp) {
    auto* q = reinterpret_cast<WindowQuery*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    HWND yes = owner == q->pid && IsWindowVisible(w) ? GetDlgItem(w, IDYES) : nullptr;
    if (yes == nullptr) return TRUE;
    PostMessageA(yes, BM_CLICK, 0, 0);
    q->found = w;
    return FALSE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: process_sample IMAGE_NAME [WINDOW_CAPTION]\n");
        return 2;
    }
    const DWORD pid = FindProcess(argv[1]);
    if (pid == 0) {
        std::printf("{\"alive\":false}\n");
        return 1;
    }
    if (argc > 2 && lstrcmpA(argv[2], "--press-yes") == 0) {
        WindowQuery query{pid, nullptr, nullptr};
        EnumWindows(PressYes, reinterpret_cast<LPARAM>(&query));
        std::printf("{\"alive\":true,\"pressed\":%s}\n", query.found ? "true" : "false");
        return 0;
    }
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    DWORD handles = 0;
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    if (process != nullptr) {
        GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof(memory));
        GetProcessHandleCount(process, &handles);
        gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
        userObjects = GetGuiResources(process, GR_USEROBJECTS);
        CloseHandle(process);
    }

    WindowQuery query{pid, argc > 2 ? argv[2] : nullptr, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    bool answered = false;
    ULONGLONG answerMs = 0;
    if (query.found != nullptr) {
        const ULONGLONG start = GetTickCount64();
        DWORD_PTR result = 0;
        answered = SendMessageTimeoutA(query.found, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                                       kAnswerLimitMs, &result) != 0;
        answerMs = GetTickCount64() - start;
    }
    std::printf(
        "{\"alive\":true,\"pid\":%lu,\"privateBytes\":%llu,\"workingSet\":%llu,"
        "\"commit\":%llu,\"handles\":%lu,\"handleTable\":%ld,\"gdiObjects\":%lu,"
        "\"userObjects\":%lu,\"window\":%s,\"answered\":%s,\"answerMs\":%llu}\n",
        static_cast<unsigned long>(pid), static_cast<unsigned long long>(memory.PrivateUsage),
        static_cast<unsigned long long>(memory.WorkingSetSize),
        static_cast<unsigned long long>(memory.PagefileUsage), static_cast<unsigned long>(handles),
        halvertone::HandlesInSystemTable(pid), static_cast<unsigned long>(gdiObjects),
        static_cast<unsigned long>(userObjects), query.found != nullptr ? "true" : "false",
        answered ? "true" : "false", answerMs);
    return 0;
}
