#pragma once
// The full redraw of a stroke list: the picture is composed off-screen over two snapshots of
// the display, oldest stroke first, and put on the screen in one copy. Eraser strokes copy the
// snapshot back over what the strokes before them drew; later strokes paint over again.
#include "annotation/screen_context.h"
#include "annotation/stroke_list.h"
#include "base/shared_value.h"
#include "platform/clock.h"
#include "annotation/ink_canvas.h"
#include "annotation/ink_toolbar.h"

namespace halvertone {

inline constexpr uint32_t kToolbarReshowMs = 50;

class StrokeRedraw {
  public:
    StrokeRedraw(ScreenContext& screen, InkToolbar& toolbar, Clock& clock);

    // Repaints the screen with every stroke of `list`, then (with ReshowToolbarAfterRedraw)
    // hides the toolbar and shows it again 50 ms later so it sits on top of the new picture.
    // Returns false at once, doing nothing, while another redraw runs.
    bool RedrawStrokes(const StrokeList& list);

    // Set by default; the toolbar's handlers that hide and show the toolbar themselves clear
    // it around their redraw.
    SharedValue<bool> ReshowToolbarAfterRedraw{true};
    SharedValue<bool> RedrawBusy{false};

  private:
    ScreenContext& screen_;
    InkToolbar& toolbar_;
    Clock& clock_;
};

// Paints one recorded stroke on a composition: a pen stroke on its canvas, an eraser stroke
// by restoring the background under each of its squares.
void PaintStroke(InkComposition& composition, const StrokeEntry& entry);

}  // namespace halvertone
