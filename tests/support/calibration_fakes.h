#pragma once
// Recording stand-ins for the ports the calibration and its dialogs drive.
#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "calibration/tool_dispatch.h"
#include "platform/beeper.h"
#include "platform/dialog_view.h"
#include "platform/screen_repainter.h"

namespace halvertone::test {

class CountingBeeper final : public Beeper {
  public:
    void Beep() override { ++beeps; }
    std::atomic<int> beeps{0};
};

class RecordingRepainter final : public ScreenRepainter {
  public:
    void RepaintAll(bool erase) override { ++(erase ? erasing : plain); }
    std::atomic<int> erasing{0};
    std::atomic<int> plain{0};
};

// The four dispatch flags as plain atomics, and the calibration workers a run asked for.
class FakeToolDispatch final : public ToolDispatch {
  public:
    bool CalibrationDispatched() const override { return calibration; }
    void DispatchCalibration() override {
        calibration = true;
        mouse = pen = eraser = false;
    }
    void ClearCalibrationDispatch() override { calibration = false; }
    void StartCalibrationWorker() override {
        ++workersStarted;
        if (onStartWorker) onStartWorker();
    }
    void ClearPenDown() override { penDown = false; }

    std::atomic<bool> mouse{true};
    std::atomic<bool> pen{false};
    std::atomic<bool> eraser{false};
    std::atomic<bool> calibration{false};
    std::atomic<bool> penDown{true};
    std::atomic<int> workersStarted{0};
    std::function<void()> onStartWorker;
};

// Keeps the dialog's visible state and a log of every call.
class RecordingDialogView final : public DialogView {
  public:
    void SetCaption(const std::string& text) override { Log("caption " + text); }
    void SetItemText(int id, const std::string& text) override {
        std::lock_guard lock(mutex_);
        texts_[id] = text;
        log_.push_back("text " + std::to_string(id) + " " + text);
    }
    void CheckRadio(int first, int last, int checked) override {
        std::lock_guard lock(mutex_);
        for (int id = first; id <= last; ++id) checked_[id] = id == checked;
        log_.push_back("radio " + std::to_string(checked));
    }
    void ShowItem(int id, bool show) override {
        std::lock_guard lock(mutex_);
        hidden_[id] = !show;
    }
    void Show(bool show) override {
        std::lock_guard lock(mutex_);
        visible_ = show;
        log_.push_back(show ? "show" : "hide");
    }
    void StartTimer(int id, uint32_t ms) override {
        Log("timer " + std::to_string(id) + " " + std::to_string(ms));
    }
    void KillTimer(int id) override { Log("kill " + std::to_string(id)); }
    void End(int result) override { Log("end " + std::to_string(result)); }
    DialogSize ClientSize() const override { return {300, 140}; }
    void MoveTo(int32_t x, int32_t y) override {
        Log("move " + std::to_string(x) + " " + std::to_string(y));
    }
    void Resize(int32_t w, int32_t h) override {
        Log("resize " + std::to_string(w) + " " + std::to_string(h));
    }

    std::vector<std::string> Log() const {
        std::lock_guard lock(mutex_);
        return log_;
    }
    void ClearLog() {
        std::lock_guard lock(mutex_);
        log_.clear();
    }
    bool Visible() const {
        std::lock_guard lock(mutex_);
        return visible_;
    }
    bool Checked(int id) const {
        std::lock_guard lock(mutex_);
        auto it = checked_.find(id);
        return it != checked_.end() && it->second;
    }
    bool ItemHidden(int id) const {
        std::lock_guard lock(mutex_);
        auto it = hidden_.find(id);
        return it != hidden_.end() && it->second;
    }
    std::string Text(int id) const {
        std::lock_guard lock(mutex_);
        auto it = texts_.find(id);
        return it == texts_.end() ? std::string() : it->second;
    }

  private:
    void Log(const std::string& entry) {
        std::lock_guard lock(mutex_);
        log_.push_back(entry);
    }

    mutable std::mutex mutex_;
    std::vector<std::string> log_;
    std::map<int, std::string> texts_;
    std::map<int, bool> checked_;
    std::map<int, bool> hidden_;
    bool visible_ = false;
};

// Texts as "section/key", so a test sees which entry was asked for.
inline std::string KeyText(const std::string& section, const std::string& key) {
    return section + "/" + key;
}

}  // namespace halvertone::test
