#pragma once
// Builds camera frames for tests, replays and the synthetic camera: a dark background, single
// pixels, filled rectangles and Gaussian light spots, written in the bottom-up BGR layout.
#include <cstdint>
#include <vector>

#include "capture/camera_frame.h"

namespace halvertone::sim {

class FramePainter {
public:
    explicit FramePainter(uint8_t background = 0);

    void Fill(uint8_t level);
    // Sets all three bytes of image pixel (x, y); pixels outside the frame are ignored.
    void SetPixel(int x, int y, uint8_t level);
    void SetGreen(int x, int y, uint8_t level);
    void FillRect(int left, int top, int right, int bottom, uint8_t level);
    // Adds a round light spot: peak at (cx, cy), Gaussian fall-off with the given sigma;
    // values saturate at 255.
    void AddSpot(double cx, double cy, double sigma, uint8_t peak);

    CameraFrame View() const { return CameraFrame{bytes_.data()}; }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::vector<uint8_t>& Bytes() { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

}  // namespace halvertone::sim
