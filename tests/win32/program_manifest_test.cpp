// The manifest the program carries: per-monitor DPI awareness, so that the screen size the
// trackers work with is in physical pixels on a scaled display, in the built program and in
// the stripped copy of the release folder.
#include <windows.h>
// windows.h first
#include <gtest/gtest.h>

#include <string>

#include "program_paths.h"

namespace halvertone {
namespace {

// The text of manifest resource 1, or empty when the file or the resource is missing.
std::string ManifestOf(const std::string& exe) {
    HMODULE image = LoadLibraryExA(exe.c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!image) return {};
    std::string text;
    HRSRC found = FindResourceA(image, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    HGLOBAL loaded = found ? LoadResource(image, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes) text.assign(static_cast<const char*>(bytes), SizeofResource(image, found));
    FreeLibrary(image);
    return text;
}

void ExpectPerMonitorAware(const std::string& exe) {
    const std::string manifest = ManifestOf(exe);
    ASSERT_FALSE(manifest.empty()) << exe << " carries no manifest resource 1";
    // Windows 10 1607 and later read dpiAwareness; older systems read dpiAware.
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos)
        << manifest;
    EXPECT_NE(manifest.find(">true/pm</dpiAware>"), std::string::npos) << manifest;
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos)
        << "the version 6 common controls";
}

TEST(ProgramManifest, DeclaresPerMonitorDpiAwareness) {
    ExpectPerMonitorAware(testing::ProgramDirectory() + "halvertone.exe");
}

TEST(ProgramManifest, ReleaseCopyKeepsIt) {
    const std::string release =
        testing::ProgramDirectory() + "..\\release\\Halvertone\\halvertone.exe";
    if (GetFileAttributesA(release.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no release folder built yet";
    ExpectPerMonitorAware(release);
}

}  // namespace
}  // namespace halvertone
