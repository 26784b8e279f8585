// The four load tests without windows: tick sequences, restarts, and what happens when the
// calculator's fields cannot be read or give impossible values.

#include "calc/normal/LoadTest.h"
#include "common/Numbers.h"

#include <QMap>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace loadtest;

namespace loadtest {
// Readable failure messages for drawings.
void PrintTo(const Segment& s, std::ostream* os) {
    *os << "(" << s.x1 << ", " << s.y1 << ")-(" << s.x2 << ", " << s.y2 << ")";
}
void PrintTo(const Drawing& d, std::ostream* os) {
    for (const Segment& s : d.lines)
        PrintTo(s, os), *os << " ";
    for (const Outline& o : d.shapes)
        *os << "[" << o.left << ", " << o.top << " " << o.width << "x" << o.height << "] ";
}
} // namespace loadtest

namespace {

using Fields = QMap<QString, QString>;

// Label texts as one readable line, so that a failure shows which label differs.
std::string shown(const LabelTexts& texts) {
    QStringList parts;
    for (const auto& [name, text] : texts)
        parts << name + u'=' + text;
    return parts.join(QStringLiteral("; ")).toStdString();
}

FieldReader reader(const Fields& fields) {
    return [fields](const QString& name) { return fields.value(name); };
}

const Fields kCompression = {{"Text1_0", "2"},  {"Text1_1", "20"}, {"Text1_2", "8"},
                             {"Text1_4", "50"}, {"Text13", "40"},  {"Text3", "8000"}};
const Fields kTorsion = {{"Text1_0", "2"},  {"Text1_1", "16"}, {"Text1_2", "5"},    {"Text1_6", "20"},
                         {"Text1_7", "20"}, {"Text1_8", "10"}, {"Text11", "21000"}, {"Text27", "270"}};
const Fields kExtension = {{"Text1_0", "2"},  {"Text1_1", "20"}, {"Text1_2", "10"},
                           {"Text1_3", "50"}, {"Text22", "70"},  {"Text12", "8000"}};
const Fields kConical = {{"Text10_0", "2"},  {"Text10_1", "20"}, {"Text10_2", "30"}, {"Text10_3", "5"},
                         {"Text10_4", "40"}, {"Text10_5", "30"}, {"Text10_6", ""},   {"Text5", "8000"}};

struct SequenceCase {
    const char* name;
    std::function<std::unique_ptr<LoadTest>()> make;
    Fields fields;
    LabelTexts atStart;
    std::vector<LabelTexts> ticks; // six animated ticks, then two holding ticks
};

template <class T> std::function<std::unique_ptr<LoadTest>()> maker() {
    return [] { return std::make_unique<T>(); };
}

Fields with(Fields fields, const QString& name, const QString& text) {
    fields[name] = text;
    return fields;
}

LabelTexts compressionTick(const char* height, const char* load) {
    return {{"Label9", load}, {"Label8", height}};
}
LabelTexts torsionTick(const char* angle, const char* torque, const char* force) {
    return {{"Label12", torque}, {"Label9", force}, {"Label8", angle}};
}
LabelTexts extensionTick(const char* length, const char* least, const char* greatest) {
    return {{"Label8", length}, {"Label9", least}, {"Label12", greatest}};
}
LabelTexts conicalTick(const char* height, const char* load) {
    return {{"Label8", height}, {"Label9", load}};
}

const SequenceCase kSequences[] = {
    {"compression: heights rounded after every tick end at 39.8, then hold at 40.0",
     maker<CompressionLoadTest>(),
     kCompression,
     {{"Label8", "50.0"}},
     {compressionTick("48.3", "416.7"), compressionTick("46.6", "833.3"), compressionTick("44.9", "1250.0"),
      compressionTick("43.2", "1666.7"), compressionTick("41.5", "2083.3"), compressionTick("39.8", "2500.0"),
      compressionTick("40.0", "2500.0"), compressionTick("40.0", "2500.0")}},
    {"compression: a working height above the free height raises the height, loads negative",
     maker<CompressionLoadTest>(),
     with(with(kCompression, "Text1_4", "40"), "Text13", "50"),
     {{"Label8", "40.0"}},
     {compressionTick("41.7", "-416.7"), compressionTick("43.4", "-833.3"),
      compressionTick("45.1", "-1250.0"), compressionTick("46.8", "-1666.7"),
      compressionTick("48.5", "-2083.3"), compressionTick("50.2", "-2500.0"),
      compressionTick("50.0", "-2500.0"), compressionTick("50.0", "-2500.0")}},
    {"torsion: angles in steps of 45, torque and force at the first leg (arm radius ignored)",
     maker<TorsionLoadTest>(),
     kTorsion,
     {{"Label7", "270"}, {"Label8", "0"}},
     {torsionTick("45.0", "48.945", "2.447"), torsionTick("90.0", "97.889", "4.894"),
      torsionTick("135.0", "146.834", "7.342"), torsionTick("180.0", "195.779", "9.789"),
      torsionTick("225.0", "244.724", "12.236"), torsionTick("270.0", "293.668", "14.683"),
      torsionTick("270.0", "293.668", "14.683"), torsionTick("270.0", "293.668", "14.683")}},
    {"extension: load band at the working length first, lengths rounded per tick end at 69.8",
     maker<ExtensionLoadTest>(),
     kExtension,
     {{"Label7", "50"}, {"Label8", "70"}, {"Label9", "5256.636"}, {"Label12", "6261.945"}},
     {extensionTick("53.3", "1916.636", "2921.945"), extensionTick("56.6", "2576.636", "3581.945"),
      extensionTick("59.9", "3236.636", "4241.945"), extensionTick("63.2", "3896.636", "4901.945"),
      extensionTick("66.5", "4556.636", "5561.945"), extensionTick("69.8", "5216.636", "6221.945"),
      extensionTick("70", "5256.636", "6261.945"), extensionTick("70", "5256.636", "6261.945")}},
    {"conical: unrounded deflection, holding shows the working height in shortest form",
     maker<ConicalLoadTest>(),
     kConical,
     {{"Label7", "40"}},
     {conicalTick("38.3", "418.563"), conicalTick("36.7", "837.127"), conicalTick("35.0", "1255.690"),
      conicalTick("33.3", "1674.253"), conicalTick("31.7", "2092.816"), conicalTick("30.0", "2511.380"),
      conicalTick("30", "2511.380"), conicalTick("30", "2511.380")}},
    {"conical: a second working height replaces the first",
     maker<ConicalLoadTest>(),
     with(kConical, "Text10_6", "25"),
     {{"Label7", "40"}},
     {conicalTick("37.5", "627.845"), conicalTick("35.0", "1255.690"), conicalTick("32.5", "1883.535"),
      conicalTick("30.0", "2511.380"), conicalTick("27.5", "3139.225"), conicalTick("25.0", "3767.070"),
      conicalTick("25", "3767.070"), conicalTick("25", "3767.070")}},
};

TEST(LoadTestSequence, StartAndTicksShowTheExpectedTexts) {
    for (const SequenceCase& c : kSequences) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<LoadTest> test = c.make();
        const FieldReader read = reader(c.fields);
        EXPECT_EQ(shown(test->start(read)), shown(c.atStart));
        for (std::size_t i = 0; i < c.ticks.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "tick " << i + 1);
            EXPECT_EQ(shown(test->tick(read)), shown(c.ticks[i]));
        }
    }
}

