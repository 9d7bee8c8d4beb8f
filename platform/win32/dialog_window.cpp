#include "platform/win32/dialog_window.h"

namespace halvertone {
namespace {

// Asks the window's thread to run the queued call whose ticket is in wParam. The message
// carries no pointer: any program on the desktop can send it, and an unknown ticket (or one
// already run) does nothing.
constexpr UINT kRunOnOwnerThread = WM_APP + 0x2F1;

}  // namespace

DialogWindow::~DialogWindow() {
    HWND hwnd = hwnd_.load();
    if (hwnd != nullptr && !modal_) DestroyWindow(hwnd);
}

INT_PTR DialogWindow::RunModal(HINSTANCE resources, int templateId, HWND parent,
                               SharedValue<int32_t>* modalUiActive) {
    modal_ = true;
    ended_ = false;
    modalUiActive_ = modalUiActive;
    if (modalUiActive_ != nullptr) *modalUiActive_ = 1;
    const INT_PTR result = DialogBoxParamA(resources, MAKEINTRESOURCEA(templateId), parent, Proc,
                                           reinterpret_cast<LPARAM>(this));
    // A dialog that went away without End (its owner destroyed) still closes the flag.
    if (!ended_ && modalUiActive_ != nullptr) *modalUiActive_ = 0;
    modalUiActive_ = nullptr;
    return result;
}

bool DialogWindow::CreateModeless(HINSTANCE resources, int templateId, HWND parent) {
    modal_ = false;
    return CreateDialogParamA(resources, MAKEINTRESOURCEA(templateId), parent, Proc,
                              reinterpret_cast<LPARAM>(this)) != nullptr;
}

INT_PTR CALLBACK DialogWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<DialogWindow*>(lp);
        SetWindowLongPtrA(hwnd, DWLP_USER, lp);
        self->hwnd_ = hwnd;
        self->OnInitDialog();
        return self->FocusFirstControl() ? TRUE : FALSE;
    }
    auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (self == nullptr) return FALSE;
    switch (msg) {
        case WM_COMMAND:
            self->OnCommand(LOWORD(wp), HIWORD(wp));
            return TRUE;
        case WM_TIMER:
            self->OnTimer(static_cast<int>(wp));
            return TRUE;
        case WM_WINDOWPOSCHANGING:
            // A modal loop shows its dialog when it first runs out of messages; a dialog the
            // logic has hidden by then stays hidden.
            if (self->hiddenByLogic_) reinterpret_cast<WINDOWPOS*>(lp)->flags &= ~SWP_SHOWWINDOW;
            return FALSE;
        case kRunOnOwnerThread:
            self->RunQueued(static_cast<uint64_t>(wp));
            return TRUE;
        case WM_NCDESTROY:
            self->hwnd_ = nullptr;
            return FALSE;
        default: {
            INT_PTR result = FALSE;
            return self->OnMessage(msg, wp, lp, result) ? result : FALSE;
        }
    }
}

void DialogWindow::OnOwnerThread(const std::function<void()>& f) const {
    HWND hwnd = hwnd_.load();
    if (hwnd == nullptr) return;
    if (GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId()) {
        f();
        return;
    }
    uint64_t ticket = 0;
    {
        std::lock_guard<std::mutex> lock(queueMutex_);
        ticket = ++lastTicket_;
        queued_.emplace(ticket, &f);
    }
    SendMessageA(hwnd, kRunOnOwnerThread, static_cast<WPARAM>(ticket), 0);
    // A window destroyed before it ran the call must not run it later, once `f` is gone.
    std::lock_guard<std::mutex> lock(queueMutex_);
    queued_.erase(ticket);
}

void DialogWindow::RunQueued(uint64_t ticket) const {
    const std::function<void()>* f = nullptr;
    {
        std::lock_guard<std::mutex> lock(queueMutex_);
        const auto it = queued_.find(ticket);
        if (it == queued_.end()) return;
        f = it->second;
        queued_.erase(it);
    }
    (*f)();
}

void DialogWindow::SetCaption(const std::string& text) {
    OnOwnerThread([&] { SetWindowTextA(hwnd_.load(), text.c_str()); });
}

void DialogWindow::SetItemText(int id, const std::string& text) {
    OnOwnerThread([&] { SetDlgItemTextA(hwnd_.load(), id, text.c_str()); });
}

void DialogWindow::CheckRadio(int first, int last, int checked) {
    OnOwnerThread([&] {
        HWND hwnd = hwnd_.load();
        if (checked >= first && checked <= last) {
            CheckRadioButton(hwnd, first, last, checked);
            return;
        }
        for (int id = first; id <= last; ++id) CheckDlgButton(hwnd, id, BST_UNCHECKED);
    });
}

void DialogWindow::ShowItem(int id, bool show) {
    OnOwnerThread([&] { ShowWindow(GetDlgItem(hwnd_.load(), id), show ? SW_SHOW : SW_HIDE); });
}

void DialogWindow::Show(bool show) {
    OnOwnerThread([&] {
        hiddenByLogic_ = !show;
        ShowWindow(hwnd_.load(), show ? SW_SHOW : SW_HIDE);
    });
}

void DialogWindow::StartTimer(int id, uint32_t ms) {
    OnOwnerThread([&] { SetTimer(hwnd_.load(), static_cast<UINT_PTR>(id), ms, nullptr); });
}

void DialogWindow::KillTimer(int id) {
    OnOwnerThread([&] { ::KillTimer(hwnd_.load(), static_cast<UINT_PTR>(id)); });
}

void DialogWindow::End(int result) {
    OnOwnerThread([&] {
        if (!modal_) {
            ShowWindow(hwnd_.load(), SW_HIDE);
            return;
        }
        EndDialog(hwnd_.load(), result);
        ended_ = true;
        if (modalUiActive_ != nullptr) *modalUiActive_ = 0;
    });
}

DialogSize DialogWindow::ClientSize() const {
    RECT r{};
    OnOwnerThread([&] { GetClientRect(hwnd_.load(), &r); });
    return {r.right - r.left, r.bottom - r.top};
}

void DialogWindow::MoveTo(int32_t x, int32_t y) {
    OnOwnerThread([&] {
        SetWindowPos(hwnd_.load(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
}

void DialogWindow::Resize(int32_t width, int32_t height) {
    OnOwnerThread([&] {
        SetWindowPos(hwnd_.load(), nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
}

}  // namespace halvertone
