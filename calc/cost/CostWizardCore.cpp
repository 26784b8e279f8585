#include "calc/cost/CostWizardCore.h"

#include "common/CheckedMath.h"
#include "common/Numbers.h"
#include "common/StringTable.h"
#include "platform/TextReport.h"

namespace costwizard {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kIndent = QStringLiteral("    ");

QString text(int id) {
    return StringTable::text(id);
}

QString lineEnds(int count) {
    return kCrLf.repeated(count);
}

// A section of a later step: the report before it, two line ends, the heading, two line ends.
QString startSection(const QString& before, int headingId) {
    return before + lineEnds(2) + text(headingId) + lineEnds(2);
}

// One cost line of the manufacturing section: label, value with four decimals, yuan/piece.
QString costLine(const QString& label, float value) {
    return label + num::formatSingle(value, u"0.0000") + text(1452) + kCrLf;
}

// One price line of the results: label, value with three decimals, yuan/piece.
QString priceLine(int labelId, float value) {
    return text(labelId) + num::formatSingle(value, u"0.000") + text(1452);
}

} // namespace

QString productSection(const ProductInfo& info) {
    QString r = text(2226) + lineEnds(3) + text(2227) + lineEnds(2);
    r += kIndent + text(2058) + info.customer + kCrLf;
    r += kIndent + text(2057) + info.model + kCrLf;
    r += kIndent + text(2056) + info.partNumber + kCrLf;
    return r;
}

float springIndex(float meanDia, float wireDia) {
    return num::single(num::div(meanDia, wireDia));
}

QString specificationSection(const QString& before, const SpecificationTexts& typed, float springIndex) {
    const QString mm = QStringLiteral(" (mm)");
    QString r = startSection(before, 2228);
    r += text(2229) + typed.wireDia + mm + kCrLf;
    r += text(2230) + typed.meanDia + mm + kCrLf;
    r += text(2231) + num::textSingle(springIndex) + text(2234) + kCrLf;
    r += text(2232) + typed.totalCoils + text(1599) + kCrLf;
    r += text(2233) + typed.extraLength + mm + kCrLf;
    return r;
}

float pieceWeight(double density, float wireDia, float meanDia, float totalCoils, float extraLength) {
    // Developed wire length times the wire section, left to right as the weight always was
    // computed, so the grams agree to the last digit with earlier reports.
    const double d = wireDia;
    const double grams =
        density * (meanDia * 3.14159 * totalCoils + extraLength) * 3.14159 * d * d / 4 / 1000;
    return num::single(num::finite(grams));
}

double materialCost(float price, float freight, float pieceWeight, float lossPercent) {
    const double cost =
        (static_cast<double>(price) + freight) * pieceWeight * (lossPercent * 0.01 + 1) / 1000;
    return num::finite(cost);
}

QString materialSection(const QString& before, const MaterialTexts& shown, double materialCost) {
    QString r = startSection(before, 2235);
    r += text(2236) + shown.material + kCrLf;
    r += text(2237) + shown.price + text(1461) + kCrLf;
    r += text(2238) + shown.freight + text(1461) + kCrLf;
    r += text(2239) + shown.weight + text(1463) + kCrLf;
    r += text(2240) + shown.loss + QStringLiteral(" %") + kCrLf;
    r += text(2241) + num::format(materialCost, u"0.0000") + text(1452) + kCrLf;
    return r;
}

ManufacturingResults manufacturing(const ManufacturingInputs& in) {
    using num::div;
    using num::single;
    const double W = in.pieceWeight;
    const double l = in.lossPercent;
    const double f = in.freight;
    const double p = in.materialPrice;
    const double M = in.machineRate;
    const double v = in.speed;
    const double P = in.platingPrice;
    const double tax = in.taxPercent * 0.01 + 1;

    ManufacturingResults out;
    // Material with loss and freight, machine time, plating, then the four costs per piece.
    const double net = (W + W * 0.01 * l) * 0.001 * (f + p) + div(div(M, 60), v) + W * P * 0.001 +
                       in.secondary + in.tempering + in.packing + in.management;
    out.netPrice = single(num::finite(net));
    out.priceWithTax = single(tax * out.netPrice);

    auto machineShare = [&](double share) { return single(div(div(M * share, v), 60)); };
    out.labour = machineShare(0.4);
    out.depreciation = machineShare(0.4);
    out.utilities = machineShare(0.05);
    out.other = machineShare(0.05);
    out.profit = machineShare(0.1);
    out.plating = single(W * P * 0.001);

    // Mass production: twice the material cost with loss, without freight. An eight-hour run
    // must bring at least 200 yuan; below that the material with freight plus 200 yuan spread
    // over the run's pieces is the lowest price.
    out.lowestPrice = single((W * 0.01 * l + W) * 0.001 * p * 2);
    const float runAmount = single(static_cast<double>(out.lowestPrice) * 60 * 8 * v);
    if (runAmount < 200)
        out.lowestPrice = single((f + p) * W * (l * 0.01 + 1) / 1000 + div(200.0 / 8 / 60, v));
    if (out.lowestPrice > out.netPrice) {
        out.netPrice = out.lowestPrice;
        out.priceWithTax = single(tax * out.netPrice);
    }

    out.batchSize = single(v * 60 * 8);
    out.batchAmount = num::roundHalfEven(static_cast<double>(out.batchSize) * out.netPrice, 0);
    return out;
}

QString manufacturingSection(const QString& before, const ManufacturingInputs& in,
                             const ManufacturingResults& out, const QDateTime& when) {
    QString r = startSection(before, 2243);
    r += costLine(text(2244), out.labour);
    r += costLine(text(2245), out.depreciation);
    r += costLine(text(2246), out.utilities);
    r += costLine(text(2249), out.plating);
    r += costLine(text(2250), in.secondary);
    r += costLine(kIndent + text(2440), in.tempering);
    r += costLine(kIndent + text(2441), in.packing);
    r += costLine(kIndent + text(2442), in.management);
    r += costLine(text(2247), out.other);
    r += costLine(text(2248), out.profit);
    r += kCrLf + text(2257) + lineEnds(2);
    r += priceLine(2251, out.netPrice) + lineEnds(2);
    r += priceLine(2252, out.priceWithTax) + lineEnds(2);
    r += priceLine(2253, out.lowestPrice) + lineEnds(3);
    r += text(2254) + num::textSingle(out.batchSize) + text(2255) + num::format(out.batchAmount, u"0") +
         text(2256) + lineEnds(3);
    r += text(2258) + report::footerTime(when) + kCrLf;
    return r;
}

std::function<QDateTime()>& reportClock() {
    static std::function<QDateTime()> clock;
    return clock;
}

QDateTime reportTime() {
    return reportClock() ? reportClock()() : QDateTime::currentDateTime();
}

} // namespace costwizard
