// Screen capture to file: the name and format rules, and the order of the capture's steps.
#include "annotation/screen_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "doubles/virtual_clock.h"
#include "tracking/tool_mode.h"

namespace halvertone {
namespace {

TEST(CaptureFileRules, DefaultNameIsTheMinuteOfTheCapture) {
    EXPECT_EQ(DefaultCaptureName({2021, 3, 2, 9, 7}), "2021-03-02-09-07");
    EXPECT_EQ(DefaultCaptureName({1999, 12, 31, 23, 59}), "1999-12-31-23-59");
}

TEST(CaptureFileRules, TheFilterEntryChoosesFormatAndExtension) {
    struct Row {
        uint32_t index;
        CaptureFormat format;
        std::string extension;
    };
    const Row rows[] = {{1, CaptureFormat::kJpeg, ".jpg"}, {2, CaptureFormat::kBitmap, ".bmp"},
                        {3, CaptureFormat::kPng, ".png"},  {4, CaptureFormat::kTiff, ".tif"},
                        {0, CaptureFormat::kJpeg, ".jpg"}, {5, CaptureFormat::kJpeg, ".jpg"}};
    for (const Row& r : rows) {
        EXPECT_EQ(FileTypeForFilter(r.index).format, r.format) << r.index;
        EXPECT_EQ(FileTypeForFilter(r.index).extension, r.extension) << r.index;
    }
    EXPECT_EQ(static_cast<int>(CaptureFormat::kTiff), 2);
    EXPECT_EQ(static_cast<int>(CaptureFormat::kPng), 3);
}

TEST(CaptureFileRules, AnExtensionIsADotInTheNameNotInADirectory) {
    EXPECT_FALSE(HasExtension("C:\\shots\\lesson"));
    EXPECT_TRUE(HasExtension("C:\\shots\\lesson.png"));
    EXPECT_FALSE(HasExtension("C:\\v1.2\\lesson"));
    EXPECT_FALSE(HasExtension("C:/v1.2/lesson"));
    EXPECT_TRUE(HasExtension("lesson.x"));
    EXPECT_FALSE(HasExtension("lesson"));

    EXPECT_EQ(CapturePath("C:\\v1.2\\lesson", 2), "C:\\v1.2\\lesson.bmp");
    EXPECT_EQ(CapturePath("C:\\a\\lesson.png", 1), "C:\\a\\lesson.png") << "format stays JPEG";
    EXPECT_EQ(CapturePath("C:\\a\\lesson", 3), "C:\\a\\lesson.png");
    EXPECT_EQ(CapturePath("C:\\a\\lesson", 4), "C:\\a\\lesson.tif");
    EXPECT_EQ(CapturePath("C:\\a\\lesson", 9), "C:\\a\\lesson.jpg");
}

TEST(CaptureFileRules, RowsArePaddedToFourBytes) {
    EXPECT_EQ(PaddedRowBytes(1366), 4100);  // 4098 bytes of pixels
    EXPECT_EQ(PaddedRowBytes(1024), 3072);
    EXPECT_EQ(PaddedRowBytes(1), 4);
    EXPECT_EQ(PaddedRowBytes(2), 8);
    EXPECT_EQ(PaddedRowBytes(3), 12);
    EXPECT_EQ(PaddedRowBytes(0), 0);
    EXPECT_EQ(PaddedRowBytes(-4), 0);
    EXPECT_EQ(PaddedRowBytes(0x7FFFFFFF), 6442450944);  // no 32-bit overflow
}

TEST(CaptureFileRules, TheFilterTextBecomesNulSeparatedPairs) {
    EXPECT_EQ(FileDialogFilter("JPEG|*.jpg|Bitmap|*.bmp"),
              std::string("JPEG\0*.jpg\0Bitmap\0*.bmp\0\0", 25));
    EXPECT_EQ(FileDialogFilter("A|*.a|"), std::string("A\0*.a\0\0\0", 8));
    EXPECT_EQ(FileDialogFilter(""), std::string("\0\0", 2));
}

// The fixture stands in for everything the capture touches (toolbar, platform, keyboard and
// clock); each call writes one line to the log, so the order shows.
class ScreenCapture : public ::testing::Test,
                      public Clock,
                      public ToolbarForCapture,
                      public OnScreenKeyboard,
                      public CapturePlatform {
  protected:
    void Run() { RunScreenCapture(*this, *this, *this, *this, {cleanPending, modalUiActive}); }
    void Log(std::string line) { lines.push_back(std::move(line)); }
    bool Has(const std::string& line) const {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    std::vector<std::string> Before(const std::string& line) const {
        return {lines.begin(), std::find(lines.begin(), lines.end(), line)};
    }

    // Clock: virtual time.
    uint64_t NowMs() const override { return time.NowMs(); }
    void SleepMs(uint32_t ms) override {
        Log("wait " + std::to_string(ms));
        time.SleepMs(ms);
    }
    // Toolbar.
    int32_t ToolMode() const override { return tool; }
    void SelectTool(int32_t id) override {
        tool = id;
        Log("select " + std::to_string(id));
    }
    void Hide() override { Log("hide"); }
    void Show() override { Log("show"); }
    bool BoardOn() const override { return board; }
    void SetActionRunning(bool on) override { Log(on ? "action on" : "action off"); }
    void SetPopupOpen(bool open) override {
        popupOpen = open;
        Log(open ? "popup on" : "popup off");
    }
    void Redraw() override { Log("redraw"); }
    // Keyboard.
    bool IsOpen() const override { return keyboardOpen; }
    void Open() override {
        Log("keyboard open");
        keyboardOpen = keyboardAppears;
    }
    void Close() override {
        Log("keyboard close");
        keyboardOpen = false;
    }
    // Platform.
    void Grab() override { Log("grab"); }
    bool SaveGrab(const std::string& path, CaptureFormat format) override {
        Log("save " + path + " " + std::to_string(static_cast<int>(format)));
        return saveWorks;
    }
    void ReleaseGrab() override { Log("release"); }
    void NotifyCaptureTool(int32_t value) override { Log("notice " + std::to_string(value)); }
    bool CaptureToolDrawing() const override { return toolDrawing; }
    void SetReplayShowsToolbar(bool on) override { Log(on ? "refresh on" : "refresh off"); }
    void ReplayCaptureToolStrokes() override { Log("replay tool"); }
    void ReplayDesktopStrokes() override { Log("replay desktop"); }
    void RepaintDesktop() override { Log("repaint"); }
    std::string FilterText() override { return "JPEG|*.jpg|BMP|*.bmp"; }
    LocalTime Now() const override { return {2021, 3, 2, 9, 7}; }
    std::optional<SaveChoice> AskSavePath(const std::string& name,
                                          const std::string& filter) override {
        Log("dialog " + name + " " + filter);
        flagsDuringDialog = modalUiActive.load() + (popupOpen ? 10 : 0);
        return answer;
    }

    std::vector<std::string> lines;
    sim::VirtualClock time;
    int32_t tool = kToolMouse;
    bool board = false, popupOpen = false;
    bool keyboardOpen = false, keyboardAppears = true;
    bool toolDrawing = false, saveWorks = true;
    std::optional<SaveChoice> answer;
    int flagsDuringDialog = -1;
    SharedValue<bool> cleanPending{false};
    SharedValue<int> modalUiActive{0};
};

TEST_F(ScreenCapture, OkSavesUnderTheFilterFormatSetsCleanPendingAndStaysMouse) {
    tool = kToolPen;
    answer = SaveChoice{"C:\\shots\\lesson", 2};
    Run();
    const std::vector<std::string> expected{"action on",
                                            "hide",
                                            "wait 100",
                                            "grab",
                                            "show",
                                            "keyboard open",
                                            "action off",
                                            "select 32770",
                                            "popup off",
                                            "popup on",
                                            "dialog 2021-03-02-09-07 JPEG|*.jpg|BMP|*.bmp",
                                            "save C:\\shots\\lesson.bmp 0",
                                            "keyboard close",
                                            "release",
                                            "popup off"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(flagsDuringDialog, 11) << "ModalUiActive and the popup flag are up around it";
    EXPECT_TRUE(cleanPending);
    EXPECT_EQ(tool, kToolMouse);
    EXPECT_EQ(modalUiActive.load(), 0);
    EXPECT_FALSE(popupOpen);
}

TEST_F(ScreenCapture, ASaveThatWroteNothingKeepsTheStrokes) {
    answer = SaveChoice{"C:\\missing\\lesson", 1};
    saveWorks = false;
    Run();
    EXPECT_FALSE(cleanPending);
    EXPECT_TRUE(Has("keyboard close"));
}

TEST_F(ScreenCapture, CancelGivesThePenBackAndRedrawsItsStrokes) {
    tool = kToolPen;
    Run();
    const std::vector<std::string> tail{"dialog 2021-03-02-09-07 JPEG|*.jpg|BMP|*.bmp",
                                        "keyboard close",
                                        "wait 400",
                                        "select 32771",
                                        "wait 600",
                                        "redraw",
                                        "release",
                                        "popup off"};
    ASSERT_GE(lines.size(), tail.size());
    EXPECT_EQ(
        std::vector<std::string>(lines.end() - static_cast<ptrdiff_t>(tail.size()), lines.end()),
        tail);
    EXPECT_EQ(tool, kToolPen);
    EXPECT_FALSE(cleanPending);
    EXPECT_FALSE(Has("save"));
}

TEST_F(ScreenCapture, CancelRedrawsNothingForTheMouseOrWhileCleanPending) {
    Run();  // mouse before the capture
    EXPECT_FALSE(Has("redraw"));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "select 32770"), 1)
        << "only the switch to mouse before the dialog";

    lines.clear();
    tool = kToolEraser;
    cleanPending = true;
    Run();
    EXPECT_TRUE(Has("select 32773"));
    EXPECT_FALSE(Has("redraw"));
    EXPECT_FALSE(Has("wait 600"));
}

TEST_F(ScreenCapture, AKeyboardAlreadyOpenIsLeftOpen) {
    keyboardOpen = true;
    answer = SaveChoice{"C:\\a\\b", 1};
    Run();
    EXPECT_FALSE(Has("keyboard open"));
    EXPECT_FALSE(Has("keyboard close"));
    EXPECT_TRUE(keyboardOpen);

    lines.clear();
    answer.reset();
    Run();
    EXPECT_FALSE(Has("keyboard close"));
    EXPECT_FALSE(Has("wait 400"));
}

TEST_F(ScreenCapture, AKeyboardThatNeverAppearsIsWaitedForBoundedly) {
    keyboardAppears = false;
    const uint64_t start = NowMs();
    Run();
    const uint64_t waited = NowMs() - start;
    EXPECT_GE(waited, kKeyboardWaitLimitMs);
    EXPECT_LT(waited, kKeyboardWaitLimitMs + 1000);
    EXPECT_EQ(flagsDuringDialog, 11) << "the dialog still comes up";
}

TEST_F(ScreenCapture, BoardOffRepaintsNothingBeforeTheGrab) {
    answer = SaveChoice{"C:\\a\\b", 1};
    Run();
    for (const char* line :
         {"repaint", "replay desktop", "replay tool", "notice 0", "notice 1", "refresh off"})
        EXPECT_FALSE(Has(line)) << line;
}

TEST_F(ScreenCapture, BoardOnReplaysTheStrokesBeforeTheGrabAndTellsTheTool) {
    board = true;
    Run();
    const std::vector<std::string> desktop{"action on",      "hide",        "wait 100", "notice 0",
                                           "wait 300",       "refresh off", "repaint",  "wait 100",
                                           "replay desktop", "refresh on",  "wait 500", "grab",
                                           "notice 1",       "show"};
    EXPECT_EQ(Before("keyboard open"), desktop);

    lines.clear();
    toolDrawing = true;
    Run();
    const std::vector<std::string> tool{"action on", "hide",        "wait 100",    "notice 0",
                                        "wait 300",  "refresh off", "replay tool", "refresh on",
                                        "wait 500",  "grab",        "notice 1",    "show"};
    EXPECT_EQ(Before("keyboard open"), tool);

    lines.clear();
    cleanPending = true;
    Run();
    const std::vector<std::string> clean{"action on", "hide", "wait 100", "notice 0",
                                         "wait 300",  "grab", "notice 1", "show"};
    EXPECT_EQ(Before("keyboard open"), clean);
}

}  // namespace
}  // namespace halvertone
