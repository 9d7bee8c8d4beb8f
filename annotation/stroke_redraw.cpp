#include "annotation/stroke_redraw.h"

#include <memory>
#include <span>
#include <variant>

#include "base/eraser_side.h"

namespace halvertone {
namespace {

void PaintPenStroke(InkSurface& canvas, const PenStrokeData& stroke) {
    const InkPen pen{stroke.colour, stroke.width};
    const size_t n = stroke.points.size();
    canvas.UsePen(pen);
    bool maskSet = false;
    RasterOp previous = RasterOp::kCopyPen;
    if (n >= 2) {
        if (stroke.highlighter != 0) {
            previous = canvas.SetRasterOp(RasterOp::kMaskPen);
            maskSet = true;
            canvas.StrokePolyline(stroke.points);
        } else {
            // The whole stroke, however long. Two or three points draw their first two only.
            canvas.DrawCardinalCurve(std::span(stroke.points.data(), n < 4 ? 2 : n), pen);
        }
    }
    canvas.RestorePen();
    if (maskSet) canvas.SetRasterOp(previous);
}

void PaintEraserStroke(InkComposition& composition, const EraserStrokeData& stroke) {
    const int32_t side = EraserSide(stroke.widthSetting);
    for (const PixelPoint& p : stroke.points) composition.RestoreSquare(p, side);
}

}  // namespace

void PaintStroke(InkComposition& composition, const StrokeEntry& entry) {
    if (const auto* pen = std::get_if<PenStrokeData>(&entry.data)) {
        PaintPenStroke(composition.Canvas(), *pen);
    } else {
        PaintEraserStroke(composition, std::get<EraserStrokeData>(entry.data));
    }
}

StrokeRedraw::StrokeRedraw(ScreenContext& screen, InkToolbar& toolbar, Clock& clock)
    : screen_(screen), toolbar_(toolbar), clock_(clock) {}

bool StrokeRedraw::RedrawStrokes(const StrokeList& list) {
    if (RedrawBusy.exchange(true)) return false;
    if (!list.Empty()) {
        screen_.Redraw([&](InkCanvas& canvas, InkSurface& screen) {
            std::unique_ptr<InkComposition> composition = canvas.Compose(screen);
            if (!composition) return;
            list.Visit([&](const StrokeEntry& e) { PaintStroke(*composition, e); });
            composition->Present();
        });
    }
    if (ReshowToolbarAfterRedraw) {
        toolbar_.Hide();
        clock_.SleepMs(kToolbarReshowMs);
        toolbar_.Show();
    }
    RedrawBusy = false;
    return true;
}

}  // namespace halvertone
