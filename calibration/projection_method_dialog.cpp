#include "calibration/projection_method_dialog.h"

#include "capture/camera_image_turn.h"

namespace halvertone {
namespace {

constexpr const char* kSection = "Calibration Msg";

}  // namespace

ProjectionMethodDialog::ProjectionMethodDialog(const CalibrationEnvironment& env,
                                               CalibrationState& state)
    : env_(env), state_(state) {}

void ProjectionMethodDialog::OnInit() {
    DialogView& view = env_.methodDialog;
    const DialogSize client = view.ClientSize();
    view.MoveTo(env_.screen.width / 2 - client.width / 2, env_.screen.height / 2 - client.height);
    CheckFlip(env_.profile.GetInt("SETTING", "Flip", 0));
    view.SetCaption(env_.Text(kSection, "Projection Method"));
    view.SetItemText(kIdDesktop, env_.Text(kSection, "desktop"));
    view.SetItemText(kIdCeiling, env_.Text(kSection, "ceiling"));
    view.SetItemText(kIdOk, env_.Text(kSection, "OK Button"));
    view.SetItemText(kIdCancel, env_.Text(kSection, "Cancel Button"));
}

void ProjectionMethodDialog::OnRadio(int id) {
    if (id == kIdDesktop) env_.settings.flip = 0;
    if (id == kIdCeiling) env_.settings.flip = 1;
}

void ProjectionMethodDialog::OnOk() {
    state_.startRequest = true;
    const int32_t flip = env_.settings.flip != 0 ? 1 : 0;
    env_.profile.WriteString("SETTING", "Flip", std::to_string(flip));
    env_.TurnCameraImage(CameraTurnValue(flip));
    env_.clock.SleepMs(600);  // the camera settles on its new picture
    RunCommand();
    env_.methodDialog.Show(false);
}

void ProjectionMethodDialog::OnCancel() {
    env_.methodDialog.Show(false);
}

void ProjectionMethodDialog::OnTimer(int id) {
    if (id != kRestartTimer) return;
    env_.methodDialog.KillTimer(kRestartTimer);
    env_.methodDialog.Show(false);
    RunCommand();
}

void ProjectionMethodDialog::ShowMessage(const std::string& text) {
    ShowChoices(true);
    env_.methodDialog.SetItemText(kIdCalibrationMessage, text);
    env_.methodDialog.Show(true);
}

void ProjectionMethodDialog::ShowRestartMessage(const std::string& text) {
    ShowChoices(false);
    env_.methodDialog.StartTimer(kRestartTimer, kRestartDelayMs);
    env_.methodDialog.SetItemText(kIdCalibrationMessage, text);
    env_.methodDialog.Show(true);
}

void ProjectionMethodDialog::CheckFlip(int32_t flip) {
    env_.methodDialog.CheckRadio(kIdDesktop, kIdCeiling, flip != 0 ? kIdCeiling : kIdDesktop);
}

void ProjectionMethodDialog::ShowChoices(bool show) {
    for (int id : {kIdDesktop, kIdCeiling, kIdOk, kIdCancel}) env_.methodDialog.ShowItem(id, show);
}

}  // namespace halvertone
