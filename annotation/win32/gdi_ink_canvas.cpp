#include "annotation/win32/gdi_ink_canvas.h"

#include "annotation/win32/gdi_ink_composition.h"
#include "annotation/win32/gdi_ink_surface.h"
#include "platform/win32/gdiplus_session.h"

namespace halvertone::win32 {

GdiInkCanvas::GdiInkCanvas(const ScreenMetrics& metrics, kits::KitFunction* strokeKit)
    : metrics_(metrics), kit_(strokeKit) {
    // Started here so that the first live piece does not pay for it.
    EnsureGdiplus();
}

std::unique_ptr<InkSurface> GdiInkCanvas::OpenScreen() {
    return GdiInkSurface::OpenScreen(kit_);
}

std::unique_ptr<InkComposition> GdiInkCanvas::Compose(InkSurface& screen) {
    auto* gdi = dynamic_cast<GdiInkSurface*>(&screen);
    if (gdi == nullptr) return nullptr;
    return GdiInkComposition::Create(gdi->Dc(), metrics_.width, metrics_.height, kit_);
}

}  // namespace halvertone::win32
