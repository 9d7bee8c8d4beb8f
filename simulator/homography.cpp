#include "simulator/homography.h"

#include <cmath>
#include <utility>

namespace halvertone::sim {
namespace {

constexpr double kSingular = 1e-12;

// Solves the 8 x 8 system a * h = b in place by elimination with partial pivoting.
bool Solve(std::array<std::array<double, 9>, 8>& a) {
    for (size_t col = 0; col < 8; ++col) {
        size_t pivot = col;
        for (size_t r = col + 1; r < 8; ++r)
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col])) pivot = r;
        if (std::fabs(a[pivot][col]) < kSingular) return false;
        std::swap(a[col], a[pivot]);
        for (size_t r = 0; r < 8; ++r) {
            if (r == col) continue;
            const double f = a[r][col] / a[col][col];
            for (size_t c = col; c < 9; ++c) a[r][c] -= f * a[col][c];
        }
    }
    return true;
}

}  // namespace

std::optional<Homography> Homography::FromCorners(const std::array<Point2, 4>& from,
                                                  const std::array<Point2, 4>& to) {
    // u = (h0 x + h1 y + h2) / (h6 x + h7 y + 1), v = (h3 x + h4 y + h5) / (h6 x + h7 y + 1)
    std::array<std::array<double, 9>, 8> a{};
    for (size_t i = 0; i < 4; ++i) {
        const double x = from[i].x, y = from[i].y, u = to[i].x, v = to[i].y;
        a[2 * i] = {x, y, 1, 0, 0, 0, -u * x, -u * y, u};
        a[2 * i + 1] = {0, 0, 0, x, y, 1, -v * x, -v * y, v};
    }
    if (!Solve(a)) return std::nullopt;
    Homography h;
    for (size_t i = 0; i < 8; ++i) h.m_[i] = a[i][8] / a[i][i];
    h.m_[8] = 1;
    return h;
}

Point2 Homography::Apply(Point2 p) const {
    const double w = m_[6] * p.x + m_[7] * p.y + m_[8];
    if (w == 0) return {std::nan(""), std::nan("")};  // on the vanishing line
    return {(m_[0] * p.x + m_[1] * p.y + m_[2]) / w, (m_[3] * p.x + m_[4] * p.y + m_[5]) / w};
}

std::optional<Homography> Homography::Inverse() const {
    const auto& m = m_;
    const std::array<double, 9> adj = {
        m[4] * m[8] - m[5] * m[7], m[2] * m[7] - m[1] * m[8], m[1] * m[5] - m[2] * m[4],
        m[5] * m[6] - m[3] * m[8], m[0] * m[8] - m[2] * m[6], m[2] * m[3] - m[0] * m[5],
        m[3] * m[7] - m[4] * m[6], m[1] * m[6] - m[0] * m[7], m[0] * m[4] - m[1] * m[3]};
    const double det = m[0] * adj[0] + m[1] * adj[3] + m[2] * adj[6];
    if (std::fabs(det) < kSingular || std::fabs(adj[8]) < kSingular) return std::nullopt;
    Homography inv;
    for (size_t i = 0; i < 9; ++i) inv.m_[i] = adj[i] / adj[8];
    return inv;
}

}  // namespace halvertone::sim
