// The same odd INI files through Windows' private-profile functions and through our
// portable reader and writer: both must give the answers of the corpus, byte for byte.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/ini_file_store.h"
#include "platform/win32/private_profile_store.h"
#include "support/profile_corpus.h"
#include "support/temp_dir.h"

namespace halvertone {
namespace {

class ProfileAgreement : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const corpus::File& f : corpus::Files()) dir_.Write(f.name, f.bytes);
    }
    testing::TempDir dir_;
};

TEST_F(ProfileAgreement, Strings) {
    for (const corpus::ReadCase& c : corpus::ReadCases()) {
        PrivateProfileStore platform(dir_.File(c.file));
        IniFileStore ours(dir_.File(c.file));
        const std::string theirs = platform.GetString(c.section, c.key, c.fallback, c.bufferChars);
        EXPECT_EQ(theirs, c.expected) << "platform: " << c.file << " [" << c.section << "] "
                                      << c.key << " buffer " << c.bufferChars;
        EXPECT_EQ(ours.GetString(c.section, c.key, c.fallback, c.bufferChars), theirs)
            << "ours: " << c.file << " [" << c.section << "] " << c.key << " buffer "
            << c.bufferChars;
    }
}

TEST_F(ProfileAgreement, Integers) {
    for (const corpus::IntCase& c : corpus::IntCases()) {
        PrivateProfileStore platform(dir_.File(c.file));
        IniFileStore ours(dir_.File(c.file));
        const int32_t theirs = platform.GetInt(c.section, c.key, corpus::kIntFallback);
        EXPECT_EQ(theirs, c.expected) << "platform: " << c.file << " " << c.key;
        EXPECT_EQ(ours.GetInt(c.section, c.key, corpus::kIntFallback), theirs)
            << "ours: " << c.file << " " << c.key;
    }
}

TEST_F(ProfileAgreement, Writes) {
    int n = 0;
    for (const corpus::WriteCase& c : corpus::WriteCases()) {
        // Fresh names each time: the platform caches files it has seen.
        const std::string theirsName = "platform-" + std::to_string(n) + ".ini";
        const std::string oursName = "ours-" + std::to_string(n++) + ".ini";
        if (c.before) {
            dir_.Write(theirsName, *c.before);
            dir_.Write(oursName, *c.before);
        }
        PrivateProfileStore platform(dir_.File(theirsName));
        IniFileStore ours(dir_.File(oursName));
        EXPECT_TRUE(platform.WriteString(c.section, c.key, c.value)) << c.label;
        EXPECT_TRUE(ours.WriteString(c.section, c.key, c.value)) << c.label;
        EXPECT_EQ(dir_.Read(theirsName), c.after) << "platform: " << c.label;
        EXPECT_EQ(dir_.Read(oursName), dir_.Read(theirsName)) << "ours: " << c.label;
    }
}

TEST_F(ProfileAgreement, WritesIntoAMissingDirectoryFailOnBothSides) {
    PrivateProfileStore platform(dir_.File("nodir\\a.ini"));
    IniFileStore ours(dir_.File("nodir\\b.ini"));
    EXPECT_FALSE(platform.WriteString("S", "k", "v"));
    EXPECT_FALSE(ours.WriteString("S", "k", "v"));
    EXPECT_FALSE(dir_.Exists("nodir"));
}

TEST_F(ProfileAgreement, LineBreaksAreRefusedOnBothSides) {
    dir_.Write("a.ini", "[S]\r\nk=1\r\n");
    PrivateProfileStore platform(dir_.File("a.ini"));
    IniFileStore ours(dir_.File("a.ini"));
    EXPECT_FALSE(platform.WriteString("S", "k", "2\r\nx=injected"));
    EXPECT_FALSE(ours.WriteString("S", "k", "2\r\nx=injected"));
    EXPECT_EQ(dir_.Read("a.ini"), "[S]\r\nk=1\r\n");
}

}  // namespace
}  // namespace halvertone
