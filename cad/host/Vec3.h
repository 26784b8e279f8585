#pragma once
// A point or direction in world coordinates.

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
};

// Turns v about the unit axis by the angle, right-hand rule (Rodrigues' formula).
inline Vec3 turned(const Vec3& v, const Vec3& axis, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return v * c + axis.cross(v) * s + axis * (axis.dot(v) * (1 - c));
}

} // namespace host
