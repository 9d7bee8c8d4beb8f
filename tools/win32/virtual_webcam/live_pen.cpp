#include "tools/win32/virtual_webcam/live_pen.h"

#include "simulator/live_pen_word.h"

namespace halvertone {

LivePenMapping::LivePenMapping(bool create) {
    mapping_ = create ? CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                           sizeof(LONG64), kLivePenMappingName)
                      : OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, kLivePenMappingName);
    if (!mapping_) return;
    word_ = static_cast<volatile LONG64*>(
        MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(LONG64)));
    if (word_ && create) Set(false, 0, 0);
}

LivePenMapping::~LivePenMapping() {
    if (word_) UnmapViewOfFile(const_cast<LONG64*>(word_));
    if (mapping_) CloseHandle(mapping_);
}

void LivePenMapping::Set(bool down, int32_t x, int32_t y) {
    if (word_) InterlockedExchange64(word_, static_cast<LONG64>(sim::PackLivePen(down, x, y)));
}

sim::PenSample LivePenMapping::Get() const {
    if (!word_) return {};
    return sim::UnpackLivePen(static_cast<uint64_t>(InterlockedCompareExchange64(word_, 0, 0)));
}

}  // namespace halvertone
