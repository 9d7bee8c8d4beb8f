#include "calibration/win32/preset_choice_window.h"

#include "resources/resource.h"

namespace halvertone {
namespace {

constexpr size_t kTextBuffer = 256;

int RunPresetDialog(const PresetChoiceConfig& config, int templateId,
                    const PresetDialogContext& context) {
    PresetChoiceWindow window(config, context.profile, context.text, context.apply);
    return window.Run(context.resources, templateId, context.parent, context.modalUiActive);
}

}  // namespace

PresetChoiceWindow::PresetChoiceWindow(const PresetChoiceConfig& config, ProfileStore& profile,
                                       TextLookup text, std::function<void()> apply)
    : logic_(config, *this, profile, WithTextBuffer(std::move(text), kTextBuffer),
             std::move(apply)) {}

int PresetChoiceWindow::Run(HINSTANCE resources, int templateId, HWND parent,
                            SharedValue<int32_t>* modalUiActive) {
    return static_cast<int>(RunModal(resources, templateId, parent, modalUiActive));
}

void PresetChoiceWindow::OnCommand(int id, int code) {
    if (id == IDOK) {
        logic_.OnOk();
    } else if (id == IDCANCEL) {
        logic_.OnCancel();
    } else if (code == BN_CLICKED) {
        logic_.OnRadio(id);  // ids other than the choices' are ignored there
    }
}

int RunProjectionDistanceDialog(const PresetDialogContext& context) {
    return RunPresetDialog(ProjectionDistanceConfig(), IDD_PROJECTION_DISTANCE, context);
}

int RunMouseModeDialog(const PresetDialogContext& context) {
    return RunPresetDialog(MouseModeConfig(), IDD_MOUSE_MODE, context);
}

}  // namespace halvertone
