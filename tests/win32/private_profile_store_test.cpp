// The settings file through the private-profile functions: what a read gives for missing keys
// and long values, numbers, and writes that create the file.
#include <windows.h>
// windows.h first
#include <gtest/gtest.h>

#include "platform/win32/private_profile_store.h"
#include "scratch_directory.h"

namespace halvertone {
namespace {

TEST(PrivateProfileStore, ReadsCutsFallsBackAndWrites) {
    testing::ScratchDirectory dir;
    dir.Write("Setting.ini", "[SETTING]\r\nThreshold=0210\r\nPID=0001,0002\r\nBad=x\r\n");
    PrivateProfileStore store(dir.File("Setting.ini"));
    EXPECT_EQ(store.GetInt("SETTING", "Threshold", 0), 210);
    EXPECT_EQ(store.GetInt("SETTING", "Missing", 77), 77);
    EXPECT_EQ(store.GetInt("SETTING", "Bad", 77), 0) << "no digits read as zero, like Windows";
    EXPECT_EQ(store.GetString("SETTING", "PID", "", 200), "0001,0002");
    EXPECT_EQ(store.GetString("SETTING", "PID", "", 5), "0001") << "cut to the buffer";
    EXPECT_EQ(store.GetString("SETTING", "Missing", "fallback", 4), "fal");
    EXPECT_EQ(store.GetString("SETTING", "PID", "", 0), "");

    PrivateProfileStore fresh(dir.File("New.ini"));
    EXPECT_TRUE(fresh.WriteString("SETTING", "Flip", "1"));
    EXPECT_EQ(fresh.GetInt("SETTING", "Flip", 0), 1);
    EXPECT_NE(dir.Read("New.ini").find("Flip=1"), std::string::npos);
}

}  // namespace
}  // namespace halvertone
