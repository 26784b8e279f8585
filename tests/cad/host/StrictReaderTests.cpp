// Every generator of Helidraw's five windows draws into a real host, which saves the drawing
// as DXF; a strict reader (ezdxf, as a CAD program's import would) must open each file, find
// nothing to mend in its audit, and see the entities and key points that were drawn.

#include "HostProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace {

using host::Vec3;

Vec3 vec(const QJsonValue& v) {
    const QJsonArray a = v.toArray();
    return {a.at(0).toDouble(), a.at(1).toDouble(), a.at(2).toDouble()};
}

// What the strict reader saw in one file.
struct Read {
    QJsonObject json;
    QJsonObject at(const char* kind, int i) const { return json.value(kind).toArray().at(i).toObject(); }
    int fitCount(int spline) const { return int(at("splines", spline).value("fit").toArray().size()); }
    Vec3 fit(int spline, int point) const {
        return vec(at("splines", spline).value("fit").toArray().at(point));
    }
    Vec3 centre(int circle) const { return vec(at("circles", circle).value("centre")); }
    double radius(const char* kind, int i) const { return at(kind, i).value("radius").toDouble(); }
    Vec3 arcStart(int arc) const { return vec(at("arcs", arc).value("start")); }
};

void expectNear(const Vec3& actual, const Vec3& expected, double tolerance = 1e-7) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

double axisDistance(const Vec3& p) {
    return std::hypot(p.x, p.y);
}

struct Drawing {
    const char* name;
    const char* window; // none: an empty drawing
    std::vector<ControlText> inputs;
    const char* button;
    int springs;
    std::map<QString, int> counts;
    std::function<void(const Read&)> keyPoints;
};

void PrintTo(const Drawing& d, std::ostream* os) {
    *os << d.name;
}

const std::vector<ControlText> kCompression = {
    {"Text1", "2"}, {"Text2", "20"}, {"Text3", "5.5"}, {"Text4", "40"}};
const std::vector<ControlText> kConical = {
    {"Text1", "2"}, {"Text2", "20"}, {"Text3", "40"}, {"Text4", "5"}, {"Text7", "50"}};
const std::vector<ControlText> kBarrel = {
    {"Text1", "2"}, {"Text2", "10"}, {"Text3", "20"}, {"Text4", "6"}, {"Text7", "50"}};
const std::vector<ControlText> kHooks = {
    {"Text1", "2"}, {"Text2", "20"}, {"Text3", "10.6"}, {"Text4", "16"}, {"Text7", "16"}};
const std::vector<ControlText> kHooks90 = {{"Text1", "2"},  {"Text2", "20"}, {"Text3", "10.6"},
                                           {"Text4", "16"}, {"Text7", "16"}, {"Combo1", "90度"}};
const std::vector<ControlText> kSmallHooks = {
    {"Text1", "1"}, {"Text2", "10"}, {"Text3", "10.3"}, {"Text4", "8"}, {"Text7", "8"}};
const std::vector<ControlText> kSmallHooks90 = {{"Text1", "1"}, {"Text2", "10"}, {"Text3", "10.3"},
                                                {"Text4", "8"}, {"Text7", "8"},  {"Combo1", "90度"}};

const std::map<QString, int> kCoil = {{"CIRCLE", 3}, {"HATCH", 1}, {"SPLINE", 3}};
const std::map<QString, int> kOneCoil = {{"CIRCLE", 1}, {"HATCH", 1}, {"SPLINE", 1}};
const std::map<QString, int> kSide = {{"CIRCLE", 3}, {"SPLINE", 3}};
const std::map<QString, int> kCentre = {{"ARC", 2}, {"CIRCLE", 7}, {"LINE", 2}, {"SPLINE", 3}};
const std::map<QString, int> kCentreAndSide = {{"ARC", 1}, {"CIRCLE", 7}, {"LINE", 1}, {"SPLINE", 3}};
const std::map<QString, int> kGerman = {{"ARC", 4}, {"CIRCLE", 5}, {"SPLINE", 1}};

