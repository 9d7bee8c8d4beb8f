#pragma once
// A dialog window as the portable dialog logic drives it: texts, radio buttons, visibility,
// timers, placement and the end of a modal dialog. Control ids are the dialog template's.
#include <cstdint>
#include <string>

namespace halvertone {

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;

struct DialogSize {
    int32_t width = 0;
    int32_t height = 0;
};

class DialogView {
  public:
    virtual ~DialogView() = default;
    virtual void SetCaption(const std::string& text) = 0;
    virtual void SetItemText(int id, const std::string& text) = 0;
    // Checks `checked` and clears the other radio buttons first..last (none when `checked` is
    // outside that range).
    virtual void CheckRadio(int first, int last, int checked) = 0;
    virtual void ShowItem(int id, bool show) = 0;
    virtual void Show(bool show) = 0;
    virtual void StartTimer(int id, uint32_t ms) = 0;
    virtual void KillTimer(int id) = 0;
    // Ends a modal dialog with `result`; a modeless one is only hidden by Show(false).
    virtual void End(int result) = 0;
    virtual DialogSize ClientSize() const = 0;
    virtual void MoveTo(int32_t x, int32_t y) = 0;           // size and z-order unchanged
    virtual void Resize(int32_t width, int32_t height) = 0;  // position and z-order unchanged
};

}  // namespace halvertone
