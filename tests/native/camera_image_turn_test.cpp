// The sensor register write through the camera's extension-unit bridge.
#include "capture/camera_image_turn.h"

#include <gtest/gtest.h>

#include <deque>
#include <utility>
#include <vector>

namespace halvertone {
namespace {

// Records every write and answers reads of the control byte from a queue.
class RecordingBridge final : public RegisterBridge {
  public:
    std::vector<std::pair<uint16_t, uint8_t>> writes;
    std::vector<uint16_t> reads;
    std::deque<std::optional<uint8_t>> answers;
    bool acceptWrites = true;

    bool Write(uint16_t address, uint8_t value) override {
        writes.emplace_back(address, value);
        return acceptWrites;
    }
    std::optional<uint8_t> Read(uint16_t address) override {
        reads.push_back(address);
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

using W = std::vector<std::pair<uint16_t, uint8_t>>;

TEST(CameraImageTurn, DesktopAndCeilingWriteTheExactSequence) {
    RecordingBridge b;
    b.answers = {0x00, 0x04};
    EXPECT_TRUE(SendCameraImageTurn(b, CameraTurnValue(0)));
    EXPECT_EQ(b.writes, (W{{0x10D9, 1},
                           {0x10D8, 1},
                           {0x10D0, 0xA0},
                           {0x10D1, 0x21},
                           {0x10D2, 0x1E},
                           {0x10D3, 0x30},
                           {0x10D4, 0},
                           {0x10D5, 0},
                           {0x10D6, 0},
                           {0x10D7, 16}}));
    EXPECT_EQ(b.reads, (std::vector<uint16_t>{0x10D0, 0x10D0}))
        << "reads stop once bit 0x04 is set";

    RecordingBridge c;
    c.answers = {0x04};
    EXPECT_TRUE(SendCameraImageTurn(c, CameraTurnValue(1)));
    EXPECT_EQ(c.writes[5], (std::pair<uint16_t, uint8_t>{0x10D3, 0x00}));
    RecordingBridge d;
    d.answers = {0x04};
    SendCameraImageTurn(d, CameraTurnValue(-7));
    EXPECT_EQ(d.writes[5].second, 0x00) << "any non-zero Flip is the ceiling";
}

TEST(CameraImageTurn, ModesSetTheControlByteAndValueBytes) {
    RecordingBridge m0;
    WriteSensorRegister(m0, 0x21, 0x10, 0x55, 0);
    EXPECT_EQ(m0.writes[2].second, 0x90);
    EXPECT_EQ(m0.writes[5].second, 0x00) << "mode 0 writes zero";
    EXPECT_EQ(m0.writes[6].second, 0x00);

    RecordingBridge m2;
    WriteSensorRegister(m2, 0x21, 0x10, 0x1234, 2);
    EXPECT_EQ(m2.writes[2].second, 0xB0);
    EXPECT_EQ(m2.writes[5], (std::pair<uint16_t, uint8_t>{0x10D3, 0x12}));
    EXPECT_EQ(m2.writes[6], (std::pair<uint16_t, uint8_t>{0x10D4, 0x34}));

    RecordingBridge m9;
    WriteSensorRegister(m9, 0x21, 0x10, 0x1234, 9);
    EXPECT_EQ(m9.writes[2].second, 0xB0) << "modes above 2 count as 2";
    EXPECT_EQ(m9.writes[5].second, 0x12);
}

TEST(CameraImageTurn, CompletionIsReadUpToTenTimesAndJudgedOnTheLastByte) {
    RecordingBridge busy;  // bit 0x04 never comes
    busy.answers = std::deque<std::optional<uint8_t>>(12, uint8_t{0x01});
    EXPECT_FALSE(SendCameraImageTurn(busy, CameraTurnValue(0)));
    EXPECT_EQ(busy.reads.size(), 10u);

    RecordingBridge error;  // done, but with the error bit 0x08 beside it
    error.answers = {0x0C};
    EXPECT_FALSE(SendCameraImageTurn(error, CameraTurnValue(0)));
    EXPECT_EQ(error.reads.size(), 1u);

    RecordingBridge late;
    late.answers = {0x01, 0x02, std::nullopt, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x84};
    EXPECT_TRUE(SendCameraImageTurn(late, CameraTurnValue(0)))
        << "the tenth read may still report completion";
}

TEST(CameraImageTurn, ACameraWithoutTheUnitFailsEveryStepQuietly) {
    RecordingBridge none;
    none.acceptWrites = false;
    EXPECT_FALSE(SendCameraImageTurn(none, CameraTurnValue(0)));
    EXPECT_EQ(none.writes.size(), 10u) << "every step is still tried";
    EXPECT_EQ(none.reads.size(), 10u);
}

}  // namespace
}  // namespace halvertone
