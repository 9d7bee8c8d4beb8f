#pragma once
// Everything the calibration procedure and the projection-method dialog work against: the
// settings record, the screen, the settings file, the clock, the frame ring and the ports to
// the screen, the dialog and the tool workers.
#include <cstdint>
#include <functional>

#include "base/screen_metrics.h"
#include "base/settings.h"
#include "calibration/target_painter.h"
#include "calibration/text_lookup.h"
#include "calibration/tool_dispatch.h"
#include "capture/frame_ring.h"
#include "platform/beeper.h"
#include "platform/clock.h"
#include "platform/dialog_view.h"
#include "platform/profile_store.h"
#include "platform/screen_repainter.h"

namespace halvertone {

struct CalibrationHooks {
    // The table construction with the post-calibration step (extension and save).
    std::function<void()> buildTable;
    // Writes the image-turn value to the camera (or turns the frames for a camera without it).
    std::function<void(uint8_t value)> turnCameraImage;
    TextLookup text;
};

struct CalibrationEnvironment {
    Settings& settings;
    ScreenMetrics& screen;
    ProfileStore& profile;  // "Setting.ini"
    Clock& clock;
    FrameRing& ring;
    TargetPainter& painter;
    Beeper& beeper;
    ScreenRepainter& repainter;
    DialogView& methodDialog;  // the projection-method dialog, also the calibration's messages
    ToolDispatch& dispatch;
    CalibrationHooks hooks;

    std::string Text(const std::string& section, const std::string& key) const {
        return hooks.text ? hooks.text(section, key) : std::string();
    }
    void TurnCameraImage(uint8_t value) const {
        if (hooks.turnCameraImage) hooks.turnCameraImage(value);
    }
};

}  // namespace halvertone
