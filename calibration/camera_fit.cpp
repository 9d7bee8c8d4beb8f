#include "calibration/camera_fit.h"

#include <algorithm>
#include <cmath>

namespace halvertone {
namespace {

constexpr size_t kH = 8;                 // homography entries fitted (h8 = 1)
constexpr double kCameraScale = 320;     // camera points are worked with in these units
constexpr double kMinSpacingPixels = 2;  // closer measured points are one point twice
constexpr size_t kMinPairs = 7;          // nine unknowns need five pairs; two more to see a bad one
constexpr int kMaxIterations = 100;
constexpr int kNewtonSteps = 5;
constexpr double kAbsurdResidualShare = 1.0 / 25;  // of the screen's larger side

// The lens bends a ray at distance r from the centre to r (1 + k r^2), r in kCameraScale
// units. The ray behind a camera point at distance s lies out by r / s, r found by Newton's
// method from s. Beyond the turning point of that curve (only for k < 0) there is no inverse;
// the callers keep away from it.
double LensRayScale(double k, double s) {
    if (s == 0 || k == 0) return 1;
    double r = s;
    for (int i = 0; i < kNewtonSteps; ++i) {
        const double g = r * (1 + k * r * r) - s, slope = 1 + 3 * k * r * r;
        if (!(slope > 0)) break;
        r -= g / slope;
    }
    return r / s;
}

PlanePoint Undistort(const std::array<double, CameraModelParams::kCount>& p, PlanePoint c) {
    const double u = (c.x - kLensCentre.x) / kCameraScale, v = (c.y - kLensCentre.y) / kCameraScale;
    const double f = LensRayScale(p[8], std::sqrt(u * u + v * v));
    return {u * f, v * f};
}

PlanePoint ProjectNormalised(const std::array<double, CameraModelParams::kCount>& p, PlanePoint q) {
    const double d = p[6] * q.x + p[7] * q.y + 1;
    return {(p[0] * q.x + p[1] * q.y + p[2]) / d, (p[3] * q.x + p[4] * q.y + p[5]) / d};
}

// Solves a x = b in place (a is n x n, row major) by elimination with partial pivoting; false
// when a pivot vanishes against the matrix's size.
bool Solve(std::vector<double>& a, std::vector<double>& b, size_t n) {
    double scale = 0;
    for (double v : a) scale = std::max(scale, std::abs(v));
    if (!(scale > 0) || !std::isfinite(scale)) return false;
    for (size_t col = 0; col < n; ++col) {
        size_t pivot = col;
        for (size_t r = col + 1; r < n; ++r)
            if (std::abs(a[r * n + col]) > std::abs(a[pivot * n + col])) pivot = r;
        if (std::abs(a[pivot * n + col]) <= scale * 1e-12) return false;
        if (pivot != col) {
            for (size_t k = 0; k < n; ++k) std::swap(a[col * n + k], a[pivot * n + k]);
            std::swap(b[col], b[pivot]);
        }
        for (size_t r = col + 1; r < n; ++r) {
            const double f = a[r * n + col] / a[col * n + col];
            if (f == 0) continue;
            for (size_t k = col; k < n; ++k) a[r * n + k] -= f * a[col * n + k];
            b[r] -= f * b[col];
        }
    }
    for (size_t i = n; i-- > 0;) {
        double s = b[i];
        for (size_t k = i + 1; k < n; ++k) s -= a[i * n + k] * b[k];
        b[i] = s / a[i * n + i];
    }
    return std::all_of(b.begin(), b.end(), [](double v) { return std::isfinite(v); });
}

// Accumulates the normal equations of one linear least-squares row.
void AddRow(std::vector<double>& ata, std::vector<double>& atb, const double* row, double rhs,
            size_t n) {
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < n; ++j) ata[i * n + j] += row[i] * row[j];
        atb[i] += row[i] * rhs;
    }
}

class Fitter {
  public:
    Fitter(std::span<const FitPair> pairs, double w, double h)
        : pairs_(pairs), centre_{w / 2, h / 2}, scale_(std::max(w, h) / 2) {}

    PlanePoint Target(size_t i) const {
        return {(pairs_[i].screen.x - centre_.x) / scale_,
                (pairs_[i].screen.y - centre_.y) / scale_};
    }