const Drawing kDrawings[] = {
    {"Empty", nullptr, {}, nullptr, 0, {}, [](const Read&) {}},
    {"Compression_RightHand", "CadCompressionForm", kCompression, "Command3", 1, kCoil,
     [](const Read& r) {
         expectNear(r.fit(1, 100), {-10, 0, 34});
         expectNear(r.centre(0), {10, 0, 34 / 5.5});
         EXPECT_EQ(r.radius("circles", 0), 0.98);
     }},
    {"Compression_LeftHand",
     "CadCompressionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "5.7"}, {"Text4", "40"}, {"Combo1", "左旋"}},
     "Command3",
     1,
     kCoil,
     [](const Read& r) {
         expectNear(r.fit(0, 0), {10, 0, 34});
         expectNear(r.fit(1, 0), {-10, 0, 0});
         expectNear(r.centre(2), {-10, 0, -2});
     }},
    {"Conical_EndTurns", "CadConicalForm", kConical, "Command3", 1, kOneCoil,
     [](const Read& r) {
         ASSERT_EQ(r.fitCount(0), 351);
         expectNear(r.fit(0, 0), {0, 19, 0});
         EXPECT_NEAR(axisDistance(r.fit(0, 350)), 9, 1e-9);
         EXPECT_NEAR(r.fit(0, 350).z, 50 - 2 - 0.08, 1e-9);
         expectNear(r.centre(0), {0, 19, 0});
     }},
    {"Conical_NoEndTurns", "CadConicalForm", kConical, "Command1", 1, kOneCoil,
     [](const Read& r) {
         ASSERT_EQ(r.fitCount(0), 251);
         EXPECT_NEAR(r.fit(0, 250).z, 3 * 44.0 / 5 + 4 * 0.98, 1e-9);
         EXPECT_NEAR(axisDistance(r.fit(0, 250)), 9, 1e-9);
     }},
    {"Barrel", "CadBarrelForm", kBarrel, "Command3", 1, kOneCoil,
     [](const Read& r) {
         ASSERT_EQ(r.fitCount(0), 401);
         EXPECT_NEAR(axisDistance(r.fit(0, 200)), 21.25, 1e-9);
         EXPECT_NEAR(axisDistance(r.fit(0, 0)), 10, 1e-9);
         expectNear(r.centre(0), {0, 10 - 0.02, 0});
     }},
    {"Hourglass", "CadBarrelForm", kBarrel, "Command1", 1, kOneCoil,
     [](const Read& r) {
         ASSERT_EQ(r.fitCount(0), 401);
         EXPECT_NEAR(axisDistance(r.fit(0, 200)), 8.75, 1e-9);
         EXPECT_NEAR(axisDistance(r.fit(0, 0)), 20, 1e-9);
     }},
    {"Torsion",
     "CadTorsionForm",
     {{"Text1", "2"}, {"Text2", "20"}, {"Text3", "5"}, {"Text4", "3"}, {"Combo1", "左旋"}},
     "Command3",
     1,
     {{"CIRCLE", 7}, {"HATCH", 1}, {"SPLINE", 1}},
     [](const Read& r) {
         expectNear(r.fit(0, 0), {-10, 0, 0});
         expectNear(r.fit(0, 100), {-10, 0, 15});
         expectNear(r.centre(0), {-10, 0, 3});
     }},
    {"SideHooks", "CadExtensionForm", kHooks, "Command3", 1, kSide,
     [](const Read& r) {
         expectNear(r.fit(0, 100), {10, 0, 20});
     }},
    {"SideHooks_90", "CadExtensionForm", kHooks90, "Command3", 1, kSide,
     [](const Read& r) {
         expectNear(r.fit(0, 100), {0, 10, 20.5});
     }},
    {"CentreHooks", "CadExtensionForm", kSmallHooks, "Command1", 1, kCentre,
     [](const Read& r) {
         EXPECT_NEAR(r.fit(0, 100).z, 9.936338, 1e-6);
         expectNear(r.arcStart(1), {4.604, -1.954, 9.936338}, 1e-3);
     }},
    {"CentreHooks_90", "CadExtensionForm", kSmallHooks90, "Command1", 1, kCentre,
     [](const Read& r) { EXPECT_NEAR(r.fit(0, 100).z, 10.186338, 1e-6); }},
    {"CentreAndSideHook", "CadExtensionForm", kHooks, "Command2", 1, kCentreAndSide,
     [](const Read& r) {
         EXPECT_NEAR(r.fit(0, 100).z, 19.936338, 1e-6);
         EXPECT_EQ(r.radius("circles", 0), 0.98);
     }},
    {"CentreAndSideHook_90", "CadExtensionForm", kHooks90, "Command2", 1, kCentreAndSide,
     [](const Read& r) { EXPECT_NEAR(r.fit(0, 100).z, (10 - 2 / 3.1415926535 / 20 + 0.25) * 2, 1e-6); }},
    {"GermanHooks", "CadExtensionForm", kHooks, "Command4", 1, kGerman,
     [](const Read& r) {
         EXPECT_EQ(r.radius("arcs", 0), 2);  // bend radius d
         EXPECT_EQ(r.radius("arcs", 1), 10); // loop radius MD/2
         EXPECT_NEAR(r.fit(0, 100).z, 19.872676, 1e-6);
     }},
    {"GermanHooks_90", "CadExtensionForm", kHooks90, "Command4", 1, kGerman,
     [](const Read& r) {
         EXPECT_EQ(r.radius("arcs", 1), 10);
         EXPECT_NEAR(r.fit(0, 100).z, (10 - 4 / 3.1415926535 / 20 + 0.25) * 2, 1e-6);
     }},
    {"TwentySprings",
     "CadCompressionForm",
     kCompression,
     "Command3",
     20,
     {{"CIRCLE", 60}, {"HATCH", 20}, {"SPLINE", 60}},
     [](const Read& r) {
         expectNear(r.fit(58, 100), {-10, 0, 34});
     }},
};

