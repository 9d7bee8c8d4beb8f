#include "platform/win32/send_input_sink.h"

#include <windows.h>

namespace halvertone::win32 {

void SendInputSink::Send(const MouseRecord& record) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = record.dx;
    in.mi.dy = record.dy;
    in.mi.mouseData = 0;
    in.mi.dwFlags = record.flags;
    in.mi.time = 0;
    // Read just before the send, as the message the input answers carries it.
    in.mi.dwExtraInfo = static_cast<ULONG_PTR>(GetMessageExtraInfo());
    SendInput(1, &in, sizeof(INPUT));  // a rejected event is simply lost
}

}  // namespace halvertone::win32
