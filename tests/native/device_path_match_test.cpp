// Choosing the camera by the ids in its device path.
#include "capture/device_path_match.h"

#include <gtest/gtest.h>

#include "capture/camera_ids.h"

namespace halvertone {
namespace {

constexpr char kCam[] = R"(\\?\usb#vid_046d&pid_0825&mi_00#6&2c9a&0&0000#{65e8773d-8f56})";

TEST(DevicePathMatch, IdsCompareWithoutLetterCaseButMarkersAreCaseSensitive) {
    EXPECT_TRUE(DevicePathMatches(kCam, "046d", "0825"));
    EXPECT_TRUE(DevicePathMatches(kCam, "046D", "0825"));
    EXPECT_TRUE(DevicePathMatches(R"(\\?\usb#vid_046D&pid_0A25)", "046d", "0a25"));
    EXPECT_FALSE(DevicePathMatches(R"(\\?\USB#VID_046D&PID_0825)", "046d", "0825"))
        << "capital markers are not found";
    EXPECT_FALSE(DevicePathMatches(R"(\\?\usb#vid_046d&PID_0825)", "046d", "0825"));
    EXPECT_FALSE(DevicePathMatches(kCam, "046e", "0825"));
    EXPECT_FALSE(DevicePathMatches(kCam, "046d", "0826"));
    EXPECT_FALSE(DevicePathMatches(kCam, "0825", "046d")) << "vendor and product are not swapped";
}

TEST(DevicePathMatch, OnlyTheFirstMarkerCountsAndIdsMustBeFourCharacters) {
    // A second "vid_" later in the path is never looked at.
    const char* twice = R"(\\?\usb#vid_1111&pid_2222#vid_046d&pid_0825)";
    EXPECT_TRUE(DevicePathMatches(twice, "1111", "2222"));
    EXPECT_FALSE(DevicePathMatches(twice, "046d", "0825"));

    EXPECT_FALSE(DevicePathMatches(kCam, "046d0", "0825"))
        << "an entry longer than 4 never matches";
    EXPECT_FALSE(DevicePathMatches(kCam, "046", "0825")) << "nor one shorter";
    EXPECT_FALSE(DevicePathMatches(kCam, "", ""));
    EXPECT_FALSE(DevicePathMatches("", "046d", "0825"));
    EXPECT_FALSE(DevicePathMatches(R"(\\?\usb#pid_0825)", "046d", "0825")) << "no vid_ marker";
    EXPECT_FALSE(DevicePathMatches(R"(\\?\usb#vid_046d)", "046d", "0825")) << "no pid_ marker";
    // The path ends inside the id: the missing characters are not read.
    EXPECT_FALSE(DevicePathMatches("vid_046d&pid_08", "046d", "08"));
    EXPECT_FALSE(DevicePathMatches("pid_0825&vid_04", "04", "0825"));
}

TEST(DevicePathMatch, TheLastMatchingDeviceIsChosen) {
    const std::vector<std::string> paths = {
        R"(\\?\usb#vid_046d&pid_0825#a)",
        R"(\\?\usb#vid_1234&pid_5678#b)",
        R"(\\?\usb#vid_046d&pid_0825#c)",
        R"(\\?\usb#vid_abcd&pid_ef01#d)",
    };
    EXPECT_EQ(ChooseCaptureDevice(paths, "046d", "0825"), 2u);
    EXPECT_EQ(ChooseCaptureDevice(paths, "1234", "5678"), 1u);
    EXPECT_EQ(ChooseCaptureDevice({paths[0], paths[1]}, "046D", "0825"), 0u)
        << "only the first of two devices matches";
    EXPECT_EQ(ChooseCaptureDevice(paths, "ffff", "ffff"), std::nullopt);
    EXPECT_EQ(ChooseCaptureDevice({}, "046d", "0825"), std::nullopt);
}

TEST(DevicePathMatch, OnlyTheFirstIdPairOfTheSettingsIsUsed) {
    Settings s;
    s.vid = {"046d", "1234"};
    s.pid = {"0825", "5678"};
    s.cameraIdCount = 2;
    const CameraIds ids = CameraIdsFrom(s);
    EXPECT_EQ(ids.count, 2);
    EXPECT_TRUE(DevicePathMatches(R"(\\?\usb#vid_046d&pid_0825)", ids.vid, ids.pid));
    EXPECT_FALSE(DevicePathMatches(R"(\\?\usb#vid_1234&pid_5678)", ids.vid, ids.pid));
    EXPECT_EQ(CameraIdsFrom(Settings{}).count, 0);
}

}  // namespace
}  // namespace halvertone
