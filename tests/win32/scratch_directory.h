#pragma once
// A fresh directory under the Windows temporary folder, removed with its files afterwards.
#include <windows.h>

#include <fstream>
#include <string>

namespace halvertone::testing {

class ScratchDirectory {
  public:
    ScratchDirectory() {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        static int serial = 0;
        path_ = std::string(temp) + "halvertone-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++serial) + "\\";
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchDirectory() {
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA((path_ + "*").c_str(), &found);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    DeleteFileA((path_ + found.cFileName).c_str());
            } while (FindNextFileA(h, &found));
            FindClose(h);
        }
        RemoveDirectoryA(path_.c_str());
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    // Full path of `name` in the directory.
    std::string File(const std::string& name) const { return path_ + name; }

    // Writes `text` as the whole of file `name`; returns its full path.
    std::string Write(const std::string& name, const std::string& text) const {
        std::ofstream(File(name), std::ios::binary) << text;
        return File(name);
    }

    // The whole text of file `name` ("" when missing).
    std::string Read(const std::string& name) const {
        std::ifstream in(File(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

  private:
    std::string path_;
};

}  // namespace halvertone::testing
