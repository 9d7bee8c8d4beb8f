#include "doubles/sim_ink_canvas.h"

#include <algorithm>
#include <optional>
#include <sstream>
#include <utility>

#include "doubles/ink_raster.h"

namespace halvertone::sim {
namespace {

void AppendPoints(std::ostringstream& out, const std::vector<PixelPoint>& points) {
    for (const PixelPoint& p : points) out << ' ' << p.x << ' ' << p.y;
}

constexpr double kDefaultTension = 0.5;

}  // namespace

std::string Describe(const InkCall& call) {
    static constexpr const char* kNames[kInkOpCount] = {
        "open-screen", "close-screen", "beziers",  "cardinal", "taut",   "pen",     "restore-pen",
        "rop",         "segment",      "polyline", "compose",  "square", "present", "end-compose"};
    std::ostringstream out;
    const size_t n = call.points.size();
    switch (call.op) {
        case InkOp::kTautCurve:
            // The two-point curves of live drawing read as such.
            if (n == 2) {
                out << "curve2";
            } else {
                out << "taut " << n;
            }
            break;
        case InkOp::kBeziers:
        case InkOp::kCardinalCurve:
        case InkOp::kStrokePolyline:
            out << kNames[static_cast<size_t>(call.op)] << ' ' << n;
            break;
        case InkOp::kUsePen:
            out << "pen " << call.pen.colour << ' ' << call.pen.width;
            break;
        case InkOp::kSetRasterOp:
        case InkOp::kRestoreSquare:
            out << kNames[static_cast<size_t>(call.op)] << ' ' << call.value;
            break;
        default:
            out << kNames[static_cast<size_t>(call.op)];
    }
    AppendPoints(out, call.points);
    return out.str();
}

class SimInkSurface final : public InkSurface {
  public:
    SimInkSurface(SimInkCanvas& owner, PixelImage& image, InkTarget target)
        : owner_(owner), image_(image), target_(target) {}

    ~SimInkSurface() override {
        if (target_ != InkTarget::kScreen) return;
        std::lock_guard lock(owner_.mutex_);
        --owner_.openScreens_;
        Note(InkOp::kCloseScreen);
    }

    void DrawBeziers(std::span<const PixelPoint> points, const InkPen& pen) override {
        Piece(InkOp::kBeziers, points, pen,
              [&] { RasterBeziers(image_, points, PieceBrush(pen)); });
    }
    void DrawCardinalCurve(std::span<const PixelPoint> points, const InkPen& pen) override {
        Piece(InkOp::kCardinalCurve, points, pen,
              [&] { RasterCardinal(image_, points, kDefaultTension, PieceBrush(pen)); });
    }
    void DrawTautCurve(std::span<const PixelPoint> points, const InkPen& pen) override {
        Piece(InkOp::kTautCurve, points, pen,
              [&] { RasterCardinal(image_, points, 0.0, PieceBrush(pen)); });
    }
    void UsePen(const InkPen& pen) override {
        std::lock_guard lock(owner_.mutex_);
        Note(InkOp::kUsePen, {}, pen);
        selected_ = pen;
    }
    void RestorePen() override {
        std::lock_guard lock(owner_.mutex_);
        Note(InkOp::kRestorePen);
        selected_.reset();
    }
    RasterOp SetRasterOp(RasterOp op) override {
        std::lock_guard lock(owner_.mutex_);
        Note(InkOp::kSetRasterOp, {}, {}, static_cast<int32_t>(op));
        return std::exchange(rop_, op);
    }
    void StrokeSegment(const PixelPoint& from, PixelPoint& to) override {
        std::lock_guard lock(owner_.mutex_);
        to.x += owner_.options_.segmentEndShift.x;
        to.y += owner_.options_.segmentEndShift.y;
        const PixelPoint both[2] = {from, to};
        Note(InkOp::kStrokeSegment, both);
        if (Rasterise()) RasterPolyline(image_, both, GdiBrush());
    }
    void StrokePolyline(std::span<const PixelPoint> points) override {
        std::lock_guard lock(owner_.mutex_);
        Note(InkOp::kStrokePolyline, points);
        if (Rasterise()) RasterPolyline(image_, points, GdiBrush());
    }

  private:
    friend class SimInkComposition;
    bool Rasterise() const { return owner_.options_.rasterise; }
    static Brush PieceBrush(const InkPen& pen) {
        return {pen.colour, pen.width, RasterOp::kCopyPen};
    }
    Brush GdiBrush() const {
        const InkPen pen = selected_.value_or(InkPen{0, 1});
        return {pen.colour, pen.width, rop_};
    }
    template <typename Raster>
    void Piece(InkOp op, std::span<const PixelPoint> points, const InkPen& pen, Raster raster) {
        std::lock_guard lock(owner_.mutex_);
        Note(op, points, pen);
        if (Rasterise()) raster();
    }
    // Called with the owner's lock held.
    void Note(InkOp op, std::span<const PixelPoint> points = {}, InkPen pen = {},
              int32_t value = 0) {
        InkCall call{op, target_, {}, pen, value};
        if (owner_.options_.record) call.points.assign(points.begin(), points.end());
        owner_.Note(std::move(call));
    }

