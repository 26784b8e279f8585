#pragma once
// Reads a saved drawing back with dxflib, keeping what the tests look at.

#include "cad/host/Vec3.h"

#include <QString>
#include <map>
#include <string>
#include <vector>

struct ReadCircle {
    host::Vec3 centre; // object coordinates
    double radius;
    host::Vec3 extrusion;
};
struct ReadArc {
    host::Vec3 centre;
    double radius, startAngle, endAngle; // degrees
    host::Vec3 extrusion;
};
struct ReadSpline {
    int degree = 0;
    std::vector<host::Vec3> controlPoints, fitPoints;
    std::vector<double> knots;
};

struct DxfContents {
    bool loaded = false;
    std::map<std::string, int> counts; // by entity type
    std::vector<ReadSpline> splines;
    std::vector<ReadCircle> circles;
    std::vector<ReadArc> arcs;
    std::vector<host::Vec3> points;
    std::vector<std::string> ucsNames;
    host::Vec3 viewDirection;
    int insUnits = -1;
};

DxfContents readDxf(const QString& path);

// World point of an object-coordinate point under the extrusion (the arbitrary-axis rule).
host::Vec3 worldOf(const host::Vec3& ocsPoint, const host::Vec3& extrusion);
