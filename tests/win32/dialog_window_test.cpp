// The dialog window under the portable logic: a dialog hidden by its logic stays hidden when
// its modal loop first goes idle, End gives the modal result, and calls made from another
// thread reach the window while its modal loop runs.
#include <windows.h>
// windows.h first
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "modal_script.h"
#include "platform/win32/dialog_window.h"
#include "resource_module.h"
#include "resources/resource.h"

namespace halvertone {
namespace {

// Dialog 189 with a logic that hides it at once, as the check-environment dialog does.
class HidingDialog final : public DialogWindow {
  public:
    int Run() {
        return static_cast<int>(
            RunModal(testing::ResourceModule(), IDD_PROJECTION_DISTANCE, nullptr, nullptr));
    }

  private:
    void OnInitDialog() override { Show(false); }
    void OnCommand(int, int) override {}
};

TEST(DialogWindow, AHiddenModalDialogStaysHiddenAndOtherThreadsReachIt) {
    HidingDialog dialog;
    bool visibleWhileIdle = true;
    std::atomic<bool> workerDone{false};
    std::thread worker;
    char label[64] = {};
    bool checkedFromWorker = false;
    testing::ModalScript script(dialog,
                                {[&](HWND) {
                                     visibleWhileIdle = IsWindowVisible(dialog.Handle()) != 0;
                                     worker = std::thread([&] {
                                         dialog.SetItemText(1092, "from the worker");
                                         dialog.CheckRadio(1093, 1095, 1094);
                                         workerDone = true;
                                     });
                                 },
                                 [&](HWND d) {
                                     if (!workerDone)
                                         return;  // the watchdog ends a test that stalls here
                                     GetDlgItemTextA(d, 1092, label, sizeof label);
                                     checkedFromWorker = IsDlgButtonChecked(d, 1094) == BST_CHECKED;
                                     dialog.CheckRadio(1093, 1095, 0);  // no choice: all clear
                                     dialog.End(7);
                                 }});
    const int result = dialog.Run();
    if (worker.joinable()) worker.join();
    ASSERT_FALSE(script.TimedOut());
    EXPECT_EQ(result, 7);
    EXPECT_FALSE(visibleWhileIdle);
    EXPECT_STREQ(label, "from the worker");
    EXPECT_TRUE(checkedFromWorker);
    EXPECT_EQ(dialog.Handle(), nullptr) << "the window is gone after the modal loop";
}

// Any program on the desktop can send the window private messages with whatever parameters:
// none of them may run code of its choosing.
TEST(DialogWindow, PrivateMessagesFromOutsideDoNothing) {
    HidingDialog dialog;
    testing::ModalScript script(dialog, {[&](HWND d) {
                                             std::thread([d] {
                                                 for (UINT m = WM_APP; m < WM_APP + 0x400; ++m)
                                                     PostMessageA(d, m, m - WM_APP, 0x10);
                                             }).join();
                                         },
                                         [&](HWND) { dialog.End(3); }});
    EXPECT_EQ(dialog.Run(), 3) << "the posted messages are handled before the next tick";
    EXPECT_FALSE(script.TimedOut());
}

}  // namespace
}  // namespace halvertone
