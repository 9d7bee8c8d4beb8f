#pragma once
// Process-wide flags of the shell: `ModalUiActive` (a modal dialog, a popup menu or the exit
// confirmation is up; the toolbar's stay-on-top timer pauses meanwhile) and
// `ExitWithoutAsking` (the Exit command skips its confirmation).
#include "base/shared_value.h"

namespace halvertone {

SharedValue<int>& ModalUiActive();
SharedValue<int>& ExitWithoutAsking();

}  // namespace halvertone
