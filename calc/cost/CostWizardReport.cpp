#include "calc/cost/CostWizardReport.h"

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
