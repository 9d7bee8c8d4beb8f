#pragma once
// A record of pen and eraser strokes, oldest first. The worker of the pen or eraser tool
// appends to it while the interface thread redraws or frees it, so every access goes through
// the list's own lock; a redraw visits the entries under that lock and so never sees a stroke
// half grown or a list half freed.
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

#include "annotation/stroke_records.h"

namespace halvertone {

// Names one stroke of a list for as long as the list is not freed.
struct StrokeRef {
    uint64_t generation = 0;  // 0: no stroke
    size_t index = 0;
    explicit operator bool() const { return generation != 0; }
};

class StrokeList {
  public:
    // Adds an entry after the newest; an empty ref when it could not be stored.
    StrokeRef Add(StrokeEntry entry);
    // Appends a point to the stroke `ref` names when that stroke is still in the list and of
    // the given kind. Returns the stroke's new point count; 0 when the stroke is gone (the
    // list was freed since) or the point could not be stored.
    int32_t AppendPoint(StrokeRef ref, StrokeKind kind, PixelPoint p);
    // Drops every stroke; refs given out before name nothing afterwards.
    void Free();

    // A list without strokes is one that does not exist yet (or any more).
    bool Empty() const;
    size_t Count() const;
    // Calls f(const StrokeEntry&) for every entry, oldest first, holding the lock: f must not
    // use this list.
    template <typename F>
    void Visit(F&& f) const {
        std::lock_guard lock(mutex_);
        for (const StrokeEntry& e : entries_) f(e);
    }
    std::vector<StrokeEntry> Entries() const;

  private:
    mutable std::mutex mutex_;
    std::vector<StrokeEntry> entries_;
    uint64_t generation_ = 1;
};

// Frees every stroke of the list; nothing happens to an empty one.
inline void FreeStrokeList(StrokeList& list) {
    list.Free();
}

}  // namespace halvertone
