#include <gtest/gtest.h>

#include "shell/quit_switch.h"

namespace halvertone {
namespace {

TEST(QuitSwitch, WholeTailComparedWithoutCaseOrTrimming) {
    EXPECT_TRUE(IsQuitSwitch("/q"));
    EXPECT_TRUE(IsQuitSwitch("/Q"));
    EXPECT_FALSE(IsQuitSwitch("/q "));  // a trailing blank makes it another argument
    EXPECT_FALSE(IsQuitSwitch(" /q"));
    EXPECT_FALSE(IsQuitSwitch("/quit"));
    EXPECT_FALSE(IsQuitSwitch("-q"));
    EXPECT_FALSE(IsQuitSwitch(""));
}

}  // namespace
}  // namespace halvertone
