#pragma once
// What the three libraries share: a table whose unused entries are harmless, and the
// version acceptance.
#include <array>

#include "platform/win32/kit_interface.h"

namespace halvertone::kits {

inline void UnusedEntry() {}

template <size_t N>
std::array<KitFunction, N> StubTable() {
    std::array<KitFunction, N> table;
    table.fill(&UnusedEntry);
    return table;
}

template <typename Fn>
KitFunction AsEntry(Fn fn) {
    return reinterpret_cast<KitFunction>(fn);
}

// 0 (accepted) when the caller wants this major version and nothing newer than ours.
inline int AcceptVersion(const KitVersion* wanted, const KitVersion& own) {
    if (!wanted || wanted->words[0] != own.words[0]) return 1;
    for (int i = 1; i < 4; ++i) {
        if (wanted->words[i] < own.words[i]) return 0;
        if (wanted->words[i] > own.words[i]) return 1;
    }
    return 0;
}

}  // namespace halvertone::kits
