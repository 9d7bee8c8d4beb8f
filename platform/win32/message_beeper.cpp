#include "platform/win32/message_beeper.h"

#include <windows.h>

namespace halvertone {

void MessageBeeper::Beep() {
    MessageBeep(0xFFFFFFFF);
}

}  // namespace halvertone