    SimInkCanvas& owner_;
    PixelImage& image_;
    InkTarget target_;
    std::optional<InkPen> selected_;
    RasterOp rop_ = RasterOp::kCopyPen;
};

class SimInkComposition final : public InkComposition {
  public:
    explicit SimInkComposition(SimInkCanvas& owner)
        : owner_(owner),
          // Without rasterising there is nothing to copy.
          canvasImage_(owner.options_.rasterise ? owner.screen_ : PixelImage{}),
          background_(owner.options_.rasterise ? owner.screen_ : PixelImage{}),
          canvas_(owner, canvasImage_, InkTarget::kCanvas) {}

    ~SimInkComposition() override {
        std::lock_guard lock(owner_.mutex_);
        owner_.Note({InkOp::kEndCompose, InkTarget::kCanvas, {}, {}, 0});
    }

    InkSurface& Canvas() override { return canvas_; }

    void RestoreSquare(PixelPoint topLeft, int32_t side) override {
        std::lock_guard lock(owner_.mutex_);
        canvas_.Note(InkOp::kRestoreSquare, std::span(&topLeft, 1), {}, side);
        if (!owner_.options_.rasterise) return;
        // Clipped to the picture, as a block copy is.
        const int64_t x0 = std::max<int64_t>(topLeft.x, 0);
        const int64_t y0 = std::max<int64_t>(topLeft.y, 0);
        const int64_t x1 =
            std::min<int64_t>(static_cast<int64_t>(topLeft.x) + side, background_.width);
        const int64_t y1 =
            std::min<int64_t>(static_cast<int64_t>(topLeft.y) + side, background_.height);
        for (int64_t y = y0; y < y1; ++y)
            for (int64_t x = x0; x < x1; ++x) {
                const auto xi = static_cast<int32_t>(x), yi = static_cast<int32_t>(y);
                canvasImage_.Ref(xi, yi) = background_.At(xi, yi);
            }
    }

    void Present() override {
        std::lock_guard lock(owner_.mutex_);
        canvas_.Note(InkOp::kPresent);
        if (owner_.options_.rasterise) owner_.screen_.pixels = canvasImage_.pixels;
    }

  private:
    SimInkCanvas& owner_;
    PixelImage canvasImage_;
    PixelImage background_;
    SimInkSurface canvas_;
};

SimInkCanvas::SimInkCanvas(int32_t width, int32_t height, uint32_t background,
                           SimInkOptions options)
    : options_(options), screen_(width, height, background) {}

std::unique_ptr<InkSurface> SimInkCanvas::OpenScreen() {
    std::lock_guard lock(mutex_);
    if (options_.failOpenScreen) return nullptr;
    ++openScreens_;
    Note({InkOp::kOpenScreen, InkTarget::kScreen, {}, {}, 0});
    return std::make_unique<SimInkSurface>(*this, screen_, InkTarget::kScreen);
}

std::unique_ptr<InkComposition> SimInkCanvas::Compose(InkSurface& /*screen*/) {
    std::lock_guard lock(mutex_);
    Note({InkOp::kCompose, InkTarget::kCanvas, {}, {}, 0});
    return std::make_unique<SimInkComposition>(*this);
}

void SimInkCanvas::Note(InkCall call) {
    ++counts_[static_cast<size_t>(call.op)];
    if (options_.record) calls_.push_back(std::move(call));
}

std::vector<InkCall> SimInkCanvas::Calls() const {
    std::lock_guard lock(mutex_);
    return calls_;
}

std::vector<InkCall> SimInkCanvas::CallsOf(InkOp op) const {
    std::lock_guard lock(mutex_);
    std::vector<InkCall> out;
    for (const InkCall& c : calls_)
        if (c.op == op) out.push_back(c);
    return out;
}

size_t SimInkCanvas::Count(InkOp op) const {
    std::lock_guard lock(mutex_);
    return counts_[static_cast<size_t>(op)];
}

void SimInkCanvas::ClearCalls() {
    std::lock_guard lock(mutex_);
    calls_.clear();
    counts_.fill(0);
}

int32_t SimInkCanvas::OpenScreens() const {
    std::lock_guard lock(mutex_);
    return openScreens_;
}

void SimInkCanvas::Fill(PixelRect area, uint32_t colour) {
    std::lock_guard lock(mutex_);
    const int32_t x0 = std::max(area.left, 0), x1 = std::min(area.right, screen_.width);
    const int32_t y0 = std::max(area.top, 0), y1 = std::min(area.bottom, screen_.height);
    for (int32_t y = y0; y < y1; ++y)
        for (int32_t x = x0; x < x1; ++x) screen_.Ref(x, y) = colour;
}

}  // namespace halvertone::sim
