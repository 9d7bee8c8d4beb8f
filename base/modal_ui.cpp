#include "base/modal_ui.h"

namespace halvertone {

SharedValue<int>& ModalUiActive() {
    static SharedValue<int> flag{0};
    return flag;
}

SharedValue<int>& ExitWithoutAsking() {
    static SharedValue<int> flag{0};
    return flag;
}

}  // namespace halvertone
