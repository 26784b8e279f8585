#pragma once
// The hourglass window's material list (the others show the short list, table first).

#include <QStringList>

namespace sections {

// The 13 named grades and the twelve literals without titanium (hourglass window).
QStringList noTitaniumMaterialList();

} // namespace sections
