#pragma once
// A screen in memory for tests, replays and benchmarks: records every drawing call in order
// and paints the pieces into a picture (see ink_raster.h). The anti-aliased calls copy their
// colour whatever the raster operation; the stroke library's calls draw with the selected GDI
// pen (black, 1 pixel, when none is) through the raster operation.
#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "annotation/ink_canvas.h"
#include "simulator/pixel_image.h"

namespace halvertone::sim {

enum class InkOp {
    kOpenScreen,
    kCloseScreen,
    kBeziers,
    kCardinalCurve,
    kTautCurve,
    kUsePen,
    kRestorePen,
    kSetRasterOp,
    kStrokeSegment,
    kStrokePolyline,
    kCompose,
    kRestoreSquare,
    kPresent,
    kEndCompose,
};
inline constexpr size_t kInkOpCount = static_cast<size_t>(InkOp::kEndCompose) + 1;

enum class InkTarget { kScreen, kCanvas };

struct InkCall {
    InkOp op = InkOp::kOpenScreen;
    InkTarget target = InkTarget::kScreen;
    std::vector<PixelPoint> points;  // as passed (a segment: from, then the end it returned)
    InkPen pen;                      // drawing calls and UsePen
    int32_t value = 0;               // SetRasterOp: the new operation; RestoreSquare: the side
};

// One line per call, e.g. "beziers 4 10 10 12 13 14 16 17 19" or "curve2 11 11 10 10".
std::string Describe(const InkCall& call);

struct SimInkOptions {
    bool record = true;                // keep the calls (counts are always kept)
    bool rasterise = true;             // paint the pieces
    PixelPoint segmentEndShift{0, 0};  // how the stroke library moves a segment's end
    bool failOpenScreen = false;
};

class SimInkCanvas final : public InkCanvas {
  public:
    SimInkCanvas(int32_t width, int32_t height, uint32_t background = 0x00FFFFFF,
                 SimInkOptions options = {});

    std::unique_ptr<InkSurface> OpenScreen() override;
    std::unique_ptr<InkComposition> Compose(InkSurface& screen) override;

    // Not to be called while drawing goes on in another thread.
    PixelImage& Screen() { return screen_; }
    const PixelImage& Screen() const { return screen_; }
    SimInkOptions& Options() { return options_; }

    std::vector<InkCall> Calls() const;
    std::vector<InkCall> CallsOf(InkOp op) const;
    size_t Count(InkOp op) const;
    void ClearCalls();
    // Screen contexts taken and not yet given back.
    int32_t OpenScreens() const;

    // Paints a rectangle of the screen in one colour, as a window painting itself would
    // (clipped to the screen; not a drawing call, so not recorded).
    void Fill(PixelRect area, uint32_t colour);

  private:
    friend class SimInkSurface;
    friend class SimInkComposition;
    void Note(InkCall call);

    SimInkOptions options_;
    PixelImage screen_;
    mutable std::mutex mutex_;  // every surface works under it
    std::vector<InkCall> calls_;
    std::array<size_t, kInkOpCount> counts_{};
    int32_t openScreens_ = 0;
};

}  // namespace halvertone::sim
