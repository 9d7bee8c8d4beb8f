#pragma once
// Drives a dialog from the test thread: thread timers fire inside whatever message loop runs
// there, the dialog's own modal loop included. The steps run one per tick once the dialog has
// a window; a watchdog ends a modal dialog that is still open after the time limit, so no
// test hangs.
#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "message_pump.h"
#include "platform/win32/dialog_window.h"

namespace halvertone::testing {

class ModalScript {
  public:
    using Step = std::function<void(HWND dialog)>;

    // `dialog` gives the dialog's window, or null while there is none.
    ModalScript(std::function<HWND()> dialog, std::vector<Step> steps, DWORD limitMs = 10000)
        : dialog_(std::move(dialog)),
          steps_(std::move(steps)),
          limitMs_(limitMs),
          start_(GetTickCount()) {
        active_ = this;
        timer_ = SetTimer(nullptr, 0, kTickMs, Tick);
    }
    ModalScript(const DialogWindow& window, std::vector<Step> steps, DWORD limitMs = 10000)
        : ModalScript([&window] { return window.Handle(); }, std::move(steps), limitMs) {}
    ~ModalScript() {
        KillTimer(nullptr, timer_);
        active_ = nullptr;
    }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    bool TimedOut() const { return timedOut_; }
    bool AllStepsRan() const { return next_ == steps_.size(); }

    // A watchdog-ended dialog returns this.
    static constexpr INT_PTR kWatchdogResult = -2;

  private:
    static constexpr UINT kTickMs = 50;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        ModalScript* self = active_;
        if (self == nullptr) return;
        HWND dialog = self->dialog_();
        if (GetTickCount() - self->start_ > self->limitMs_) {
            self->timedOut_ = true;
            KillTimer(nullptr, self->timer_);
            if (dialog != nullptr) EndDialog(dialog, kWatchdogResult);
            return;
        }
        if (dialog == nullptr || self->next_ >= self->steps_.size()) return;
        self->steps_[self->next_++](dialog);
    }

    static inline ModalScript* active_ = nullptr;

    std::function<HWND()> dialog_;
    std::vector<Step> steps_;
    size_t next_ = 0;
    DWORD limitMs_;
    DWORD start_;
    UINT_PTR timer_ = 0;
    bool timedOut_ = false;
};

// The dialog window of this thread that holds control `controlId`, or null.
inline HWND ThreadDialogWith(int controlId) {
    struct Search {
        int id;
        HWND found;
    } search{controlId, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            if (GetDlgItem(h, s->id) == nullptr) return TRUE;
            s->found = h;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace halvertone::testing