// ---- drawing -------------------------------------------------------------------------------

TEST(LoadTestDrawing, SixTicksReachTheEndPositionAndHoldingKeepsIt) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<LoadTest>()> make;
        Fields fields;
        Motion motion;
    };
    const Case cases[] = {
        {"compression", maker<CompressionLoadTest>(), kCompression, CompressionLoadTest::motion()},
        {"torsion", maker<TorsionLoadTest>(), kTorsion, TorsionLoadTest::motion()},
        {"extension", maker<ExtensionLoadTest>(), kExtension, ExtensionLoadTest::motion()},
        {"conical", maker<ConicalLoadTest>(), kConical, ConicalLoadTest::motion()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<LoadTest> test = c.make();
        const FieldReader read = reader(c.fields);
        test->start(read);
        EXPECT_EQ(test->drawing(), c.motion.start);
        for (int i = 0; i < 5; ++i)
            test->tick(read);
        EXPECT_NE(test->drawing(), c.motion.end());
        test->tick(read);
        EXPECT_EQ(test->drawing(), c.motion.end());
        test->tick(read);
        EXPECT_EQ(test->drawing(), c.motion.end());
    }
}

TEST(LoadTestDrawing, EndPositionsMatchTheSpringAtItsWorkingPoint) {
    // Compression: Line1(1) ends at 2640, the top line at 1740.
    EXPECT_EQ(CompressionLoadTest::motion().end().lines[1], (Segment{480, 2880, 2040, 2640}));
    EXPECT_EQ(CompressionLoadTest::motion().end().lines[7], (Segment{480, 1740, 2040, 1740}));
    // Torsion: the moving leg from (480, 1680) to (1800, 960).
    EXPECT_EQ(TorsionLoadTest::motion().end().lines[1], (Segment{480, 1680, 1800, 960}));
    // Extension: the upper hook's top at 240, the top line from 1320 to 1200.
    EXPECT_EQ(ExtensionLoadTest::motion().end().shapes[0].top, 240);
    EXPECT_EQ(ExtensionLoadTest::motion().end().lines[7], (Segment{720, 1320, 1680, 1200}));
    // Conical: the narrow top line at 1800.
    EXPECT_EQ(ConicalLoadTest::motion().end().lines[7], (Segment{720, 1800, 1680, 1800}));
}

