// The toolbar's side of the capture tool protocol and the tool's start command line.
#include "annotation/capture_tool_link.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "annotation/capture_tool_command.h"
#include "annotation/screen_draw_message.h"

namespace halvertone {
namespace {

class CountingHost final : public CaptureToolHost {
  public:
    int shown = 0;
    void ShowToolbar() override { ++shown; }
};

TEST(CaptureToolLink, StoresDrawingStateAndWindowAndAnswersZero) {
    CaptureToolState state;
    CountingHost host;
    EXPECT_EQ(state.drawingState.load(), 0);
    EXPECT_EQ(state.window.load(), 0u);

    EXPECT_EQ(HandleScreenDrawMessage(screen_draw::kDrawingState, 3, 0, state, host), 0);
    EXPECT_EQ(state.drawingState.load(), 3);
    EXPECT_EQ(HandleScreenDrawMessage(screen_draw::kToolWindow, 0x1A2B3C, 0, state, host), 0);
    EXPECT_EQ(state.window.load(), 0x1A2B3Cu);
    HandleScreenDrawMessage(screen_draw::kDrawingState, 0, 0, state, host);
    EXPECT_EQ(state.drawingState.load(), 0) << "code 2 with 0 sends strokes to the desktop again";
    // A state beyond 32 bits keeps its non-zero meaning.
    HandleScreenDrawMessage(screen_draw::kDrawingState, intptr_t{1} << 40, 0, state, host);
    EXPECT_NE(state.drawingState.load(), 0);
    EXPECT_EQ(host.shown, 0);
}

TEST(CaptureToolLink, WantToolbarShowsItOnlyInOperationModeZeroAndOtherCodesAreIgnored) {
    CaptureToolState state;
    CountingHost host;
    EXPECT_EQ(HandleScreenDrawMessage(screen_draw::kWantToolbar, 99, 1, state, host), 0);
    EXPECT_EQ(host.shown, 0) << "operation mode 1 leaves the toolbar hidden";
    HandleScreenDrawMessage(screen_draw::kWantToolbar, 0, 0, state, host);
    EXPECT_EQ(host.shown, 1);

    for (uintptr_t code : {uintptr_t{0}, screen_draw::kClose, uintptr_t{3},
                           screen_draw::kCaptureNotice, uintptr_t{7}, ~uintptr_t{0}})
        EXPECT_EQ(HandleScreenDrawMessage(code, 77, 0, state, host), 0);
    EXPECT_EQ(host.shown, 1);
    EXPECT_EQ(state.drawingState.load(), 0);
    EXPECT_EQ(state.window.load(), 0u);
}

TEST(CaptureToolCommand, ReplacesTheFileNameAndQuotesThePath) {
    EXPECT_EQ(CaptureToolCommandLine(R"(C:\Program Files\Halvertone\halvertone.exe)", 1246),
              R"("C:\Program Files\Halvertone\Grab_Screen.exe" 1246)");
    EXPECT_EQ(CaptureToolCommandLine("halvertone.exe", 7), R"("Grab_Screen.exe" 7)");
    EXPECT_EQ(CaptureToolCommandLine(R"(D:\x\)", 7), R"("D:\x\Grab_Screen.exe" 7)");
    // Handles are sign-extended 32-bit values on 64-bit Windows; the text keeps them whole.
    EXPECT_EQ(CaptureToolCommandLine(R"(C:\a.exe)", -2), R"("C:\Grab_Screen.exe" -2)");
}

TEST(CaptureToolCommand, ParsesOnlyOneWellFormedNonZeroDecimal) {
    EXPECT_EQ(ParseToolbarWindow("1246"), 1246);
    EXPECT_EQ(ParseToolbarWindow("  1246 \r\n"), 1246);
    EXPECT_EQ(ParseToolbarWindow("+15"), 15);
    EXPECT_EQ(ParseToolbarWindow("-2"), -2);
    const intptr_t max = std::numeric_limits<intptr_t>::max();
    const intptr_t min = std::numeric_limits<intptr_t>::min();
    EXPECT_EQ(ParseToolbarWindow(std::to_string(max)), max);
    EXPECT_EQ(ParseToolbarWindow(std::to_string(min)), min);

    for (const char* bad :
         {"", "   ", "0", "-0", "12a", "a12", "0x1F", "12 13", "-", "+", "99999999999999999999",
          "9223372036854775808", "-9223372036854775809", "1.5"})
        EXPECT_EQ(ParseToolbarWindow(bad), std::nullopt) << '"' << bad << '"';
    // The round trip the toolbar and the tool rely on.
    const std::string line = CaptureToolCommandLine(R"(C:\p\halvertone.exe)", 655432);
    EXPECT_EQ(ParseToolbarWindow(line.substr(line.find("\" ") + 2)), 655432);
}

}  // namespace
}  // namespace halvertone
