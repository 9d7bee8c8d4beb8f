// One broken component library, chosen at build time: the entry missing (BROKEN_NO_ENTRY),
// an empty table (BROKEN_NULL_TABLE) or a table whose acceptance call says no
// (BROKEN_REJECT: the version test rejects, the stroke library's registration fails).
#include <windows.h>

#include "kits/kit_table.h"

namespace {

using namespace halvertone::kits;

int RejectVersion(const KitVersion*) {
    return 1;
}
int FailRegistration() {
    return 0;
}

KitFunction* Table() {
    static auto table = StubTable<shared_kit::kTableSize>();
#if defined(KIT_SHARED)
    table[shared_kit::kVersionTest] = AsEntry(&RejectVersion);
#elif defined(KIT_PICTURE)
    table[picture_kit::kVersionTest] = AsEntry(&RejectVersion);
#else
    table[stroke_kit::kRegister] = AsEntry(&FailRegistration);
#endif
    return table.data();
}

}  // namespace

#if defined(BROKEN_NO_ENTRY)
extern "C" __declspec(dllexport) KitFunction* NotTheEntry() {
    return Table();
}
#elif defined(KIT_STROKE)
extern "C" __declspec(dllexport) KitFunction* KIT_ENTRY(int) {
#if defined(BROKEN_NULL_TABLE)
    return nullptr;
#else
    return Table();
#endif
}
#else
extern "C" __declspec(dllexport) KitFunction* KIT_ENTRY() {
#if defined(BROKEN_NULL_TABLE)
    return nullptr;
#else
    return Table();
#endif
}
#endif