TEST(LoadTestDrawing, TorsionLegStartsShorterThanDrawnAtDesign) {
    TorsionLoadTest test;
    EXPECT_EQ(test.drawing().lines[1], (Segment{360, 1920, 360, 360}));
    test.start(reader(kTorsion));
    EXPECT_EQ(test.drawing().lines[1], (Segment{360, 1920, 360, 600}));
}

TEST(LoadTestRestart, StartingAgainMidwayRunsSixNewAnimatedTicks) {
    CompressionLoadTest test;
    const FieldReader read = reader(kCompression);
    test.start(read);
    test.tick(read);
    test.tick(read);
    test.tick(read);
    EXPECT_EQ(shown(test.start(read)), shown((LabelTexts{{"Label8", "50.0"}})));
    EXPECT_EQ(test.drawing(), CompressionLoadTest::motion().start);
    EXPECT_EQ(shown(test.tick(read)), shown(compressionTick("48.3", "416.7")));
    for (int i = 0; i < 4; ++i)
        test.tick(read);
    EXPECT_EQ(shown(test.tick(read)), shown(compressionTick("39.8", "2500.0")));
    EXPECT_EQ(shown(test.tick(read)), shown(compressionTick("40.0", "2500.0")));
}

// ---- reading the calculator again during ticks ------------------------------------------------

TEST(LoadTestRereading, CompressionHoldingTicksTakeTheFreeHeightAgain) {
    CompressionLoadTest test;
    Fields fields = kCompression;
    test.start(reader(fields));
    for (int i = 0; i < 6; ++i)
        test.tick(reader(fields));
    fields["Text1_4"] = "52"; // recalculated with another free height
    EXPECT_EQ(shown(test.tick(reader(fields))), shown(compressionTick("40.0", "3000.0")));
}

TEST(LoadTestRereading, CompressionLoadLabelIsCopiedOnlyWhenTheWindowLoads) {
    CompressionLoadTest test;
    EXPECT_EQ(shown(test.load(reader(kCompression))), shown((LabelTexts{{"Label7", "50"}})));
    EXPECT_EQ(shown(test.load(reader({}))), shown((LabelTexts{{"Label7", ""}})));
}

TEST(LoadTestRereading, ExtensionTicksAddTheExtensionToTheCurrentFreeLength) {
    ExtensionLoadTest test;
    Fields fields = kExtension;
    test.start(reader(fields));
    fields["Text1_3"] = "60";
    EXPECT_EQ(shown(test.tick(reader(fields))), shown(extensionTick("63.3", "1916.636", "2921.945")));
}

TEST(LoadTestRereading, TorsionAndConicalTicksNeedNothingFromTheCalculator) {
    const FieldReader closed = reader({});
    TorsionLoadTest torsion;
    torsion.start(reader(kTorsion));
    EXPECT_EQ(shown(torsion.tick(closed)), shown(torsionTick("45.0", "48.945", "2.447")));
    ConicalLoadTest conical;
    conical.start(reader(kConical));
    EXPECT_EQ(shown(conical.tick(closed)), shown(conicalTick("38.3", "418.563")));
}

TEST(LoadTestExtension, KeepsItsOwnWireValuesAndUsesItsOwnPi) {
    ExtensionLoadTest test;
    test.start(reader(kExtension));
    EXPECT_EQ(test.wireDiameter(), 2.0f);
    EXPECT_EQ(test.meanDiameter(), 20.0f);
    EXPECT_EQ(test.activeCoils(), 10.0f);
    // 3.14159, not the calculator's 3.1416 (which would give 1256.640).
    EXPECT_EQ(num::formatSingle(test.initialTension(), u"0.000"), "1256.636");
    EXPECT_EQ(test.rate(), 200.0f);
    // A later start with other values replaces them.
    test.start(reader(with(with(kExtension, "Text1_0", "1.5"), "Text1_2", "12")));
    EXPECT_EQ(test.wireDiameter(), 1.5f);
    EXPECT_EQ(test.activeCoils(), 12.0f);
}

// ---- fields that are no numbers --------------------------------------------------------------

