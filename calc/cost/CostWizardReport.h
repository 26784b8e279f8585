#pragma once
// The report of the cost-analysis wizard, written from what each step's window shows.
//
// The report grows one section per step: the text after step k is the text after step k - 1
// followed by the section of step k; step 1 starts a new text with the report header. Lines
// end with CR LF, labels come from the string table in the language in force and keep their
// blanks, and values the user typed appear as typed.

#include "calc/cost/CostWizardCore.h"

#include <QDateTime>
#include <QString>
#include <functional>

namespace costwizard {

struct ProductInfo {
    QString customer;
    QString model;
    QString partNumber;
};

// The report after step 1: header, product heading, one line per text.
QString productSection(const ProductInfo& info);

// The texts of the step's fields, exactly as typed.
struct SpecificationTexts {
    QString wireDia;
    QString meanDia;
    QString totalCoils;
    QString extraLength;
};

QString specificationSection(const QString& before, const SpecificationTexts& typed, float springIndex);

struct MaterialTexts {
    QString material;
    QString price;
    QString freight;
    QString weight; // the weight box as shown, "0.00"
    QString loss;
};

QString materialSection(const QString& before, const MaterialTexts& shown, double materialCost);

// The section of step 4 and the report's footer with the given time.
QString manufacturingSection(const QString& before, const ManufacturingInputs& in,
                             const ManufacturingResults& out, const QDateTime& when);

// The clock of the report's footer; tests set a fixed one, an empty function restores the real.
std::function<QDateTime()>& reportClock();
QDateTime reportTime();

} // namespace costwizard
