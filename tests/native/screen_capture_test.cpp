// Screen capture to file: the name and format rules, and the order of the capture's steps.
#include "annotation/screen_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/sim/virtual_clock.h"
#include "platform/tool_mode.h"

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

// Everything the capture touches writes one line to a shared log, so the order shows.
struct Log {
    std::vector<std::string> lines;
    void Add(std::string s) { lines.push_back(std::move(s)); }
    bool Has(const std::string& s) const {
        return std::find(lines.begin(), lines.end(), s) != lines.end();
    }
    size_t Count(const std::string& s) const {
        return static_cast<size_t>(std::count(lines.begin(), lines.end(), s));
    }
};

class LoggingClock final : public Clock {
  public:
    explicit LoggingClock(Log& log) : log_(log) {}
    uint64_t NowMs() const override { return time_.NowMs(); }
    void SleepMs(uint32_t ms) override {
        log_.Add("wait " + std::to_string(ms));
        time_.SleepMs(ms);
    }

  private:
    Log& log_;
    sim::VirtualClock time_;
};

class LoggingToolbar final : public ToolbarForCapture {
  public:
    explicit LoggingToolbar(Log& log) : log_(log) {}
    int32_t tool = kToolMouse;
    bool board = false;
    bool actionRunning = false;
    bool popupOpen = false;
    int32_t ToolMode() const override { return tool; }
    void SelectTool(int32_t id) override {
        tool = id;
        log_.Add("select " + std::to_string(id));
    }
    void Hide() override { log_.Add("hide"); }
    void Show() override { log_.Add("show"); }
    bool BoardOn() const override { return board; }
    void SetActionRunning(bool on) override {
        actionRunning = on;
        log_.Add(on ? "action on" : "action off");
    }
    void SetPopupOpen(bool open) override {
        popupOpen = open;
        log_.Add(open ? "popup on" : "popup off");
    }
    void Redraw() override { log_.Add("redraw"); }

  private:
    Log& log_;
};

class LoggingKeyboard final : public OnScreenKeyboard {
  public:
    explicit LoggingKeyboard(Log& log) : log_(log) {}
    bool open = false;
    bool appearsWhenStarted = true;
    bool IsOpen() const override { return open; }
    void Open() override {
        log_.Add("keyboard open");
        if (appearsWhenStarted) open = true;
    }
    void Close() override {
        log_.Add("keyboard close");
        open = false;
    }

  private:
    Log& log_;
};

class LoggingPlatform final : public CapturePlatform {
  public:
    explicit LoggingPlatform(Log& log) : log_(log) {}
    std::optional<SaveChoice> answer;
    bool captureToolDrawing = false;
    bool saveWorks = true;
    std::string askedName, askedFilter;
    std::function<void()> duringDialog;

    void Grab() override { log_.Add("grab"); }
    bool SaveGrab(const std::string& path, CaptureFormat format) override {
        log_.Add("save " + path + " " + std::to_string(static_cast<int>(format)));
        return saveWorks;
    }
    void ReleaseGrab() override { log_.Add("release"); }
    void NotifyCaptureTool(int32_t value) override { log_.Add("notice " + std::to_string(value)); }
    bool CaptureToolDrawing() const override { return captureToolDrawing; }
    void SetReplayShowsToolbar(bool on) override { log_.Add(on ? "refresh on" : "refresh off"); }
    void ReplayCaptureToolStrokes() override { log_.Add("replay tool"); }
    void ReplayDesktopStrokes() override { log_.Add("replay desktop"); }
    void RepaintDesktop() override { log_.Add("repaint"); }
    std::string FilterText() override { return "JPEG|*.jpg|BMP|*.bmp"; }
    LocalTime Now() const override { return {2021, 3, 2, 9, 7}; }
    std::optional<SaveChoice> AskSavePath(const std::string& name,
                                          const std::string& filter) override {
        askedName = name;
        askedFilter = filter;
        log_.Add("dialog");
        if (duringDialog) duringDialog();
        return answer;
    }

  private:
    Log& log_;
};

class ScreenCapture : public ::testing::Test {
  protected:
    void Run() {
        RunScreenCapture(toolbar, platform, keyboard, clock, {cleanPending, modalUiActive});
    }
    std::vector<std::string> Before(const std::string& line) const {
        auto it = std::find(log.lines.begin(), log.lines.end(), line);
        return {log.lines.begin(), it};
    }

    Log log;
    LoggingClock clock{log};
    LoggingToolbar toolbar{log};
    LoggingKeyboard keyboard{log};
    LoggingPlatform platform{log};
    SharedValue<bool> cleanPending{false};
    SharedValue<int> modalUiActive{0};
};

TEST_F(ScreenCapture, OkSavesUnderTheFilterFormatSetsCleanPendingAndStaysMouse) {
    toolbar.tool = kToolPen;
    platform.answer = SaveChoice{"C:\\shots\\lesson", 2};
    Run();
    const std::vector<std::string> expected{
        "action on",      "hide",          "wait 100",   "grab",
        "show",           "keyboard open", "action off", "select 32770",
        "popup off",      "popup on",      "dialog",     "save C:\\shots\\lesson.bmp 0",
        "keyboard close", "release",       "popup off"};
    EXPECT_EQ(log.lines, expected);
    EXPECT_EQ(platform.askedName, "2021-03-02-09-07");
    EXPECT_EQ(platform.askedFilter, "JPEG|*.jpg|BMP|*.bmp");
    EXPECT_TRUE(cleanPending);
    EXPECT_EQ(toolbar.tool, kToolMouse);
    EXPECT_EQ(modalUiActive.load(), 0);
    EXPECT_FALSE(toolbar.popupOpen);
}

