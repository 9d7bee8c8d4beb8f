#pragma once
// A fresh directory for one test, removed with everything in it afterwards.
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace halvertone::testing {

class TempDir {
  public:
    TempDir() {
        std::random_device rd;
        const auto base = std::filesystem::temp_directory_path();
        do {
            path_ = base / ("halvertone-" + std::to_string(rd()) + std::to_string(rd()));
        } while (std::filesystem::exists(path_));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The directory with a final separator, as the program directory is held.
    std::string Dir() const { return (path_ / "").string(); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

    void Write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories((path_ / name).parent_path());
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

  private:
    std::filesystem::path path_;
};

}  // namespace halvertone::testing
