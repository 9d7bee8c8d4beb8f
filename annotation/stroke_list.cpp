#include "annotation/stroke_list.h"

#include <new>
#include <utility>

namespace halvertone {

StrokeRef StrokeList::Add(StrokeEntry entry) {
    std::lock_guard lock(mutex_);
    try {
        entries_.push_back(std::move(entry));
    } catch (const std::bad_alloc&) {
        return {};
    }
    return {generation_, entries_.size() - 1};
}

int32_t StrokeList::AppendPoint(StrokeRef ref, StrokeKind kind, PixelPoint p) {
    std::lock_guard lock(mutex_);
    if (!ref || ref.generation != generation_ || ref.index >= entries_.size()) return 0;
    StrokeEntry& e = entries_[ref.index];
    if (e.Kind() != kind) return 0;
    std::vector<PixelPoint>& points = e.Points();
    try {
        points.push_back(p);
    } catch (const std::bad_alloc&) {
        return 0;  // the stroke keeps its earlier points
    }
    return static_cast<int32_t>(points.size());
}

void StrokeList::Free() {
    std::vector<StrokeEntry> dropped;
    {
        std::lock_guard lock(mutex_);
        if (entries_.empty()) return;
        dropped.swap(entries_);
        ++generation_;
    }
}

bool StrokeList::Empty() const {
    std::lock_guard lock(mutex_);
    return entries_.empty();
}

size_t StrokeList::Count() const {
    std::lock_guard lock(mutex_);
    return entries_.size();
}

std::vector<StrokeEntry> StrokeList::Entries() const {
    std::lock_guard lock(mutex_);
    return entries_;
}

}  // namespace halvertone
