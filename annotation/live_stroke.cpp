#include "annotation/live_stroke.h"

#include <array>
#include <span>

namespace halvertone {

LiveStroke::LiveStroke(ScreenContext& screen, const PenAttributes& pen, const Settings& settings,
                       StrokeRecorder& recorder)
    : screen_(screen), pen_(pen), settings_(settings), recorder_(recorder) {}

void LiveStroke::DrawPendingPiece() {
    SegmentBuffer& sb = segmentBuffer_;
    if (sb.count > 2) {
        FlushSegmentBuffer();
    } else if (sb.count == 2) {
        DrawStrokePiece(sb.points[0], sb.points[1], false);
    }
}

uint16_t LiveStroke::AddLivePoint(int32_t final, int32_t x, int32_t y) {
    SegmentBuffer& sb = segmentBuffer_;
    if (final != 0) {
        sb.Append({x, y});
        DrawPendingPiece();
        return kLiveFinalDone;  // the next stroke empties the buffer
    }
    if (sb.count != 0) {
        const PixelPoint last = sb.Last();
        // 64-bit so that no position, however wild, overflows the squares.
        const int64_t dx = static_cast<int64_t>(x) - last.x;
        const int64_t dy = static_cast<int64_t>(y) - last.y;
        const int64_t adx = dx < 0 ? -dx : dx;
        const int64_t ady = dy < 0 ? -dy : dy;
        if (adx >= kLiveJumpPixels || ady >= kLiveJumpPixels) {
            DrawPendingPiece();
            sb.Reset();
            sb.Append({x, y});
            return kLiveJump;
        }
        if (adx < settings_.drawSensitivityX.load() || ady < settings_.drawSensitivityY.load() ||
            dx * dx + dy * dy < settings_.drawSensitivity.load()) {
            return kLiveRejected;
        }
    }
    sb.Append({x, y});
    if (sb.count >= sb.limit) {
        FlushSegmentBuffer();
        sb.points[0] = sb.Last();
        sb.count = 1;
    }
    return kLiveAccepted;
}

void LiveStroke::FlushSegmentBuffer() {
    const SegmentBuffer& sb = segmentBuffer_;
    const InkPen pen = pen_.Pen();
    if (pen_.highlighter) {
        const std::span<const PixelPoint> points(sb.points.data(), static_cast<size_t>(sb.count));
        screen_.Draw([&](InkSurface& s) { s.StrokePolyline(points); });
        return;
    }
    // Points on the screen's top row or left column are left out as (0, 0), and the count ends
    // at the last point kept.
    std::array<PixelPoint, kFlushPoints> kept{};
    size_t count = 0;
    for (size_t i = 0; i < static_cast<size_t>(sb.count) && i < kept.size(); ++i) {
        if (sb.points[i].x != 0 && sb.points[i].y != 0) {
            kept[i] = sb.points[i];
            count = i + 1;
        }
    }
    screen_.Draw([&](InkSurface& s) { s.DrawBeziers(std::span(kept.data(), count), pen); });
}

void LiveStroke::DrawStrokePiece(const PixelPoint& a, PixelPoint& b, bool starting) {
    const InkPen pen = pen_.Pen();
    const bool highlighter = pen_.highlighter;
    if (!starting) {
        const std::array<PixelPoint, 2> piece{a, b};
        screen_.Draw([&](InkSurface& s) {
            if (highlighter) {
                s.StrokePolyline(piece);
            } else {
                s.DrawTautCurve(piece, pen);
            }
        });
        return;
    }
    const PixelPoint from = a;
    PixelPoint p{b.x + 1, b.y + 1};
    screen_.Draw([&](InkSurface& s) {
        if (highlighter) {
            s.StrokeSegment(from, p);
        } else {
            const std::array<PixelPoint, 2> dot{p, from};
            s.DrawTautCurve(dot, pen);
        }
    });
    segmentBuffer_.Append(p);
    b = p;
    recorder_.RecordPenStroke(2, 0, 0, 0, p.x, p.y);
}

}  // namespace halvertone
