#pragma once
// A dialog window from the program's resources, driven by the portable dialog logic through
// DialogView. Calls made from another thread (the calibration worker shows its messages in the
// projection-method dialog) are carried out on the window's own thread, where timers and the
// end of a modal dialog must be handled.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>

#include "base/shared_value.h"
#include "platform/dialog_view.h"

namespace halvertone {

class DialogWindow : public DialogView {
  public:
    DialogWindow() = default;
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;
    // Destroys a modeless window that is still open (on its own thread).
    ~DialogWindow() override;

    // The window while it exists, else null.
    HWND Handle() const { return hwnd_.load(); }

    void SetCaption(const std::string& text) override;
    void SetItemText(int id, const std::string& text) override;
    void CheckRadio(int first, int last, int checked) override;
    void ShowItem(int id, bool show) override;
    void Show(bool show) override;
    void StartTimer(int id, uint32_t ms) override;
    void KillTimer(int id) override;
    void End(int result) override;
    DialogSize ClientSize() const override;
    void MoveTo(int32_t x, int32_t y) override;
    void Resize(int32_t width, int32_t height) override;

  protected:
    // Runs dialog `templateId` modally and returns the result given to End (-1 when it could
    // not be created). `modalUiActive`, when given, is 1 from the opening until the dialog ends.
    INT_PTR RunModal(HINSTANCE resources, int templateId, HWND parent,
                     SharedValue<int32_t>* modalUiActive);
    // Creates dialog `templateId` modeless; false when it could not be created.
    bool CreateModeless(HINSTANCE resources, int templateId, HWND parent);

    virtual void OnInitDialog() = 0;
    // False when the initialisation placed the keyboard focus itself (or wants none moved).
    virtual bool FocusFirstControl() const { return true; }
    // WM_COMMAND from control `id` with notification `code`; Enter and Escape arrive as IDOK
    // and IDCANCEL, and nothing closes the dialog unless the handler ends it.
    virtual void OnCommand(int id, int code) = 0;
    virtual void OnTimer(int /*id*/) {}
    // Any other message (painting, sizing): true when handled, with the dialog result in
    // `result`.
    virtual bool OnMessage(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/, INT_PTR& /*result*/) {
        return false;
    }

  private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // Runs `f` on the window's thread and waits for it; nothing without a window.
    void OnOwnerThread(const std::function<void()>& f) const;
    // On the window's thread: runs and forgets the call queued under `ticket`, if any.
    void RunQueued(uint64_t ticket) const;

    std::atomic<HWND> hwnd_{nullptr};
    bool modal_ = false;
    bool ended_ = false;
    bool hiddenByLogic_ = false;  // Show(false) was the last word on visibility
    SharedValue<int32_t>* modalUiActive_ = nullptr;
    // Calls from other threads waiting to run on the window's thread, by ticket.
    mutable std::mutex queueMutex_;
    mutable uint64_t lastTicket_ = 0;
    mutable std::map<uint64_t, const std::function<void()>*> queued_;
};

}  // namespace halvertone
