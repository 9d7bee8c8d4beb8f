#pragma once
// A value that one thread writes while others read it without a lock (settings reloaded
// under running workers, flags polled between frames). Whole-value, relaxed atomic access;
// copyable so that records holding such values stay plain structs.
#include <atomic>

namespace halvertone {

template <typename T>
class SharedValue {
  public:
    SharedValue() = default;
    SharedValue(T v) : v_(v) {}  // NOLINT(google-explicit-constructor): reads like a plain field
    SharedValue(const SharedValue& o) : v_(o.load()) {}
    SharedValue& operator=(const SharedValue& o) {
        store(o.load());
        return *this;
    }
    SharedValue& operator=(T v) {
        store(v);
        return *this;
    }
    operator T() const { return load(); }  // NOLINT(google-explicit-constructor)
    T load() const { return v_.load(std::memory_order_relaxed); }
    void store(T v) { v_.store(v, std::memory_order_relaxed); }
    T exchange(T v) { return v_.exchange(v, std::memory_order_relaxed); }

  private:
    std::atomic<T> v_{};
};

}  // namespace halvertone
