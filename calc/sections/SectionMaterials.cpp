#include "calc/sections/SectionMaterials.h"

#include "common/ui/CalculatorLayout.h"

namespace sections {

namespace {
constexpr std::initializer_list<int> kNamedGrades = {1384, 1337, 1385, 1386, 1336, 1387, 1388,
                                                     1338, 1389, 1390, 1391, 1392, 1393};
} // namespace

QStringList shortMaterialList() {
    return ui::listTexts(kNamedGrades,
                         {"65Mn", "60Si2MnA", "55CrSi", "50CrVA", "17-7", "65Si2MnWA", "60Si2CrVA"});
}

QStringList noTitaniumMaterialList() {
    return ui::listTexts(kNamedGrades,
                         {"17-7", "30W4Cr2VA", "50CrVA", "55CrSi", "60Si2Mn", "60Si2MnA", "60Si2MnVA",
                          "60Si2CrA", "60Si2CrVA", "65Mn", "65Si2MnWA", "70Si3MnA"});
}

} // namespace sections
