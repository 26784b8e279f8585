#include "calc/normal/LoadTest.h"

#include "common/Numbers.h"

#include <cfloat>
#include <cmath>

namespace loadtest {
namespace {

// Intermediate results carry extended precision, as the old program's arithmetic did.
using Ext = long double;

Ext checked(Ext x) {
    if (!std::isfinite(x))
        throw num::CalcFault("non-finite value");
    return x;
}

Ext divide(Ext a, Ext b) {
    if (b == 0)
        throw num::CalcFault("division by zero");
    return checked(a / b);
}

// Storing into a double or single variable: rounded once from extended, overflow faults.
double toDouble(Ext x) {
    if (std::fabs(checked(x)) > static_cast<Ext>(DBL_MAX))
        throw num::CalcFault("double overflow");
    return static_cast<double>(x);
}

float toSingle(Ext x) {
    constexpr Ext kFirstOverflowingMagnitude = 0x1.ffffffp127L; // FLT_MAX + half its ulp
    if (std::fabs(checked(x)) >= kFirstOverflowingMagnitude)
        throw num::CalcFault("single-precision overflow");
    return static_cast<float>(x);
}

// Fields read as numbers take only a text that is a number; the calculators' lenient
// reading would turn an emptied field into 0 and animate nonsense.
double readDouble(const FieldReader& read, const QString& controlName) {
    const std::optional<double> value = num::strict(read(controlName));
    if (!value)
        throw UnreadableField(controlName);
    return *value;
}

float readSingle(const FieldReader& read, const QString& controlName) {
    return num::single(readDouble(read, controlName));
}

// A value replaced by its one-decimal text read back, so that rounding adds up over the ticks.
double roundedToTenth(double value) {
    return num::strictOrFault(num::format(value, u"0.0"));
}

Ext fourth(Ext x) {
    return x * x * x * x;
}

Segment moved(const Segment& s, const Segment& by, int times) {
    return {s.x1 + by.x1 * times, s.y1 + by.y1 * times, s.x2 + by.x2 * times, s.y2 + by.y2 * times};
}

Outline moved(const Outline& o, const Outline& by, int times) {
    return {o.kind, o.left + by.left * times, o.top + by.top * times, o.width + by.width * times,
            o.height + by.height * times};
}

constexpr int kAnimatedTicks = 6;

// Lines of a spring drawn between fixed X ends, from their Y1/Y2 columns.
std::vector<Segment> lines(std::initializer_list<std::pair<int, int>> xs,
                           std::initializer_list<std::pair<int, int>> ys) {
    std::vector<Segment> out;
    auto x = xs.begin();
    for (const auto& [y1, y2] : ys) {
        out.push_back({x->first, y1, x->second, y2});
        if (xs.size() > 1)
            ++x;
    }
    return out;
}

// The per-tick amounts of lines whose X ends never move.
std::vector<Segment> verticalSteps(std::initializer_list<std::pair<int, int>> ys) {
    std::vector<Segment> out;
    for (const auto& [y1, y2] : ys)
        out.push_back({0, y1, 0, y2});
    return out;
}

} // namespace

UnreadableField::UnreadableField(const QString& controlName)
    : num::CalcFault("calculator field is not a number"), controlName_(controlName) {}

Drawing Motion::end() const {
    Drawing d = start;
    advance(d, step, kAnimatedTicks);
    return d;
}

void Motion::advance(Drawing& drawing, const Drawing& step, int times) {
    for (std::size_t i = 0; i < drawing.lines.size() && i < step.lines.size(); ++i)
        drawing.lines[i] = moved(drawing.lines[i], step.lines[i], times);
    for (std::size_t i = 0; i < drawing.shapes.size() && i < step.shapes.size(); ++i)
        drawing.shapes[i] = moved(drawing.shapes[i], step.shapes[i], times);
}

LabelTexts LoadTest::load(const FieldReader&) const {
    return {};
}

// ---- Form15: compression ---------------------------------------------------------------

const Motion& CompressionLoadTest::motion() {
    static const Motion m{
        {lines({{480, 2040}}, {{2880, 2880},
                               {2880, 2400},
                               {2160, 2400},
                               {2160, 1680},
                               {1440, 1680},
                               {1440, 960},
                               {720, 960},
                               {720, 720}}),
         {}},
        {verticalSteps(
             {{0, 0}, {0, 40}, {50, 40}, {50, 100}, {110, 100}, {110, 160}, {170, 160}, {170, 170}}),
         {}},
    };
    return m;
}

CompressionLoadTest::CompressionLoadTest() : LoadTest(motion().start) {}

LabelTexts CompressionLoadTest::load(const FieldReader& read) const {
    return {{QStringLiteral("Label7"), read(QStringLiteral("Text1_4"))}};
}

float CompressionLoadTest::loadAt(float deflection) const {
    const Ext p = divide(divide(divide(divide(divide(static_cast<Ext>(deflection) * modulus_ * wire_ * wire_ *
                                                         wire_ * wire_ * 1000,
                                                     8),
                                              activeCoils_),
                                       mean_),
                                mean_),
                         mean_);
    return toSingle(p);
}

LabelTexts CompressionLoadTest::start(const FieldReader& read) {
    CompressionLoadTest next(*this);
    next.freeHeight_ = readDouble(read, QStringLiteral("Text1_4"));
    next.workingHeight_ = readDouble(read, QStringLiteral("Text13"));
    next.step_ = toDouble((static_cast<Ext>(next.freeHeight_) - next.workingHeight_) / 6);
    next.height_ = next.freeHeight_;
    next.wire_ = readSingle(read, QStringLiteral("Text1_0"));
    next.mean_ = readSingle(read, QStringLiteral("Text1_1"));
    next.activeCoils_ = readSingle(read, QStringLiteral("Text1_2"));
    next.deflection_ = toSingle(static_cast<Ext>(next.freeHeight_) - next.workingHeight_);
    next.modulus_ = readSingle(read, QStringLiteral("Text3"));
    next.travel_ = 0;
    // Zero coils or diameters would fault on every tick; refuse them before the test runs.
    next.loadAt(next.deflection_);
    next.drawing_ = motion().start;
    const QString height = num::format(next.freeHeight_, u"0.0");
    *this = next;
    return {{QStringLiteral("Label8"), height}};
}

LabelTexts CompressionLoadTest::tick(const FieldReader& read) {
    CompressionLoadTest next(*this);
    float load = 0;
    if (drawing_.lines[1].y2 < 2640) {
        Motion::advance(next.drawing_, motion().step);
        next.travel_ = toSingle(static_cast<Ext>(travel_) + step_);
        next.height_ = toDouble(static_cast<Ext>(height_) - step_);
        load = next.loadAt(next.travel_);
    } else {
        next.drawing_ = motion().end();
        next.height_ = workingHeight_;
        // The holding ticks take the free height from the calculator again.
        const double freeHeight = readDouble(read, QStringLiteral("Text1_4"));
        next.deflection_ = toSingle(static_cast<Ext>(freeHeight) - workingHeight_);
        load = next.loadAt(next.deflection_);
    }
    next.height_ = roundedToTenth(next.height_);
    LabelTexts texts{{QStringLiteral("Label9"), num::formatSingle(load, u"0.0")},
                     {QStringLiteral("Label8"), num::format(next.height_, u"0.0")}};
    *this = next;
    return texts;
}

// ---- Form16: torsion ---------------------------------------------------------------------

Drawing TorsionLoadTest::design() {
    Drawing d = motion().start;
    d.lines[1].y2 = 360; // the moving leg at its full design length
    return d;
}

const Motion& TorsionLoadTest::motion() {
    static const Motion m{
        {{{840, 2400, 2160, 2400}, {360, 1920, 360, 600}},
         {{Outline::Ellipse, 360, 1500, 855, 975}, {Outline::Rectangle, 2160, 2280, 255, 255}}},
        {{{0, 0, 0, 0}, {20, -40, 240, 60}}, {}},
    };
    return m;
}

TorsionLoadTest::TorsionLoadTest() : LoadTest(design()) {}

LabelTexts TorsionLoadTest::loadsAt(double angle) const {
    const Ext moment = static_cast<Ext>(angle) * rate_;
    return {{QStringLiteral("Label12"), num::format(toDouble(moment / 1000), u"0.000")},
            {QStringLiteral("Label9"), num::format(toDouble(divide(moment, arm_) / 1000), u"0.000")},
            {QStringLiteral("Label8"), num::format(angle, u"0.0")}};
}

LabelTexts TorsionLoadTest::start(const FieldReader& read) {
    TorsionLoadTest next(*this);
    next.drawing_ = motion().start;
    next.workingAngle_ = readSingle(read, QStringLiteral("Text27"));
    next.step_ = toDouble(static_cast<Ext>(next.workingAngle_) / 6);
    next.angle_ = 0;
    const float d = readSingle(read, QStringLiteral("Text1_0"));
    const float meanDiameter = readSingle(read, QStringLiteral("Text1_1"));
    const float coils = readSingle(read, QStringLiteral("Text1_2"));
    const float leg1 = readSingle(read, QStringLiteral("Text1_6"));
    const float leg2 = readSingle(read, QStringLiteral("Text1_7"));
    // The force is always taken at the first leg's length, also when the calculator has an
    // arm radius.
    next.arm_ = readSingle(read, QStringLiteral("Text1_6"));
    const double modulus = readDouble(read, QStringLiteral("Text11"));
    next.rate_ = toDouble(divide(static_cast<Ext>(modulus) * fourth(d) * 1000,
                                 static_cast<Ext>(3667) * meanDiameter * coils +
                                     static_cast<Ext>(389) * (static_cast<Ext>(leg2) + leg1)));
    next.loadsAt(next.workingAngle_); // a zero arm would fault on every tick
    LabelTexts texts{{QStringLiteral("Label7"), num::textSingle(next.workingAngle_)},
                     {QStringLiteral("Label8"), num::text(next.angle_)}};
    *this = next;
    return texts;
}

LabelTexts TorsionLoadTest::tick(const FieldReader&) {
    TorsionLoadTest next(*this);
    if (drawing_.lines[1].y2 < 960) {
        Motion::advance(next.drawing_, motion().step);
        next.angle_ = toDouble(static_cast<Ext>(angle_) + step_);
    } else {
        next.drawing_ = motion().end();
        next.angle_ = workingAngle_;
    }
    LabelTexts texts = next.loadsAt(next.angle_);
    *this = next;
    return texts;
}

// ---- Form17: extension -------------------------------------------------------------------

const Motion& ExtensionLoadTest::motion() {
    static const Motion m{
        {lines({{720, 1680}}, {{2400, 2400},
                               {2400, 2280},
                               {2280, 2280},
                               {2280, 2160},
                               {2160, 2160},
                               {2160, 2040},
                               {2040, 2040},
                               {2040, 1920}}),
         {{Outline::Ellipse, 600, 960, 1215, 975}, {Outline::Ellipse, 600, 2400, 1215, 975}}},
        {verticalSteps(
             {{0, 0}, {0, -20}, {-40, -20}, {-40, -60}, {-80, -60}, {-80, -100}, {-120, -100}, {-120, -120}}),
         {{Outline::Ellipse, 0, -120, 0, 0}, {Outline::Ellipse, 0, 0, 0, 0}}},
    };
    return m;
}

ExtensionLoadTest::ExtensionLoadTest() : LoadTest(motion().start) {}

LabelTexts ExtensionLoadTest::loadsAt(double extension) const {
    const Ext least = static_cast<Ext>(rate_) * extension + initialTension_;
    const Ext greatest = static_cast<Ext>(rate_) * extension + static_cast<Ext>(1.8) * initialTension_;
    return {{QStringLiteral("Label9"), num::format(toDouble(least), u"0.000")},
            {QStringLiteral("Label12"), num::format(toDouble(greatest), u"0.000")}};
}

LabelTexts ExtensionLoadTest::start(const FieldReader& read) {
    ExtensionLoadTest next(*this);
    next.drawing_ = motion().start;
    next.wire_ = readSingle(read, QStringLiteral("Text1_0"));
    next.mean_ = readSingle(read, QStringLiteral("Text1_1"));
    next.coils_ = readSingle(read, QStringLiteral("Text1_2"));
    next.reached_ = 0;
    next.freeLength_ = readDouble(read, QStringLiteral("Text1_3"));
    const double workingLength = readDouble(read, QStringLiteral("Text22"));
    next.extension_ = toDouble(static_cast<Ext>(workingLength) - next.freeLength_);
    next.step_ = toDouble(static_cast<Ext>(next.extension_) / 6);
    next.modulus_ = readSingle(read, QStringLiteral("Text12"));
    // This window's own value of pi, not the 3.1416 of the calculator.
    const Ext d4 = fourth(next.wire_);
    next.initialTension_ = toSingle(
        divide(divide(divide(d4 * (static_cast<Ext>(next.modulus_) * static_cast<Ext>(3.14159)) * 1000, 800),
                      next.mean_),
               next.mean_));
    next.rate_ = toSingle(divide(
        divide(divide(divide(divide(d4 * next.modulus_ * 1000, 8), next.mean_), next.mean_), next.mean_),
        next.coils_));
    LabelTexts texts{{QStringLiteral("Label7"), read(QStringLiteral("Text1_3"))},
                     {QStringLiteral("Label8"), read(QStringLiteral("Text22"))}};
    for (auto& text : next.loadsAt(next.extension_))
        texts.push_back(std::move(text));
    *this = next;
    return texts;
}

LabelTexts ExtensionLoadTest::tick(const FieldReader& read) {
    ExtensionLoadTest next(*this);
    if (drawing_.shapes[0].top > 240) {
        Motion::advance(next.drawing_, motion().step);
        next.reached_ = roundedToTenth(toDouble(static_cast<Ext>(reached_) + step_));
    } else {
        next.drawing_ = motion().end();
        next.reached_ = roundedToTenth(extension_);
    }
    // Every tick takes the free length from the calculator again.
    const double freeLength = readDouble(read, QStringLiteral("Text1_3"));
    LabelTexts texts{
        {QStringLiteral("Label8"), num::text(toDouble(static_cast<Ext>(freeLength) + next.reached_))}};
    for (auto& text : next.loadsAt(next.reached_))
        texts.push_back(std::move(text));
    *this = next;
    return texts;
}

// ---- Form18: conical ---------------------------------------------------------------------

const Motion& ConicalLoadTest::motion() {
    static const Motion m{
        {lines({{480, 2040},
                {480, 1920},
                {600, 1920},
                {600, 1800},
                {720, 1800},
                {720, 1680},
                {720, 1680},
                {720, 1680}},
               {{2880, 2880},
                {2880, 2400},
                {2160, 2400},
                {2160, 1680},
                {1440, 1680},
                {1440, 1200},
                {960, 1200},
                {960, 960}}),
         {}},
        {verticalSteps(
             {{0, 0}, {0, 40}, {60, 40}, {60, 100}, {120, 100}, {120, 120}, {140, 120}, {140, 140}}),
         {}},
    };
    return m;
}

ConicalLoadTest::ConicalLoadTest() : LoadTest(motion().start) {}

LabelTexts ConicalLoadTest::start(const FieldReader& read) {
    ConicalLoadTest next(*this);
    next.drawing_ = motion().start;
    LabelTexts texts{{QStringLiteral("Label7"), read(QStringLiteral("Text10_4"))}};
    const double d = readDouble(read, QStringLiteral("Text10_0"));
    const double smallDiameter = readDouble(read, QStringLiteral("Text10_1"));
    const double largeDiameter = readDouble(read, QStringLiteral("Text10_2"));
    const double coils = readDouble(read, QStringLiteral("Text10_3"));
    next.freeHeight_ = readDouble(read, QStringLiteral("Text10_4"));
    next.workingHeight_ = readDouble(read, QStringLiteral("Text10_5"));
    if (!read(QStringLiteral("Text10_6")).isEmpty())
        next.workingHeight_ = readDouble(read, QStringLiteral("Text10_6"));
    const double modulus = readDouble(read, QStringLiteral("Text5"));
    const double r1 = toDouble((static_cast<Ext>(smallDiameter) - d) / 2);
    const double r2 = toDouble((static_cast<Ext>(largeDiameter) - d) / 2);
    next.rate_ = toDouble(divide(fourth(d) * modulus * (static_cast<Ext>(r2) - r1),
                                 (fourth(r2) - fourth(r1)) * (static_cast<Ext>(coils) * 16)) *
                          1000);
    next.deflection_ = toDouble(static_cast<Ext>(next.freeHeight_) - next.workingHeight_);
    next.step_ = toDouble(static_cast<Ext>(next.deflection_) / 6);
    next.reached_ = 0;
    *this = next;
    return texts;
}

LabelTexts ConicalLoadTest::tick(const FieldReader&) {
    ConicalLoadTest next(*this);
    LabelTexts texts;
    if (drawing_.lines[1].y2 < 2640) {
        Motion::advance(next.drawing_, motion().step);
        next.reached_ = toDouble(static_cast<Ext>(reached_) + step_);
        texts = {{QStringLiteral("Label8"),
                  num::format(toDouble(static_cast<Ext>(freeHeight_) - next.reached_), u"0.0")},
                 {QStringLiteral("Label9"),
                  num::format(toDouble(static_cast<Ext>(rate_) * next.reached_), u"0.000")}};
    } else {
        next.drawing_ = motion().end();
        texts = {{QStringLiteral("Label8"), num::text(workingHeight_)},
                 {QStringLiteral("Label9"),
                  num::format(toDouble(static_cast<Ext>(deflection_) * rate_), u"0.000")}};
    }
    *this = next;
    return texts;
}

} // namespace loadtest
