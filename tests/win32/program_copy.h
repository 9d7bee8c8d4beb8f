#pragma once
// A scratch copy of the runnable program directory in which the real halvertone.exe runs as a
// child process. Every started process is killed when the copy goes (and by a watchdog after
// a time limit), so a test never leaves a program behind or hangs on one.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "program_paths.h"

namespace halvertone::testing {

class ProgramCopy {
  public:
    explicit ProgramCopy(const std::string& settingsText, DWORD watchdogMs = 20000) {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        static int serial = 0;
        dir_ = std::string(temp) + "halvertone-program-" + std::to_string(GetCurrentProcessId()) +
               "-" + std::to_string(++serial) + "\\";
        CopyTree(ProgramDirectory(), dir_);
        Write("Setting.ini", settingsText);
        watchdog_ = std::thread([this, watchdogMs] {
            const DWORD start = GetTickCount();
            while (!stop_ && GetTickCount() - start < watchdogMs) Sleep(20);
            if (!stop_) KillAll();
        });
    }
    ~ProgramCopy() {
        stop_ = true;
        watchdog_.join();
        KillAll();
        for (const PROCESS_INFORMATION& p : started_) {
            CloseHandle(p.hProcess);
            CloseHandle(p.hThread);
        }
        RemoveTree(dir_);
    }
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    std::string File(const std::string& name) const { return dir_ + name; }
    void Write(const std::string& name, const std::string& text) const {
        HANDLE f = CreateFileA(File(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        CloseHandle(f);
    }
    std::string Read(const std::string& name) const {
        std::string text;
        HANDLE f = CreateFileA(File(name).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (f == INVALID_HANDLE_VALUE) return text;
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0)
            text.append(buffer, got);
        CloseHandle(f);
        return text;
    }

    // Starts `exe` (a file of the copy) with the command-line tail `tail`; its process id, or
    // 0 when it could not be started.
    DWORD Start(const std::string& exe, const std::string& tail) {
        const std::string path = File(exe);
        std::string cmd = "\"" + path + "\"" + (tail.empty() ? "" : " " + tail);
        STARTUPINFOA si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!CreateProcessA(path.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr,
                            dir_.c_str(), &si, &pi))
            return 0;
        started_.push_back(pi);
        return pi.dwProcessId;
    }
    // Waits for the process to end; its exit code, or STILL_ACTIVE after `limitMs`.
    DWORD WaitExit(DWORD pid, DWORD limitMs) const {
        for (const PROCESS_INFORMATION& p : started_) {
            if (p.dwProcessId != pid) continue;
            WaitForSingleObject(p.hProcess, limitMs);
            DWORD code = STILL_ACTIVE;
            GetExitCodeProcess(p.hProcess, &code);
            return code;
        }
        return STILL_ACTIVE;
    }
    bool Running(DWORD pid) const { return WaitExit(pid, 0) == STILL_ACTIVE; }

  private:
    void KillAll() {
        for (const PROCESS_INFORMATION& p : started_) {
            if (WaitForSingleObject(p.hProcess, 0) == WAIT_TIMEOUT) {
                TerminateProcess(p.hProcess, 9);
                WaitForSingleObject(p.hProcess, 2000);
            }
        }
    }
    static void CopyTree(const std::string& from, const std::string& to) {
        CreateDirectoryA(to.c_str(), nullptr);
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((from + "*").c_str(), &found);
        if (h == INVALID_HANDLE_VALUE) return;
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                CopyTree(from + name + "\\", to + name + "\\");
            else
                CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE);
        } while (FindNextFileA(h, &found));
        FindClose(h);
    }
    static void RemoveTree(const std::string& dir) {
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((dir + "*").c_str(), &found);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(dir + name + "\\");
                else
                    DeleteFileA((dir + name).c_str());
            } while (FindNextFileA(h, &found));
            FindClose(h);
        }
        RemoveDirectoryA(dir.c_str());
    }

    std::string dir_;
    std::vector<PROCESS_INFORMATION> started_;
    std::atomic<bool> stop_{false};
    std::thread watchdog_;
};

// The top-level windows of process `pid` with the given class ("" for any) and caption.
inline std::vector<HWND> WindowsOf(DWORD pid, const std::string& className,
                                   const std::string& caption) {
    struct Query {
        DWORD pid;
        std::string cls, caption;
        std::vector<HWND> found;
    } q{pid, className, caption, {}};
    EnumWindows(
        [](HWND w, LPARAM lp) -> BOOL {
            auto* q = reinterpret_cast<Query*>(lp);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner != q->pid) return TRUE;
            char cls[64] = {}, text[256] = {};
            GetClassNameA(w, cls, sizeof cls);
            GetWindowTextA(w, text, sizeof text);
            if ((q->cls.empty() || q->cls == cls) && q->caption == text) q->found.push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&q));
    return q.found;
}

// A visible dialog of `pid` with `caption`, or null.
inline HWND VisibleDialogOf(DWORD pid, const std::string& caption) {
    for (HWND w : WindowsOf(pid, "#32770", caption))
        if (IsWindowVisible(w)) return w;
    return nullptr;
}

// The main window of `pid` (dialog 102 with its video area, captioned "Halvertone"), or null.
inline HWND MainWindowOf(DWORD pid) {
    constexpr int kVideoArea = 1075;
    for (HWND w : WindowsOf(pid, "#32770", "Halvertone"))
        if (GetDlgItem(w, kVideoArea) != nullptr) return w;
    return nullptr;
}

// The main window of `pid` once it shows itself (a failed room check), or null.
inline HWND VisibleMainWindowOf(DWORD pid) {
    HWND w = MainWindowOf(pid);
    return w && IsWindowVisible(w) ? w : nullptr;
}

// A message box of `pid` with `caption` that has a button `buttonId`, or null.
inline HWND MessageBoxOf(DWORD pid, const std::string& caption, int buttonId) {
    for (HWND w : WindowsOf(pid, "#32770", caption))
        if (GetDlgItem(w, buttonId) != nullptr && IsWindowVisible(w)) return w;
    return nullptr;
}

// The text of a message box (its static of id 0xFFFF).
inline std::string MessageBoxText(HWND box) {
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

// Waits up to `limitMs` for `found` to give a window.
template <typename F>
HWND WaitForWindow(F found, DWORD limitMs = 8000) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND w = found()) return w;
        if (GetTickCount() - start > limitMs) return nullptr;
        Sleep(25);
    }
}

}  // namespace halvertone::testing
