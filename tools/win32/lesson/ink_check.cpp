#include "tools/win32/lesson/ink_check.h"

#include <cmath>
#include <cstdio>

namespace halvertone::lesson {

std::vector<POINT> SamplePath(const std::vector<POINT>& path, int spacing) {
    std::vector<POINT> out;
    for (size_t i = 1; i < path.size(); ++i) {
        const POINT a = path[i - 1], b = path[i];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const int n = std::max(1, static_cast<int>(length / spacing));
        for (int s = 0; s < n; ++s) {
            const double t = static_cast<double>(s) / n;
            out.push_back(POINT{static_cast<LONG>(std::lround(a.x + (b.x - a.x) * t)),
                                static_cast<LONG>(std::lround(a.y + (b.y - a.y) * t))});
        }
    }
    if (!path.empty()) out.push_back(path.back());
    return out;
}

namespace {

bool ColourNear(const win32::ScreenShot& shot, POINT p, uint32_t colour, int reach, int tolerance) {
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const LONG x = p.x + dx, y = p.y + dy;
            if (x < shot.area.left || y < shot.area.top || x >= shot.area.right ||
                y >= shot.area.bottom)
                continue;
            if (win32::ChannelDistance(shot.At(x, y), colour) <= tolerance) return true;
        }
    return false;
}

}  // namespace

double CoveredShare(const win32::ScreenShot& shot, const std::vector<POINT>& points,
                    uint32_t colour, int reach, int tolerance) {
    if (points.empty()) return 0;
    int covered = 0;
    for (POINT p : points) covered += ColourNear(shot, p, colour, reach, tolerance) ? 1 : 0;
    return static_cast<double>(covered) / static_cast<double>(points.size());
}

double MatchedInkShare(const win32::ScreenShot& from, const win32::ScreenShot& in, RECT area,
                       int reach, int tolerance) {
    int ink = 0, matched = 0;
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x) {
            const uint32_t c = from.At(x, y);
            if (win32::ChannelDistance(c, 0xFFFFFF) <= tolerance) continue;  // paper
            ++ink;
            matched += ColourNear(in, POINT{x, y}, c, reach, tolerance) ? 1 : 0;
        }
    return ink == 0 ? 1.0 : static_cast<double>(matched) / static_cast<double>(ink);
}

win32::ScreenShot WholeScreen() {
    return win32::ReadScreen(
        RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

bool WritePpm(const win32::ScreenShot& shot, const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    std::fprintf(f, "P6\n%d %d\n255\n", shot.Width(), shot.Height());
    std::vector<unsigned char> row(static_cast<size_t>(shot.Width()) * 3);
    bool ok = true;
    for (int y = 0; y < shot.Height() && ok; ++y) {
        for (int x = 0; x < shot.Width(); ++x) {
            const uint32_t c = shot.pixels[static_cast<size_t>(y) * shot.Width() + x];
            row[static_cast<size_t>(x) * 3] = static_cast<unsigned char>(c & 0xFF);
            row[static_cast<size_t>(x) * 3 + 1] = static_cast<unsigned char>((c >> 8) & 0xFF);
            row[static_cast<size_t>(x) * 3 + 2] = static_cast<unsigned char>((c >> 16) & 0xFF);
        }
        ok = std::fwrite(row.data(), 1, row.size(), f) == row.size();
    }
    return std::fclose(f) == 0 && ok;
}

}  // namespace halvertone::lesson