TEST_F(ScreenCapture, APngNameUnderTheFirstEntryIsWrittenAsJpeg) {
    platform.answer = SaveChoice{"C:\\shots\\lesson.png", 1};
    Run();
    EXPECT_TRUE(log.Has("save C:\\shots\\lesson.png 1"));
}

TEST_F(ScreenCapture, ASaveThatWroteNothingKeepsTheStrokes) {
    platform.answer = SaveChoice{"C:\\missing\\lesson", 1};
    platform.saveWorks = false;
    Run();
    EXPECT_FALSE(cleanPending);
    EXPECT_TRUE(log.Has("keyboard close"));
}

TEST_F(ScreenCapture, TheDialogRunsWithTheModalAndPopupFlagsUp) {
    int modalSeen = -1;
    bool popupSeen = false;
    platform.duringDialog = [&] {
        modalSeen = modalUiActive.load();
        popupSeen = toolbar.popupOpen;
    };
    Run();
    EXPECT_EQ(modalSeen, 1);
    EXPECT_TRUE(popupSeen);
    EXPECT_EQ(modalUiActive.load(), 0);
    EXPECT_FALSE(toolbar.popupOpen);
}

TEST_F(ScreenCapture, CancelGivesThePenBackAndRedrawsItsStrokes) {
    toolbar.tool = kToolPen;
    Run();
    const std::vector<std::string> tail{"dialog",   "keyboard close", "wait 400", "select 32771",
                                        "wait 600", "redraw",         "release",  "popup off"};
    ASSERT_GE(log.lines.size(), tail.size());
    EXPECT_EQ(std::vector<std::string>(log.lines.end() - static_cast<ptrdiff_t>(tail.size()),
                                       log.lines.end()),
              tail);
    EXPECT_EQ(toolbar.tool, kToolPen);
    EXPECT_FALSE(cleanPending);
    EXPECT_FALSE(log.Has("save"));
}

TEST_F(ScreenCapture, CancelRedrawsNothingForTheMouseOrWhileCleanPending) {
    Run();  // mouse before the capture
    EXPECT_FALSE(log.Has("redraw"));
    EXPECT_EQ(log.Count("select 32770"), 1u) << "only the switch to mouse before the dialog";

    log.lines.clear();
    toolbar.tool = kToolEraser;
    cleanPending = true;
    Run();
    EXPECT_TRUE(log.Has("select 32773"));
    EXPECT_FALSE(log.Has("redraw"));
    EXPECT_FALSE(log.Has("wait 600"));
}

TEST_F(ScreenCapture, AKeyboardAlreadyOpenIsLeftOpen) {
    keyboard.open = true;
    platform.answer = SaveChoice{"C:\\a\\b", 1};
    Run();
    EXPECT_FALSE(log.Has("keyboard open"));
    EXPECT_FALSE(log.Has("keyboard close"));
    EXPECT_TRUE(keyboard.open);

    log.lines.clear();
    platform.answer.reset();
    Run();
    EXPECT_FALSE(log.Has("keyboard close"));
    EXPECT_FALSE(log.Has("wait 400"));
}

TEST_F(ScreenCapture, AKeyboardThatNeverAppearsIsWaitedForBoundedly) {
    keyboard.appearsWhenStarted = false;
    const uint64_t start = clock.NowMs();
    Run();
    const uint64_t waited = clock.NowMs() - start;
    EXPECT_GE(waited, kKeyboardWaitLimitMs);
    EXPECT_LT(waited, kKeyboardWaitLimitMs + 1000);
    EXPECT_TRUE(log.Has("dialog")) << "the dialog still comes up";
}

TEST_F(ScreenCapture, BoardOffRepaintsNothingBeforeTheGrab) {
    platform.answer = SaveChoice{"C:\\a\\b", 1};
    Run();
    for (const char* line :
         {"repaint", "replay desktop", "replay tool", "notice 0", "notice 1", "refresh off"})
        EXPECT_FALSE(log.Has(line)) << line;
}

TEST_F(ScreenCapture, BoardOnReplaysTheStrokesBeforeTheGrabAndTellsTheTool) {
    toolbar.board = true;
    Run();
    const std::vector<std::string> desktop{"action on",      "hide",        "wait 100", "notice 0",
                                           "wait 300",       "refresh off", "repaint",  "wait 100",
                                           "replay desktop", "refresh on",  "wait 500", "grab",
                                           "notice 1",       "show"};
    EXPECT_EQ(Before("keyboard open"), desktop);

    log.lines.clear();
    platform.captureToolDrawing = true;
    Run();
    const std::vector<std::string> tool{"action on", "hide",        "wait 100",    "notice 0",
                                        "wait 300",  "refresh off", "replay tool", "refresh on",
                                        "wait 500",  "grab",        "notice 1",    "show"};
    EXPECT_EQ(Before("keyboard open"), tool);

    log.lines.clear();
    cleanPending = true;
    Run();
    const std::vector<std::string> clean{"action on", "hide", "wait 100", "notice 0",
                                         "wait 300",  "grab", "notice 1", "show"};
    EXPECT_EQ(Before("keyboard open"), clean);
}

}  // namespace
}  // namespace halvertone
