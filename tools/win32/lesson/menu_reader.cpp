#include "tools/win32/lesson/menu_reader.h"

#include <map>

#include "tools/win32/lesson/lesson_windows.h"

namespace halvertone::lesson {
namespace {

// The menu's frame and the items' side margins are left out of every row.
constexpr int kInset = 4;

enum class RowKind { kBackground, kUniform, kMixed };

}  // namespace

MenuReader::MenuReader() {
    HWND menu = FindPopupMenu();
    RECT r{};
    if (!menu || !GetWindowRect(menu, &r) || r.right - r.left <= 2 * kInset ||
        r.bottom - r.top <= 2 * kInset)
        return;
    shot_ = win32::ReadScreen(r);
    std::map<uint32_t, int> counts;
    for (uint32_t c : shot_.pixels) ++counts[c];
    int most = 0;
    for (const auto& [c, n] : counts)
        if (n > most) most = n, background_ = c;
    valid_ = true;
}

std::vector<MenuReader::Run> MenuReader::Groups() const {
    const RECT a = shot_.area;
    // Only a row with nothing on it is background: a short word leaves most of its rows blank.
    auto kind = [&](int y) {
        std::map<uint32_t, int> counts;
        int total = 0;
        for (int x = a.left + kInset; x < a.right - kInset; ++x, ++total) ++counts[shot_.At(x, y)];
        if (counts[background_] == total) return RowKind::kBackground;
        for (const auto& [c, n] : counts)
            if (c != background_ && n * 10 >= total * 9) return RowKind::kUniform;
        return RowKind::kMixed;
    };
    // A separator is a run of at most three uniform rows; swatches are taller.
    std::vector<Run> groups;
    Run current{-1, -1};
    int y = a.top + kInset;
    while (y < a.bottom - kInset) {
        const RowKind k = kind(y);
        if (k == RowKind::kBackground) {
            ++y;
            continue;
        }
        int end = y + 1;
        while (end < a.bottom - kInset && kind(end) == k) ++end;
        if (k == RowKind::kUniform && end - y <= 3) {
            if (current.top >= 0) groups.push_back(current);
            current = {-1, -1};
        } else {
            if (current.top < 0) current.top = y;
            current.bottom = end;
        }
        y = end;
    }
    if (current.top >= 0) groups.push_back(current);
    return groups;
}

bool MenuReader::GroupCentre(int n, POINT& centre) const {
    if (!valid_) return false;
    const std::vector<Run> groups = Groups();
    if (groups.empty()) return false;
    if (n < 0) n = static_cast<int>(groups.size()) - 1;
    if (n >= static_cast<int>(groups.size())) return false;
    centre =
        POINT{(shot_.area.left + shot_.area.right) / 2, (groups[n].top + groups[n].bottom) / 2};
    return true;
}

bool MenuReader::SwatchCentre(uint32_t colour, POINT& centre) const {
    if (!valid_) return false;
    const RECT a = shot_.area;
    int top = -1, bottom = -1;
    for (int y = a.top + kInset; y < a.bottom - kInset; ++y) {
        int n = 0, total = 0;
        for (int x = a.left + kInset; x < a.right - kInset; ++x, ++total)
            n += shot_.At(x, y) == colour ? 1 : 0;
        if (n * 10 >= total * 6) {
            if (top < 0) top = y;
            bottom = y + 1;
        } else if (top >= 0) {
            break;
        }
    }
    if (top < 0) return false;
    centre = POINT{(a.left + a.right) / 2, (top + bottom) / 2};
    return true;
}

bool MenuReader::BarCentre(int thickness, POINT& centre) const {
    if (!valid_) return false;
    const RECT a = shot_.area;
    const int x = (a.left + a.right) / 2;
    int y = a.top;
    while (y < a.bottom) {
        if (shot_.At(x, y) != 0) {
            ++y;
            continue;
        }
        int end = y;
        while (end < a.bottom && shot_.At(x, end) == 0) ++end;
        if (end - y == thickness) {
            centre = POINT{x, (y + end) / 2};
            return true;
        }
        y = end;
    }
    return false;
}

}  // namespace halvertone::lesson