    // The homography alone, straight from the pairs (no lens).
    bool Start(std::array<double, CameraModelParams::kCount>& p) const {
        std::vector<double> ata(kH * kH, 0), atb(kH, 0);
        for (size_t i = 0; i < pairs_.size(); ++i) {
            const PlanePoint q = Undistort(p, pairs_[i].camera), t = Target(i);
            const double rx[kH] = {q.x, q.y, 1, 0, 0, 0, -q.x * t.x, -q.y * t.x};
            const double ry[kH] = {0, 0, 0, q.x, q.y, 1, -q.x * t.y, -q.y * t.y};
            AddRow(ata, atb, rx, t.x, kH);
            AddRow(ata, atb, ry, t.y, kH);
        }
        if (!Solve(ata, atb, kH)) return false;
        std::copy(atb.begin(), atb.end(), p.begin());
        return true;
    }

    // Residuals in scaled screen units, x and y of each pair.
    void Residuals(const std::array<double, CameraModelParams::kCount>& p,
                   std::vector<double>& r) const {
        r.resize(pairs_.size() * 2);
        for (size_t i = 0; i < pairs_.size(); ++i) {
            const PlanePoint s = ProjectNormalised(p, Undistort(p, pairs_[i].camera)),
                             t = Target(i);
            r[2 * i] = s.x - t.x;
            r[2 * i + 1] = s.y - t.y;
        }
    }

    static double Cost(const std::vector<double>& r) {
        double c = 0;
        for (double v : r) c += v * v;
        return std::isfinite(c) ? c : HUGE_VAL;
    }

    // Levenberg-Marquardt with a forward-difference Jacobian.
    bool Refine(std::array<double, CameraModelParams::kCount>& p) const {
        constexpr size_t n = CameraModelParams::kCount;
        const size_t m = pairs_.size() * 2;
        std::vector<double> r, rStep, jac(m * n);
        Residuals(p, r);
        double cost = Cost(r), lambda = 1e-3;
        for (int it = 0; it < kMaxIterations; ++it) {
            for (size_t k = 0; k < n; ++k) {
                auto q = p;
                const double step = 1e-7 * std::max(1.0, std::abs(p[k]));
                q[k] += step;
                Residuals(q, rStep);
                for (size_t i = 0; i < m; ++i) jac[i * n + k] = (rStep[i] - r[i]) / step;
            }
            std::vector<double> jtj(n * n, 0), jtr(n, 0);
            for (size_t i = 0; i < m; ++i) AddRow(jtj, jtr, &jac[i * n], -r[i], n);
            bool improved = false;
            while (lambda < 1e12) {
                std::vector<double> a = jtj, delta = jtr;
                for (size_t k = 0; k < n; ++k) a[k * n + k] += lambda * (jtj[k * n + k] + 1e-12);
                if (Solve(a, delta, n)) {
                    auto q = p;
                    for (size_t k = 0; k < n; ++k) q[k] += delta[k];
                    Residuals(q, rStep);
                    const double c = Cost(rStep);
                    if (c < cost) {
                        const bool settled = cost - c <= cost * 1e-12;
                        p = q;
                        r.swap(rStep);
                        cost = c;
                        lambda = std::max(lambda / 10, 1e-12);
                        improved = true;
                        if (settled) return true;
                        break;
                    }
                }
                lambda *= 10;
            }
            if (!improved) return std::isfinite(cost);
        }
        return std::isfinite(cost);
    }

    PlanePoint centre() const { return centre_; }
    double scale() const { return scale_; }

  private:
    std::span<const FitPair> pairs_;
    PlanePoint centre_;
    double scale_;
};

// The smaller spread of the camera points across their main direction, in camera pixels.
double NarrowSpread(std::span<const FitPair> pairs) {
    double mx = 0, my = 0;
    for (const FitPair& p : pairs) mx += p.camera.x, my += p.camera.y;
    mx /= static_cast<double>(pairs.size());
    my /= static_cast<double>(pairs.size());
    double sxx = 0, syy = 0, sxy = 0;
    for (const FitPair& p : pairs) {
        const double dx = p.camera.x - mx, dy = p.camera.y - my;
        sxx += dx * dx, syy += dy * dy, sxy += dx * dy;
    }
    const double n = static_cast<double>(pairs.size());
    const double tr = (sxx + syy) / n, det = (sxx * syy - sxy * sxy) / (n * n);
    const double smaller = tr / 2 - std::sqrt(std::max(tr * tr / 4 - det, 0.0));
    return std::sqrt(std::max(smaller, 0.0));
}

