#pragma once
// The live virtual pen shared between a driving process (a scripted lesson, a soak) and the
// virtual webcam: a small named file mapping holding one pen word. The driver creates it
// before it starts the program; without it the live pen stays up.
#include <windows.h>

#include <cstdint>

#include "simulator/pen_script.h"

namespace halvertone {

inline constexpr char kLivePenMappingName[] = "Halvertone Live Pen";

class LivePenMapping {
  public:
    // `create`: the driver's side; otherwise the camera opens an existing mapping.
    explicit LivePenMapping(bool create);
    ~LivePenMapping();
    LivePenMapping(const LivePenMapping&) = delete;
    LivePenMapping& operator=(const LivePenMapping&) = delete;

    bool Open() const { return word_ != nullptr; }
    void Set(bool down, int32_t x, int32_t y);
    sim::PenSample Get() const;

  private:
    HANDLE mapping_ = nullptr;
    volatile LONG64* word_ = nullptr;
};

}  // namespace halvertone
