// The camera choice: what the dialog lists and what choosing writes.
#include "shell/camera_choice.h"

#include <gtest/gtest.h>

#include "support/memory_profile_store.h"

namespace halvertone {
namespace {

const std::vector<PresentCamera> kPresent = {
    {"Desk Cam", R"(\\?\usb#vid_046D&pid_0825&mi_00#6&2c9a)"},
    {"Room Cam", R"(\\?\usb#vid_1d6b&pid_0202#7&1)"},
    {"Odd Cam", R"(\\?\root#image#0000)"},
    {"Room Cam", R"(\\?\usb#vid_1d6b&pid_0202#7&2)"},
};

TEST(CameraChoice, ListsIdsFromThePathsAndMarksTheCameraTheGraphWouldTake) {
    const std::vector<CameraEntry> listed = ListCameras(kPresent, CameraIds{"1D6B", "0202", 1});
    ASSERT_EQ(listed.size(), 4u);
    EXPECT_EQ(listed[0].vid, "046D") << "the ids as the path spells them";
    EXPECT_EQ(listed[0].pid, "0825");
    EXPECT_TRUE(listed[2].vid.empty() && listed[2].pid.empty());
    // Two matching cameras: the graph takes the last one, so that one is marked.
    EXPECT_FALSE(listed[1].inUse);
    EXPECT_TRUE(listed[3].inUse);
    for (const CameraEntry& e : ListCameras(kPresent, CameraIds{"1d6b", "0202", 0}))
        EXPECT_FALSE(e.inUse) << "settings without a pair use no camera";
}

TEST(CameraChoice, LineFillsTheLanguageTextAndMarksTheOneInUse) {
    CameraEntry e{"Desk Cam", "046d", "0825", false};
    EXPECT_EQ(CameraLine(e, "{name} (VID {vid}, PID {pid})", "*"), "Desk Cam (VID 046d, PID 0825)");
    e.inUse = true;
    EXPECT_EQ(CameraLine(e, "{name}/{vid}/{pid}", "(in use)"), "Desk Cam/046d/0825  (in use)");
    EXPECT_EQ(CameraLine(e, "", ""), "Desk Cam") << "a missing text still names the camera";
}

TEST(CameraChoice, WritesBothIdsAndRefusesACameraWithoutIds) {
    test::MemoryProfileStore file;
    EXPECT_TRUE(WriteCameraChoice(file, CameraEntry{"Room Cam", "1d6b", "0202", false}));
    EXPECT_EQ(file.GetString("SETTING", "VID", "", 200), "1d6b");
    EXPECT_EQ(file.GetString("SETTING", "PID", "", 200), "0202");
    EXPECT_FALSE(WriteCameraChoice(file, CameraEntry{"Odd Cam", "", "", false}));
    EXPECT_EQ(file.GetString("SETTING", "VID", "", 200), "1d6b") << "nothing overwritten";
}

}  // namespace
}  // namespace halvertone