CameraFit Failed(std::string why) {
    CameraFit fit;
    fit.whyNot = std::move(why);
    return fit;
}

}  // namespace

PlanePoint CameraModelParams::Apply(PlanePoint camera) const {
    const PlanePoint s = ProjectNormalised(p_, Undistort(p_, camera));
    return {screenCentre_.x + s.x * screenScale_, screenCentre_.y + s.y * screenScale_};
}

double CameraModelParams::RayScale(double distance) const {
    return LensRayScale(p_[8], distance / kCameraScale);
}

PlanePoint CameraModelParams::Project(PlanePoint camera, double rayScale) const {
    const double f = rayScale / kCameraScale;
    const PlanePoint s =
        ProjectNormalised(p_, {(camera.x - kLensCentre.x) * f, (camera.y - kLensCentre.y) * f});
    return {screenCentre_.x + s.x * screenScale_, screenCentre_.y + s.y * screenScale_};
}

bool CameraModelParams::LensMonotonic(double radius) const {
    // r (1 + k r^2) turns back at r = sqrt(-1 / (3k)), where it reaches 2/3 of that; a
    // camera point near or beyond there has no single ray. Kept a tenth away from it.
    const double k = p_[8];
    if (!std::isfinite(k)) return false;
    if (k >= 0) return true;
    const double turn = std::sqrt(-1 / (3 * k));
    return radius / kCameraScale < 0.9 * (2.0 / 3.0) * turn;
}

CameraFit FitCameraModel(std::span<const FitPair> pairs, double screenWidth, double screenHeight) {
    for (const FitPair& p : pairs)
        if (!std::isfinite(p.camera.x) || !std::isfinite(p.camera.y) ||
            !std::isfinite(p.screen.x) || !std::isfinite(p.screen.y))
            return Failed("a point is not a number");
    if (!(screenWidth >= 1 && screenHeight >= 1)) return Failed("no screen size");
    if (pairs.size() < kMinPairs) return Failed("too few points");
    for (size_t i = 0; i < pairs.size(); ++i)
        for (size_t j = i + 1; j < pairs.size(); ++j)
            if (std::hypot(pairs[i].camera.x - pairs[j].camera.x,
                           pairs[i].camera.y - pairs[j].camera.y) < kMinSpacingPixels)
                return Failed("points " + std::to_string(i + 1) + " and " + std::to_string(j + 1) +
                              " coincide");
    if (NarrowSpread(pairs) < kMinSpacingPixels * 4) return Failed("the points lie on a line");

    const Fitter fitter(pairs, screenWidth, screenHeight);
    std::array<double, CameraModelParams::kCount> p{1, 0, 0, 0, 1, 0, 0, 0, 0};
    if (!fitter.Start(p)) return Failed("the points span no plane view");
    if (!fitter.Refine(p)) return Failed("the fit did not settle");

    CameraFit fit;
    fit.model = CameraModelParams(p, fitter.centre(), fitter.scale());
    fit.residuals.reserve(pairs.size());
    for (size_t i = 0; i < pairs.size(); ++i) {
        const PlanePoint s = fit.model.Apply(pairs[i].camera);
        const double e = std::hypot(s.x - pairs[i].screen.x, s.y - pairs[i].screen.y);
        fit.residuals.push_back(std::isfinite(e) ? e : HUGE_VAL);
        if (fit.residuals.back() > fit.largestResidual) {
            fit.largestResidual = fit.residuals.back();
            fit.largestAt = i;
        }
    }
    // The residuals are kept either way: they tell which target was measured badly.
    if (fit.largestResidual > std::max(screenWidth, screenHeight) * kAbsurdResidualShare) {
        fit.whyNot = "residual of point " + std::to_string(fit.largestAt + 1) + " is " +
                     std::to_string(static_cast<long>(fit.largestResidual)) + " px";
        return fit;
    }
    fit.ok = true;
    return fit;
}

}  // namespace halvertone
