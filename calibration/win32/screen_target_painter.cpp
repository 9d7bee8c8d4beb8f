#include "calibration/win32/screen_target_painter.h"

#include <windows.h>

namespace halvertone {
namespace {

// The screen context the other on-screen drawing uses: the desktop, window area, flag 0x10000.
constexpr DWORD kScreenContextFlags = DCX_WINDOW | 0x10000;

void PaintShape(HDC dc, const TargetShape& shape) {
    HPEN pen = CreatePen(PS_SOLID, 1, shape.penColor);
    HBRUSH brush = CreateSolidBrush(shape.fillColor);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    // The border runs on the square's outermost pixels: right and bottom are exclusive.
    Rectangle(dc, shape.square.left, shape.square.top, shape.square.right, shape.square.bottom);
    for (const TargetLine& line : {shape.horizontal, shape.vertical}) {
        MoveToEx(dc, line.from.x, line.from.y, nullptr);
        LineTo(dc, line.to.x, line.to.y);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

}  // namespace

void ScreenTargetPainter::Paint(std::span<const TargetShape> shapes) {
    HDC dc = GetDCEx(nullptr, nullptr, kScreenContextFlags);
    if (dc == nullptr) return;
    for (const TargetShape& shape : shapes) PaintShape(dc, shape);
    ReleaseDC(nullptr, dc);
}

}  // namespace halvertone
