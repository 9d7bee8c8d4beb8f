// The synthetic camera's switches and the pen script's text: what a hand-edited file can get
// wrong must not reach the camera as a wild number or a pen that runs backwards in time.
#include "shell/simulation_settings.h"

#include <gtest/gtest.h>

#include "platform/ini_text_store.h"
#include "platform/sim/pen_script_text.h"

namespace halvertone {
namespace {

TEST(SimulationSettings, ReadsItsOwnSectionAndRejectsWildNumbers) {
    IniTextStore ini(
        std::string("[SETTING]\r\nCamera=1\r\n"
                    "[SIMULATION]\r\nCamera=1\r\nPen Script=pen.txt\r\nCursor Log=cursor.log\r\n"
                    "K1=-0.05\r\nTilt=0.1\r\n"));
    const SimulationSettings s = ReadSimulationSettings(ini);
    EXPECT_TRUE(s.camera);
    EXPECT_EQ(s.penScript, "pen.txt");
    EXPECT_EQ(s.cursorLog, "cursor.log");
    EXPECT_DOUBLE_EQ(s.k1, -0.05);
    EXPECT_DOUBLE_EQ(s.tilt, 0.1);

    for (const char* k1 : {"nan", "inf", "7", "x", "-0.6"}) {
        IniTextStore bad(std::string("[SIMULATION]\r\nCamera=2\r\nK1=") + k1 + "\r\nTilt=5\r\n");
        const SimulationSettings b = ReadSimulationSettings(bad);
        EXPECT_EQ(b.k1, 0) << k1;
        EXPECT_EQ(b.tilt, 0) << k1;
        EXPECT_FALSE(b.camera) << "only 1 selects the synthetic camera";
    }
    // "Camera" in "SETTING" alone is not the switch.
    IniTextStore other(std::string("[SETTING]\r\nCamera=1\r\n"));
    EXPECT_FALSE(ReadSimulationSettings(other).camera);
}

TEST(SimulationSettings, UnplugAndReplugTimesWithinADay) {
    IniTextStore none(std::string("[SIMULATION]\r\nCamera=1\r\n"));
    EXPECT_EQ(ReadSimulationSettings(none).unplugAtMs, -1);
    EXPECT_EQ(ReadSimulationSettings(none).replugAtMs, -1);
    IniTextStore set(std::string("[SIMULATION]\r\nUnplug At=4000\r\nReplug At=0\r\n"));
    EXPECT_EQ(ReadSimulationSettings(set).unplugAtMs, 4000);
    EXPECT_EQ(ReadSimulationSettings(set).replugAtMs, 0);
    for (const char* bad : {"-2", "86400001", "x"}) {
        IniTextStore b(std::string("[SIMULATION]\r\nUnplug At=") + bad + "\r\n");
        EXPECT_EQ(ReadSimulationSettings(b).unplugAtMs, -1) << bad;
    }
}

TEST(PenScriptText, ParsesKeyPointsAndSkipsWhatDoesNotParse) {
    const sim::PenScript script = sim::ParsePenScript(
        "# a drag and a tap\n"
        "100 down 10 20\n"
        "300 down 30 40\r\n"
        "250 down 999 999\n"  // back in time
        "oops\n"
        "350 down nan 5\n"
        "360 down 1e300 5\n"
        "-5 up\n"
        "400 up\n"
        "500 down 7\n"  // missing y
        "600 down 50 60\n");
    EXPECT_EQ(script.At(50), sim::PenSample{});
    EXPECT_EQ(script.At(100), (sim::PenSample{true, 10, 20}));
    EXPECT_EQ(script.At(200), (sim::PenSample{true, 20, 30}));
    EXPECT_EQ(script.At(399), (sim::PenSample{true, 30, 40}));
    EXPECT_FALSE(script.At(450).down);
    EXPECT_EQ(script.At(700), (sim::PenSample{true, 50, 60}));
    EXPECT_EQ(script.EndMs(), 600u);
}

}  // namespace
}  // namespace halvertone
