#include "calibration/win32/check_environment_window.h"

namespace halvertone {
namespace {

constexpr size_t kTextBuffer = 300;

}  // namespace

CheckEnvironmentWindow::CheckEnvironmentWindow(TextLookup text, CheckEnvironmentCounters counters,
                                               std::atomic<bool>& firstTick)
    : logic_(*this, WithTextBuffer(std::move(text), kTextBuffer), std::move(counters), firstTick) {}

int CheckEnvironmentWindow::Run(HINSTANCE resources, HWND parent,
                                SharedValue<int32_t>* modalUiActive) {
    return static_cast<int>(RunModal(resources, IDD_CHECK_ENVIRONMENT, parent, modalUiActive));
}

void CheckEnvironmentWindow::OnCommand(int id, int /*code*/) {
    if (id == IDOK) logic_.OnOk();
    if (id == IDCANCEL) logic_.OnCancel();
}

}  // namespace halvertone
