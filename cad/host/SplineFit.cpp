#include "cad/host/SplineFit.h"

#include <algorithm>
#include <cmath>

namespace host {

namespace {

int findSpan(int n, int p, double u, const std::vector<double>& U) {
    if (u >= U[n + 1])
        return n;
    if (u <= U[p])
        return p;
    int low = p, high = n + 1, mid = (low + high) / 2;
    while (u < U[mid] || u >= U[mid + 1]) {
        if (u < U[mid])
            high = mid;
        else
            low = mid;
        mid = (low + high) / 2;
    }
    return mid;
}

// The p + 1 basis functions that are not zero at u, for the span i.
void basis(int i, double u, int p, const std::vector<double>& U, double* N) {
    double left[4], right[4];
    N[0] = 1;
    for (int j = 1; j <= p; ++j) {
        left[j] = u - U[i + 1 - j];
        right[j] = U[i + j] - u;
        double saved = 0;
        for (int r = 0; r < j; ++r) {
            const double temp = N[r] / (right[r + 1] + left[j - r]);
            N[r] = saved + right[r + 1] * temp;
            saved = left[j - r] * temp;
        }
        N[j] = saved;
    }
}

} // namespace

BSpline interpolate(const std::vector<Vec3>& input) {
    BSpline s;
    for (const Vec3& q : input)
        if (s.fitPoints.empty() || !(s.fitPoints.back() == q))
            s.fitPoints.push_back(q);
    const int n = int(s.fitPoints.size()) - 1;
    if (n < 1)
        return s;
    const int p = std::min(3, n);
    s.degree = p;

    // Chord-length parameters.
    std::vector<double> u(n + 1, 0.0);
    double total = 0;
    for (int k = 1; k <= n; ++k)
        total += (s.fitPoints[k] - s.fitPoints[k - 1]).length();
    for (int k = 1; k < n; ++k)
        u[k] = u[k - 1] + (s.fitPoints[k] - s.fitPoints[k - 1]).length() / total;
    u[n] = 1;

    // Averaged knots.
    std::vector<double>& U = s.knots;
    U.assign(n + p + 2, 0.0);
    for (int j = 0; j <= p; ++j)
        U[n + 1 + j] = 1;
    for (int j = 1; j <= n - p; ++j) {
        double sum = 0;
        for (int i = j; i < j + p; ++i)
            sum += u[i];
        U[j + p] = sum / p;
    }

    // Row k has its p + 1 non-zero entries from column span − p on; elimination without
    // pivoting keeps them inside the band, since the matrix is totally positive.
    const int width = 2 * p + 1;
    std::vector<double> band(size_t(n + 1) * width, 0.0); // column c of row r at r * width + (c − r + p)
    std::vector<Vec3> rhs(s.fitPoints);
    for (int k = 0; k <= n; ++k) {
        const int span = findSpan(n, p, u[k], U);
        double N[4];
        basis(span, u[k], p, U, N);
        for (int j = 0; j <= p; ++j) {
            const int c = span - p + j;
            band[size_t(k) * width + (c - k + p)] = N[j];
        }
    }
    const auto at = [&](int r, int c) -> double& { return band[size_t(r) * width + (c - r + p)]; };
    for (int k = 0; k <= n; ++k) {
        const double pivot = at(k, k);
        for (int r = k + 1; r <= std::min(n, k + p); ++r) {
            const double f = at(r, k) / pivot;
            if (f == 0)
                continue;
            for (int c = k; c <= std::min(n, k + p); ++c)
                at(r, c) -= f * at(k, c);
            rhs[r] = rhs[r] - rhs[k] * f;
        }
    }
    s.controlPoints.assign(n + 1, Vec3{});
    for (int k = n; k >= 0; --k) {
        Vec3 v = rhs[k];
        for (int c = k + 1; c <= std::min(n, k + p); ++c)
            v = v - s.controlPoints[c] * at(k, c);
        s.controlPoints[k] = v * (1 / at(k, k));
    }
    return s;
}

Vec3 evaluate(const BSpline& s, double u) {
    const int n = int(s.controlPoints.size()) - 1;
    const int p = s.degree;
    const int span = findSpan(n, p, u, s.knots);
    double N[4];
    basis(span, u, p, s.knots, N);
    Vec3 out;
    for (int j = 0; j <= p; ++j)
        out = out + s.controlPoints[span - p + j] * N[j];
    return out;
}

std::vector<Vec3> tessellate(const BSpline& s, int perSpan) {
    std::vector<Vec3> out;
    if (s.controlPoints.empty())
        return out;
    const int n = int(s.controlPoints.size()) - 1;
    for (int span = s.degree; span <= n; ++span) {
        const double a = s.knots[span], b = s.knots[span + 1];
        if (b <= a)
            continue;
        for (int k = 0; k < perSpan; ++k)
            out.push_back(evaluate(s, a + (b - a) * k / perSpan));
    }
    out.push_back(s.controlPoints.back());
    return out;
}

} // namespace host
