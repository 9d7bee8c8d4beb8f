// The portable INI reader and writer against the answers of Windows' private-profile
// functions for a corpus of odd files, plus what only a real file shows.
#include <gtest/gtest.h>

#include "platform/ini_document.h"
#include "platform/ini_file_store.h"
#include "platform/ini_text_store.h"
#include "support/profile_corpus.h"
#include "support/temp_dir.h"

namespace halvertone {
namespace {

using namespace std::string_literals;
using testing::TempDir;

class IniCorpus : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const corpus::File& f : corpus::Files()) dir_.Write(f.name, f.bytes);
    }
    IniFileStore Store(const char* file) { return IniFileStore(dir_.File(file)); }
    TempDir dir_;
};

TEST_F(IniCorpus, StringsReadAsThePlatformReadsThem) {
    for (const corpus::ReadCase& c : corpus::ReadCases()) {
        IniFileStore store = Store(c.file);
        EXPECT_EQ(store.GetString(c.section, c.key, c.fallback, c.bufferChars), c.expected)
            << c.file << " [" << c.section << "] " << c.key << " buffer " << c.bufferChars;
    }
}

TEST_F(IniCorpus, IntegersReadAsThePlatformReadsThem) {
    for (const corpus::IntCase& c : corpus::IntCases()) {
        IniFileStore store = Store(c.file);
        EXPECT_EQ(store.GetInt(c.section, c.key, corpus::kIntFallback), c.expected)
            << c.file << " [" << c.section << "] " << c.key;
    }
}

TEST_F(IniCorpus, WritesLeaveTheFileAsThePlatformLeavesIt) {
    for (const corpus::WriteCase& c : corpus::WriteCases()) {
        const std::string name =
            std::string("write-") + std::to_string(&c - corpus::WriteCases().data()) + ".ini";
        if (c.before) dir_.Write(name, *c.before);
        IniFileStore store(dir_.File(name));
        EXPECT_TRUE(store.WriteString(c.section, c.key, c.value)) << c.label;
        EXPECT_EQ(dir_.Read(name), c.after) << c.label;
    }
}

TEST(IniFile, WriteIntoAMissingDirectoryFailsAndCreatesNothing) {
    TempDir dir;
    IniFileStore store(dir.File("nodir/Setting.ini"));
    EXPECT_FALSE(store.WriteString("SETTING", "Threshold", "150"));
    EXPECT_FALSE(dir.Exists("nodir"));
}

TEST(IniFile, ADirectoryIsNeitherReadNorReplaced) {
    TempDir dir;
    std::filesystem::create_directories(dir.File("Setting.ini"));
    IniFileStore store(dir.File("Setting.ini"));
    EXPECT_EQ(store.GetInt("SETTING", "Threshold", 150), 150);
    EXPECT_FALSE(store.WriteString("SETTING", "Threshold", "150"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("Setting.ini")));
}

TEST(IniFile, LineBreaksInAWriteAreRefusedSoNoKeyCanBeSmuggledIn) {
    TempDir dir;
    dir.Write("a.ini", "[S]\nk=1\n");
    IniFileStore store(dir.File("a.ini"));
    EXPECT_FALSE(store.WriteString("S", "k", "2\r\nThreshold=0"));
    EXPECT_FALSE(store.WriteString("S", "k\nx", "2"));
    EXPECT_FALSE(store.WriteString("S\r", "k", "2"));
    EXPECT_EQ(dir.Read("a.ini"), "[S]\nk=1\n");
}

TEST(IniFile, AnUnchangedWriteDoesNotTouchTheFile) {
    TempDir dir;
    dir.Write("a.ini", "[S]\nk = 1 \n");
    const auto before = std::filesystem::last_write_time(dir.File("a.ini"));
    std::filesystem::last_write_time(dir.File("a.ini"), before - std::chrono::hours(1));
    IniFileStore store(dir.File("a.ini"));
    EXPECT_TRUE(store.WriteString("s", "K", "1"));
    EXPECT_EQ(std::filesystem::last_write_time(dir.File("a.ini")), before - std::chrono::hours(1));
}

// The file is parsed once, yet a change made by another program (even one that keeps the
// size) is what the next read finds, as is the store's own write.
TEST(IniFile, ReadsAgainOnceTheFileChanged) {
    TempDir dir;
    dir.Write("a.ini", "[S]\nk=1\n");
    IniFileStore store(dir.File("a.ini"));
    EXPECT_EQ(store.GetInt("S", "k", 0), 1);
    dir.Write("a.ini", "[S]\nk=2\n");
    const auto written = std::filesystem::last_write_time(dir.File("a.ini"));
    std::filesystem::last_write_time(dir.File("a.ini"), written + std::chrono::seconds(1));
    EXPECT_EQ(store.GetInt("S", "k", 0), 2);
    dir.Write("a.ini", "[S]\nk=33\n");
    EXPECT_EQ(store.GetInt("S", "k", 0), 33);
    ASSERT_TRUE(store.WriteString("S", "k", "4"));
    EXPECT_EQ(store.GetInt("S", "k", 0), 4);
    std::filesystem::remove(dir.File("a.ini"));
    EXPECT_EQ(store.GetInt("S", "k", 0), 0);
}

}  // namespace
}  // namespace halvertone

namespace halvertone {
namespace {

// Found by the fuzzer: a NUL inside "[ SETTING \0]" left a name with a trailing blank, so a
// key written into that section went to a new one that the next read never reached.
TEST(IniText, NamesCutAtANulReadTheSameAfterAWrite) {
    const std::string bytes("[ SETTING \0\0]\nKey \0x=1\n", 23);
    IniTextStore store(bytes);
    ASSERT_TRUE(store.WriteString("SETTING", "Threshold", "123"));
    EXPECT_EQ(store.GetInt("SETTING", "Threshold", 0), 123);
    EXPECT_EQ(IniTextStore(store.Bytes()).GetInt("SETTING", "Threshold", 0), 123);
}

}  // namespace
}  // namespace halvertone
