#pragma once
// The stroke machinery wired to a screen, with a simulated toolbar and clock, as the main
// window wires it to the real ones. InkHarness draws on a simulated screen.
#include <cstdint>
#include <initializer_list>
#include <span>
#include <utility>

#include "annotation/capture_tool_drawing.h"
#include "annotation/live_stroke.h"
#include "annotation/pen_attributes.h"
#include "annotation/screen_context.h"
#include "annotation/stroke_recorder.h"
#include "annotation/stroke_redraw.h"
#include "base/settings.h"
#include "doubles/sim_ink_canvas.h"
#include "doubles/sim_ink_toolbar.h"
#include "doubles/virtual_clock.h"

namespace halvertone::testing {

inline constexpr uint32_t kWhite = 0x00FFFFFF;

// Canvas: any InkCanvas, constructed from the arguments given to the harness.
template <typename Canvas>
struct BasicInkHarness {
    template <typename... Args>
    explicit BasicInkHarness(Args&&... canvasArgs) : canvas(std::forward<Args>(canvasArgs)...) {}

    sim::VirtualClock clock;
    Canvas canvas;
    sim::SimInkToolbar toolbar{clock};
    ScreenContext screen{canvas};
    Settings settings;
    PenAttributes pen;
    StrokeLists lists;
    SharedValue<bool> cleanPending{false};
    SharedValue<bool> boardToggle{false};
    SharedValue<int32_t> drawingState{0};
    StrokeRecorder recorder{
        lists, cleanPending, toolbar,
        [this] { return CaptureToolDrawing(settings.captureToolFlag, boardToggle, drawingState); }};
    LiveStroke live{screen, pen, settings, recorder};
    StrokeRedraw redraw{screen, toolbar, clock};

    // What the pen mode does when the pen goes down at p: take the screen, begin the stroke,
    // draw the start dot and start the buffer at the dot's end. Returns that end.
    PixelPoint PenDown(PixelPoint p) {
        screen.Acquire(pen.highlighter, pen.Pen());
        recorder.RecordPenStroke(1, pen.colour, pen.width, pen.highlighter ? 1 : 0, p.x, p.y);
        live.DrawStrokePiece(p, p, true);
        live.Buffer().Reset();
        live.AddLivePoint(0, p.x, p.y);
        return p;
    }
    // A position while the pen is down: accepted ones are recorded.
    uint16_t Move(PixelPoint p) {
        const uint16_t r = live.AddLivePoint(0, p.x, p.y);
        if (r == kLiveAccepted) recorder.RecordPenStroke(2, 0, 0, 0, p.x, p.y);
        return r;
    }
    // Pen up after `last`, the last accepted position.
    void PenUp(PixelPoint last) {
        live.AddLivePoint(1, last.x, last.y);
        recorder.RecordPenStroke(3, 0, 0, 0, 0, 0);
        screen.Release();
    }
    // A whole stroke through the given positions, each one accepted or not.
    void Stroke(std::initializer_list<PixelPoint> points) {
        Stroke(std::span(points.begin(), points.size()));
    }
    void Stroke(std::span<const PixelPoint> points) {
        PixelPoint last{};
        bool down = false;
        for (PixelPoint p : points) {
            if (!down) {
                last = PenDown(p);
                down = true;
            } else if (Move(p) == kLiveAccepted) {
                last = p;
            }
        }
        if (down) PenUp(last);
    }
};

struct InkHarness : BasicInkHarness<sim::SimInkCanvas> {
    explicit InkHarness(int32_t w = 200, int32_t h = 150, sim::SimInkOptions options = {})
        : BasicInkHarness(w, h, kWhite, options) {}
};

}  // namespace halvertone::testing
