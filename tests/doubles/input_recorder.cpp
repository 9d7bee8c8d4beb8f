#include "doubles/input_recorder.h"

namespace halvertone::sim {

void InputRecorder::Send(const MouseRecord& record) {
    const TimedRecord timed{clock_.NowMs(), record};
    {
        std::lock_guard lock(mutex_);
        records_.push_back(timed);
    }
    cursor_.Follow(record, screen_.width, screen_.height);
    if (onSend) onSend(timed);
}

std::vector<TimedRecord> InputRecorder::Records() const {
    std::lock_guard lock(mutex_);
    return records_;
}

std::vector<MouseRecord> InputRecorder::Plain() const {
    std::lock_guard lock(mutex_);
    std::vector<MouseRecord> out;
    out.reserve(records_.size());
    for (const auto& r : records_) out.push_back(r.record);
    return out;
}

void InputRecorder::Clear() {
    std::lock_guard lock(mutex_);
    records_.clear();
}

}  // namespace halvertone::sim
