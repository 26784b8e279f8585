#pragma once
// The load tests that the normal-mode calculators animate, without any widget.
//
// A test reads its calculator's fields through a FieldReader (the calculator window's control
// texts by name; empty text when the calculator is not loaded), keeps its own state from the
// start across the ticks and says which value labels show which text after each step. The
// drawing is a handful of lines and outlines in twips that move by fixed amounts per tick; a
// test decides from the drawing whether it still animates or holds the final state, so the
// seventh and every later tick show the end state again.
//
// Numbers follow the old program: each formula is evaluated left to right in extended
// precision and rounded to the type of the variable that receives it.

#include "common/CheckedMath.h"

#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace loadtest {

// A line from its first end (x1, y1) to its second end (x2, y2), twips, Y grows downwards.
struct Segment {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const Segment&) const = default;
};

// An ellipse or rectangle inside its bounding box, twips.
struct Outline {
    enum Kind { Ellipse, Rectangle };
    Kind kind = Ellipse;
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Outline&) const = default;
};

// The spring as drawn: lines Line1(0), Line1(1), ... and shapes Shape1, Shape2.
struct Drawing {
    std::vector<Segment> lines;
    std::vector<Outline> shapes;
    bool operator==(const Drawing&) const = default;
};

// The start position of a drawing and the amount every coordinate moves per animated tick.
// The test runs six animated ticks, so the end position is start + 6 x step.
struct Motion {
    Drawing start;
    Drawing step;

    Drawing end() const;
    static void advance(Drawing& drawing, const Drawing& step, int times = 1);
};

// Text of a calculator control by name ("Text1_4"); empty when the calculator is not loaded.
using FieldReader = std::function<QString(const QString& controlName)>;

// Value label name and the text it shows, in the order written.
using LabelTexts = std::vector<std::pair<QString, QString>>;

// A calculator field that should hold a number does not (the calculator was closed or reset,
// or the field holds text the calculator reads leniently, such as 3/4).
class UnreadableField : public num::CalcFault {
public:
    explicit UnreadableField(const QString& controlName);
    const QString& controlName() const { return controlName_; }

private:
    QString controlName_;
};

class LoadTest {
public:
    virtual ~LoadTest() = default;

    // Labels set when the window loads.
    virtual LabelTexts load(const FieldReader& read) const;

    // Reads the calculator and puts the drawing back to its start position. Throws
    // UnreadableField or num::CalcFault and then changes nothing.
    virtual LabelTexts start(const FieldReader& read) = 0;

    // One timer tick: an animated step, or the final state once the drawing has arrived.
    // Throws like start() and then changes nothing.
    virtual LabelTexts tick(const FieldReader& read) = 0;

    const Drawing& drawing() const { return drawing_; }

protected:
    explicit LoadTest(Drawing design) : drawing_(std::move(design)) {}
    Drawing drawing_;
};

// Form15: compression spring on a base plate, reading Form8.
class CompressionLoadTest : public LoadTest {
public:
    CompressionLoadTest();
    LabelTexts load(const FieldReader& read) const override;
    LabelTexts start(const FieldReader& read) override;
    LabelTexts tick(const FieldReader& read) override;
    static const Motion& motion();

private:
    float loadAt(float deflection) const;

    double freeHeight_ = 0, workingHeight_ = 0, step_ = 0, height_ = 0;
    float wire_ = 0, mean_ = 0, activeCoils_ = 0, deflection_ = 0, modulus_ = 0, travel_ = 0;
};

// Form16: torsion spring with a fixed and a moving leg, reading Form9.
class TorsionLoadTest : public LoadTest {
public:
    TorsionLoadTest();
    LabelTexts start(const FieldReader& read) override;
    LabelTexts tick(const FieldReader& read) override;
    static const Motion& motion();
    static Drawing design();

private:
    LabelTexts loadsAt(double angle) const;

    float workingAngle_ = 0, arm_ = 0;
    double step_ = 0, angle_ = 0, rate_ = 0;
};

// Form17: extension spring between two hooks, reading Form10. Keeps d, D and n to itself:
// the compression wizard's shared values are not this window's to write.
class ExtensionLoadTest : public LoadTest {
public:
    ExtensionLoadTest();
    LabelTexts start(const FieldReader& read) override;
    LabelTexts tick(const FieldReader& read) override;
    static const Motion& motion();

    float wireDiameter() const { return wire_; }
    float meanDiameter() const { return mean_; }
    float activeCoils() const { return coils_; }
    float initialTension() const { return initialTension_; }
    float rate() const { return rate_; }

private:
    LabelTexts loadsAt(double extension) const;

    float wire_ = 0, mean_ = 0, coils_ = 0, modulus_ = 0, initialTension_ = 0, rate_ = 0;
    double freeLength_ = 0, extension_ = 0, step_ = 0, reached_ = 0;
};

// Form18: conical compression spring on a base plate, reading Form13.
class ConicalLoadTest : public LoadTest {
public:
    ConicalLoadTest();
    LabelTexts start(const FieldReader& read) override;
    LabelTexts tick(const FieldReader& read) override;
    static const Motion& motion();

    double rate() const { return rate_; }

private:
    double freeHeight_ = 0, workingHeight_ = 0, rate_ = 0, deflection_ = 0, step_ = 0, reached_ = 0;
};

} // namespace loadtest
