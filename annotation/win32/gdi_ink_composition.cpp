#include "annotation/win32/gdi_ink_composition.h"

#include "platform/win32/capture_display.h"

namespace halvertone::win32 {

bool GdiInkComposition::Snapshot::Make(HDC screen, int32_t width, int32_t height) {
    dc = CreateCompatibleDC(screen);
    bitmap = CaptureDisplay(width, height);
    if (dc == nullptr || bitmap == nullptr) return false;
    previous = SelectObject(dc, bitmap);
    return previous != nullptr;
}

void GdiInkComposition::Snapshot::Free() {
    if (dc != nullptr && previous != nullptr) SelectObject(dc, previous);
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (dc != nullptr) DeleteDC(dc);
    *this = {};
}

std::unique_ptr<GdiInkComposition> GdiInkComposition::Create(HDC screen, int32_t width,
                                                             int32_t height,
                                                             const StrokeKitCalls& kit) {
    std::unique_ptr<GdiInkComposition> c(new GdiInkComposition(screen, width, height));
    if (!c->canvas_.Make(screen, width, height) || !c->background_.Make(screen, width, height))
        return nullptr;
    c->canvasSurface_.emplace(c->canvas_.dc, kit);
    return c;
}

GdiInkComposition::~GdiInkComposition() {
    canvasSurface_.reset();
    canvas_.Free();
    background_.Free();
}

void GdiInkComposition::RestoreSquare(PixelPoint topLeft, int32_t side) {
    BitBlt(canvas_.dc, topLeft.x, topLeft.y, side, side, background_.dc, topLeft.x, topLeft.y,
           SRCCOPY);
}

void GdiInkComposition::Present() {
    BitBlt(screen_, 0, 0, width_, height_, canvas_.dc, 0, 0, SRCCOPY);
}

}  // namespace halvertone::win32
