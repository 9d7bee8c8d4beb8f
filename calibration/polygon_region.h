#pragma once
// A polygon region with the winding fill rule that answers, for every pixel, the same
// inside/outside as a GDI polygon region: pixel (x, y) is inside when the integer point
// (x, y) is, with left and top edges inside and right and bottom edges outside. On a row the
// inside pixels run from ceil(left edge x) to ceil(right edge x) - 1.
//
// The region is stored as sorted spans per row, so a point test is a row look-up and a short
// walk, and a caller that visits whole rows can take the spans directly.
#include <cstdint>
#include <span>
#include <vector>

#include "base/pixel_rect.h"

namespace halvertone {

struct PixelSpan {
    int32_t begin = 0;  // first inside column
    int32_t end = 0;    // one past the last inside column
};

class PolygonRegion {
  public:
    // Rows outside this band are never inside (GDI limits coordinates far beyond the frame;
    // the program only asks about camera pixels and their near surroundings).
    static constexpr int32_t kMinRow = -4096;
    static constexpr int32_t kMaxRow = 4096;

    PolygonRegion() = default;  // empty region
    static PolygonRegion FromPolygon(std::span<const PixelPoint> vertices);
    static PolygonRegion FromRect(const PixelRect& rect);

    bool Contains(int32_t x, int32_t y) const;
    bool Empty() const { return spans_.empty(); }
    // Bounding box of the inside pixels, (0, 0, 0, 0) when empty.
    PixelRect BoundingBox() const { return box_; }
    // Inside spans of row y, left to right, non-overlapping.
    std::span<const PixelSpan> RowSpans(int32_t y) const;

  private:
    int32_t firstRow_ = 0;
    std::vector<uint32_t> rowStart_;  // rows + 1 offsets into spans_
    std::vector<PixelSpan> spans_;
    PixelRect box_{};
};

}  // namespace halvertone
