#pragma once
// The material lists of the coil-shape calculators, each in the order its window shows.

#include <QStringList>

namespace sections {

// The 13 named grades and seven literals, in the order of the elliptical, egg-shaped and
// elliptical-section windows.
QStringList shortMaterialList();

// The 13 named grades and the twelve literals without titanium (hourglass window).
QStringList noTitaniumMaterialList();

} // namespace sections
