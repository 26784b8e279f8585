#pragma once
// The arithmetic and the report of the cost-analysis wizard, without any window.
//
// The report grows one section per step: the text after step k is the text after step k - 1
// followed by the section of step k; step 1 starts a new text with the report header. Lines
// end with CR LF, labels come from the string table in the language in force and keep their
// blanks, and values the user typed appear as typed. All stored values are single precision,
// as the wizard's variables are; sums are taken in double first.

#include <QDateTime>
#include <QString>
#include <functional>

namespace costwizard {

// --- Step 1: product information ----------------------------------------------------------------

struct ProductInfo {
    QString customer;
    QString model;
    QString partNumber;
};

// The report after step 1: header, product heading, one line per text.
QString productSection(const ProductInfo& info);

// --- Step 2: the spring's dimensions ------------------------------------------------------------

// The spring index C = D/d in single precision; d = 0 throws num::CalcFault.
float springIndex(float meanDia, float wireDia);

// The texts of the step's fields, exactly as typed.
struct SpecificationTexts {
    QString wireDia;
    QString meanDia;
    QString totalCoils;
    QString extraLength;
};

QString specificationSection(const QString& before, const SpecificationTexts& typed, float springIndex);

// --- Step 3: material ------------------------------------------------------------------------------

// The rows the material step offers: the first six wire materials, stainless steel at 7.85.
inline constexpr int kMaterialRows = 6;

// The weight of one piece in grams from the density (g/cm3), the wire and mean diameters and
// the other developed length (mm) and the total coils, with pi taken as 3.14159.
float pieceWeight(double density, float wireDia, float meanDia, float totalCoils, float extraLength);

// Material cost of one piece with freight and loss, in yuan (double).
double materialCost(float price, float freight, float pieceWeight, float lossPercent);

struct MaterialTexts {
    QString material;
    QString price;
    QString freight;
    QString weight; // the weight box as shown, "0.00"
    QString loss;
};

QString materialSection(const QString& before, const MaterialTexts& shown, double materialCost);

// --- Step 4: manufacturing cost and prices ----------------------------------------------------------

struct ManufacturingInputs {
    // From step 3.
    float pieceWeight = 0;   // g
    float materialPrice = 0; // yuan/kg
    float freight = 0;       // yuan/kg
    float lossPercent = 0;   // %
    // Typed in step 4.
    float machineRate = 0;  // yuan/hour
    float platingPrice = 0; // yuan/kg of wire
    float speed = 0;        // pieces/minute
    float secondary = 0;    // yuan/piece
    float tempering = 0;
    float packing = 0;
    float management = 0;
    float taxPercent = 0; // %
};

struct ManufacturingResults {
    float netPrice = 0;
    float priceWithTax = 0;
    // Shares of the machine cost per piece (reported, not added to the price again).
    float labour = 0;
    float depreciation = 0;
    float utilities = 0;
    float other = 0;
    float profit = 0;
    float plating = 0;
    float lowestPrice = 0;
    // The pieces of an eight-hour run and what they cost at the net price.
    float batchSize = 0;
    double batchAmount = 0; // whole yuan, halves to even
};

// A speed of 0 throws num::CalcFault.
ManufacturingResults manufacturing(const ManufacturingInputs& in);

// The section of step 4 and the report's footer with the given time.
QString manufacturingSection(const QString& before, const ManufacturingInputs& in,
                             const ManufacturingResults& out, const QDateTime& when);

// The clock of the report's footer; tests set a fixed one, an empty function restores the real.
std::function<QDateTime()>& reportClock();
QDateTime reportTime();

} // namespace costwizard