// ezdxf is Debian's package for Debian's interpreter.
Read readStrictly(const QString& path) {
    QProcess python;
    python.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    python.start(QStringLiteral(STRICT_DXF_PYTHON), {QStringLiteral(STRICT_DXF_READER), path});
    EXPECT_TRUE(python.waitForFinished(120000));
    EXPECT_EQ(python.exitCode(), 0);
    return {QJsonDocument::fromJson(python.readAllStandardOutput()).object()};
}

class StrictReader : public HostProcess, public ::testing::WithParamInterface<Drawing> {};

TEST_P(StrictReader, OpensAuditsCleanAndHoldsWhatWasDrawn) {
    const Drawing& d = GetParam();
    if (d.window) {
        FormBase* form = open(QString::fromLatin1(d.window));
        typeAll(form, d.inputs);
        for (int i = 0; i < d.springs; ++i)
            click(form, QString::fromLatin1(d.button));
        ASSERT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    } else {
        ASSERT_TRUE(startIdleHost());
    }
    const QString path = dir.filePath("drawing.dxf");
    const QCborMap reply = callHost("saveDxf", {path});
    ASSERT_TRUE(reply.value("ok").toBool()) << qPrintable(reply.value("error").toString());

    const Read r = readStrictly(path);
    ASSERT_FALSE(r.json.isEmpty());
    ASSERT_FALSE(r.json.contains("error")) << qPrintable(r.json.value("error").toString());
    EXPECT_EQ(r.json.value("version").toString(), QStringLiteral("AC1015"));
    EXPECT_EQ(r.json.value("insunits").toInt(), 4);
    EXPECT_EQ(r.json.value("auditErrors").toArray(), QJsonArray());
    EXPECT_EQ(r.json.value("auditFixes").toArray(), QJsonArray());
    std::map<QString, int> counts;
    const QJsonObject c = r.json.value("counts").toObject();
    for (auto it = c.begin(); it != c.end(); ++it)
        counts[it.key()] = it.value().toInt();
    EXPECT_EQ(counts, d.counts);

    // Each region is a solid hatch bounded by one full circle: its section circle.
    const QJsonArray hatches = r.json.value("hatches").toArray();
    for (qsizetype h = 0; h < hatches.size(); ++h) {
        const QJsonObject hatch = hatches.at(h).toObject();
        EXPECT_EQ(hatch.value("solid").toInt(), 1);
        EXPECT_EQ(hatch.value("edges").toArray(), QJsonArray{QStringLiteral("ARC")});
        const Vec3 centre = vec(hatch.value("centre"));
        bool onACircle = false;
        for (int i = 0; i < counts["CIRCLE"]; ++i) {
            const Vec3 d = r.centre(i) - centre;
            onACircle |= d.length() < 1e-9 && r.radius("circles", i) == hatch.value("radius").toDouble();
        }
        EXPECT_TRUE(onACircle) << "hatch " << h;
    }

    // Both readers see the very doubles of every fit point.
    const DxfContents own = readDxf(path);
    ASSERT_EQ(int(own.splines.size()), counts["SPLINE"]);
    for (int s = 0; s < counts["SPLINE"]; ++s) {
        ASSERT_EQ(size_t(r.fitCount(s)), own.splines[s].fitPoints.size());
        for (int i = 0; i < r.fitCount(s); ++i)
            EXPECT_TRUE(r.fit(s, i) == own.splines[s].fitPoints[i]) << s << "/" << i;
    }
    d.keyPoints(r);
}

INSTANTIATE_TEST_SUITE_P(EveryGenerator, StrictReader, ::testing::ValuesIn(kDrawings),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
