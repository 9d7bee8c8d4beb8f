#pragma once
// The tray menu's camera items, "Camera..." and "Camera view", placed before the projection
// distance item. An item whose text the language file lacks is left out.
#include <windows.h>

#include "platform/profile_store.h"

namespace halvertone {

void AddCameraTrayItems(HMENU trayMenu, ProfileStore& language);

}  // namespace halvertone
