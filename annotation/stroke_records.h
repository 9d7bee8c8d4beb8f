#pragma once
// What a stroke list holds: pen strokes (points in screen pixels with the pen they were drawn
// with) and eraser strokes (the top-left corners of the eraser square along its way).
#include <cstdint>
#include <variant>
#include <vector>

#include "base/pixel_rect.h"

namespace halvertone {

enum class StrokeKind : int32_t { kPen = 1, kEraser = 2 };

struct PenStrokeData {
    uint32_t colour = 0;  // GDI colour 0x00BBGGRR
    int32_t width = 0;    // pixels
    // n is points.size().
    int32_t highlighter = 0;  // non-zero: drawn in highlighter mode
    std::vector<PixelPoint> points;
};

struct EraserStrokeData {
    int32_t widthSetting = 0;  // the toolbar's width when the stroke began; see EraserSide
    // n is points.size().
    std::vector<PixelPoint> points;
};

struct StrokeEntry {
    std::variant<PenStrokeData, EraserStrokeData> data;

    StrokeKind Kind() const {
        return std::holds_alternative<PenStrokeData>(data) ? StrokeKind::kPen : StrokeKind::kEraser;
    }
    std::vector<PixelPoint>& Points() {
        return std::visit([](auto& d) -> std::vector<PixelPoint>& { return d.points; }, data);
    }
    const std::vector<PixelPoint>& Points() const {
        return std::visit([](const auto& d) -> const std::vector<PixelPoint>& { return d.points; },
                          data);
    }
};

}  // namespace halvertone
