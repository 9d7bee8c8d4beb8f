#include "doubles/fake_toolbar.h"

namespace halvertone::sim {

void FakeToolbar::SideCommand(int32_t code) {
    {
        std::lock_guard lock(mutex_);
        sideCommands_.push_back(code);
    }
    if (onSideCommand) onSideCommand(code);
}

void FakeToolbar::SelectTool(int32_t id) {
    {
        std::lock_guard lock(mutex_);
        selectedTools_.push_back(id);
    }
    if (onSelectTool) onSelectTool(id);
}

std::vector<int32_t> FakeToolbar::SideCommands() const {
    std::lock_guard lock(mutex_);
    return sideCommands_;
}

std::vector<int32_t> FakeToolbar::SelectedTools() const {
    std::lock_guard lock(mutex_);
    return selectedTools_;
}

}  // namespace halvertone::sim
