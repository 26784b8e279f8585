#pragma once
// A point or direction in world coordinates.

#include <algorithm>
#include <cmath>

namespace host {

struct Vec3 {
    double x = 0, y = 0, z = 0;

    Vec3 operator+(const Vec3& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(const Vec3& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(double s) const { return {x * s, y * s, z * s}; }
    bool operator==(const Vec3&) const = default;
    double dot(const Vec3& o) const { return x * o.x + y * o.y + z * o.z; }
    Vec3 cross(const Vec3& o) const { return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x}; }
    double length() const { return std::sqrt(dot(*this)); }
    Vec3 unit() const {
        const double l = length();
        return l > 0 ? Vec3{x / l, y / l, z / l} : Vec3{};
    }
    // The unit vector even where the squared length leaves the range of a double (very long or
    // very short vectors): those are scaled by their largest component first. Within the range
    // it is unit() to the bit. Zero for a zero or non-finite vector.
    Vec3 direction() const {
        const double largest = std::max({std::fabs(x), std::fabs(y), std::fabs(z)});
        if (!(largest > 0) || !std::isfinite(largest))
            return {};
        const double square = dot(*this);
        if (std::isnormal(square))
            return unit();
        return Vec3{x / largest, y / largest, z / largest}.unit();
    }
};

// Turns v about the unit axis by the angle, right-hand rule (Rodrigues' formula).
inline Vec3 turned(const Vec3& v, const Vec3& axis, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return v * c + axis.cross(v) * s + axis * (axis.dot(v) * (1 - c));
}

} // namespace host
