#include "calibration/check_environment_dialog.h"

namespace halvertone {

std::atomic<bool>& CheckEnvironmentFirstTickFlag() {
    static std::atomic<bool> flag{false};
    return flag;
}

CheckEnvironmentDialog::CheckEnvironmentDialog(DialogView& view, TextLookup text,
                                               CheckEnvironmentCounters counters,
                                               std::atomic<bool>& firstTick)
    : view_(view), text_(std::move(text)), counters_(std::move(counters)), firstTick_(firstTick) {}

void CheckEnvironmentDialog::OnInit() {
    if (text_)
        view_.SetItemText(kIdCheckEnvironmentLabel, text_("CheckEnv Dialog", "Wait-Message"));
    if (counters_.reset) counters_.reset();
    view_.Resize(1, 1);
    view_.StartTimer(kCheckEnvironmentTimer, 1);
}

void CheckEnvironmentDialog::OnTimer(int id) {
    if (id != kCheckEnvironmentTimer) return;
    view_.KillTimer(kCheckEnvironmentTimer);
    if (!firstTick_) {
        // The counting second starts now, with the dialog out of the camera's way.
        view_.Show(false);
        view_.StartTimer(kCheckEnvironmentTimer, 1000);
        firstTick_ = true;
        return;
    }
    const uint32_t bright = counters_.brightFrames ? counters_.brightFrames() : 0;
    view_.End(bright == 0 ? 1 : 0);
}

}  // namespace halvertone
