#include "shell/win32/camera_tray_items.h"

#include "resources/resource.h"
#include "shell/text_table.h"

namespace halvertone {

void AddCameraTrayItems(HMENU trayMenu, ProfileStore& language) {
    if (!trayMenu) return;
    const std::string choice = ReadText(language, TextId::kMenuCamera);
    const std::string view = ReadText(language, TextId::kMenuCameraView);
    // Inserting before an item by its command id keeps the order whatever else was inserted.
    if (!choice.empty())
        InsertMenuA(trayMenu, ID_PROJECTION_DISTANCE, MF_BYCOMMAND | MF_STRING, ID_CAMERA_CHOICE,
                    choice.c_str());
    if (!view.empty())
        InsertMenuA(trayMenu, ID_PROJECTION_DISTANCE, MF_BYCOMMAND | MF_STRING, ID_CAMERA_VIEW,
                    view.c_str());
}

}  // namespace halvertone