TEST(LoadTestUnreadable, StartRefusesEveryFieldReadAsNumberWhenNotANumber) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<LoadTest>()> make;
        Fields fields;
        QStringList numberFields;
    };
    const Case cases[] = {
        {"compression",
         maker<CompressionLoadTest>(),
         kCompression,
         {"Text1_0", "Text1_1", "Text1_2", "Text1_4", "Text13", "Text3"}},
        {"torsion",
         maker<TorsionLoadTest>(),
         kTorsion,
         {"Text1_0", "Text1_1", "Text1_2", "Text1_6", "Text1_7", "Text11", "Text27"}},
        {"extension",
         maker<ExtensionLoadTest>(),
         kExtension,
         {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text22", "Text12"}},
        {"conical",
         maker<ConicalLoadTest>(),
         kConical,
         {"Text10_0", "Text10_1", "Text10_2", "Text10_3", "Text10_4", "Text10_5", "Text5"}},
    };
    for (const Case& c : cases) {
        for (const QString& field : c.numberFields) {
            for (const char* bad : {"", "3/4", "1.2.3"}) {
                SCOPED_TRACE(testing::Message() << c.name << " " << qPrintable(field) << " '" << bad << "'");
                std::unique_ptr<LoadTest> test = c.make();
                const Drawing before = test->drawing();
                try {
                    test->start(reader(with(c.fields, field, bad)));
                    ADD_FAILURE() << "start accepted the field";
                } catch (const UnreadableField& e) {
                    EXPECT_EQ(e.controlName(), field);
                }
                EXPECT_EQ(test->drawing(), before);
            }
        }
    }
}

TEST(LoadTestUnreadable, ConicalSecondHeightIsReadOnlyWhenGiven) {
    ConicalLoadTest test;
    EXPECT_THROW(test.start(reader(with(kConical, "Text10_6", "2/3"))), UnreadableField);
    EXPECT_NO_THROW(test.start(reader(with(kConical, "Text10_6", ""))));
}

TEST(LoadTestUnreadable, TickThatCannotReadChangesNothing) {
    // The compression test reads on its holding ticks, the extension test on every tick.
    CompressionLoadTest compression;
    compression.start(reader(kCompression));
    for (int i = 0; i < 6; ++i)
        compression.tick(reader(kCompression));
    EXPECT_THROW(compression.tick(reader({})), UnreadableField);
    EXPECT_EQ(shown(compression.tick(reader(kCompression))), shown(compressionTick("40.0", "2500.0")));

    ExtensionLoadTest extension;
    extension.start(reader(kExtension));
    EXPECT_THROW(extension.tick(reader(with(kExtension, "Text1_3", ""))), UnreadableField);
    EXPECT_EQ(extension.drawing(), ExtensionLoadTest::motion().start);
    EXPECT_EQ(shown(extension.tick(reader(kExtension))),
              shown(extensionTick("53.3", "1916.636", "2921.945")));
}

TEST(LoadTestFaults, ImpossibleSpringsAreRefusedAtTheStart) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<LoadTest>()> make;
        Fields fields;
    };
    const Case cases[] = {
        {"compression, zero active coils", maker<CompressionLoadTest>(), with(kCompression, "Text1_2", "0")},
        {"compression, zero mean diameter", maker<CompressionLoadTest>(), with(kCompression, "Text1_1", "0")},
        {"torsion, zero first leg (the arm)", maker<TorsionLoadTest>(), with(kTorsion, "Text1_6", "0")},
        {"torsion, zero mean diameter and legs", maker<TorsionLoadTest>(),
         with(with(with(kTorsion, "Text1_1", "0"), "Text1_6", "0"), "Text1_7", "0")},
        {"extension, zero mean diameter", maker<ExtensionLoadTest>(), with(kExtension, "Text1_1", "0")},
        {"extension, zero coils", maker<ExtensionLoadTest>(), with(kExtension, "Text1_2", "0")},
        {"conical, equal outer diameters", maker<ConicalLoadTest>(), with(kConical, "Text10_2", "20")},
        {"conical, zero coils", maker<ConicalLoadTest>(), with(kConical, "Text10_3", "0")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<LoadTest> test = c.make();
        try {
            test->start(reader(c.fields));
            ADD_FAILURE() << "start accepted the spring";
        } catch (const UnreadableField&) {
            ADD_FAILURE() << "reported as unreadable";
        } catch (const num::CalcFault&) {
        }
    }
}

TEST(LoadTestFaults, UnknownMaterialGivesZeroLoadsWithoutFault) {
    CompressionLoadTest test;
    const FieldReader read = reader(with(kCompression, "Text3", "0"));
    test.start(read);
    EXPECT_EQ(shown(test.tick(read)), shown(compressionTick("48.3", "0.0")));
}

} // namespace
