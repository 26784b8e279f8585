// What a client passes a real DrawingHost (offscreen, on a test socket): texts that would break
// the lines of the DXF file, axes that make no plane, file names the system would cut short and
// drawings too large to save or show in time are refused with a reason; what was accepted saves
// as drawn and reads back with a strict reader.

#include "HostProcess.h"

#include "cad/host/DrawingModel.h"
#include "cad/protocol/HostMessages.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <cmath>

namespace {

using host::Vec3;
using hostproto::Point3;

// A refusal's reason in each of the host's languages.
struct Reason {
    const char* zhCN;
    const char* zhTW;
    const char* en;
};

QString inHostLanguage(const Reason& r) {
    return ::inHostLanguage(r.zhCN, r.zhTW, r.en);
}

struct Refused {
    const char* name;
    const char* call;
    QCborArray args;
    Reason reason;
};

const Reason kControlInName{"名称中有控制字符", "名稱中有控制字元", "The name holds a control character"};
const Reason kControlInCommand{"命令中有控制字符", "命令中有控制字元",
                               "The command holds a control character"};
const Reason kEmptyName{"名称为空", "名稱為空", "The name is empty"};
const Reason kLongName{"名称超过 255 个字符", "名稱超過 255 個字元",
                       "The name is longer than 255 characters"};
const Reason kLongCommand{"命令超过 255 个字符", "命令超過 255 個字元",
                          "The command is longer than 255 characters"};
const Reason kBadAxes{"坐标轴为零或相互平行", "座標軸為零或相互平行", "The axes are zero or parallel"};
const Reason kFull{"图形的点数将超过 250000", "圖形的點數將超過 250000",
                   "The drawing would hold more than 250000 points"};

QCborArray ucs(Point3 origin, Point3 x, Point3 y, const QString& name) {
    return {origin.toCbor(), x.toCbor(), y.toCbor(), name};
}
QCborArray squareUcs(const QString& name) {
    return ucs({0, 0, 0}, {8, 0, 0}, {0, 0, 8}, name);
}

// ezdxf, as in the strict reader's tests: what it saw in the file, or {error}.
QJsonObject readStrictly(const QString& path) {
    QProcess python;
    python.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    python.start(QStringLiteral(STRICT_DXF_PYTHON), {QStringLiteral(STRICT_DXF_READER), path});
    EXPECT_TRUE(python.waitForFinished(120000));
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

// Compact text, so that a failure shows what the reader saw.
std::string text(const QJsonValue& v) {
    return QJsonDocument::fromVariant(v.toVariant()).toJson(QJsonDocument::Compact).toStdString();
}

Vec3 vec(const QJsonValue& v) {
    const QJsonArray a = v.toArray();
    return {a.at(0).toDouble(), a.at(1).toDouble(), a.at(2).toDouble()};
}

void expectNear(const Vec3& actual, const Vec3& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
    EXPECT_NEAR(actual.z, expected.z, 1e-9);
}

class HostInput : public HostProcess {
protected:
    void expectRefused(const Refused& r) {
        SCOPED_TRACE(r.name);
        const QCborMap reply = callHost(QString::fromLatin1(r.call), r.args);
        EXPECT_FALSE(reply.value("ok").toBool());
        EXPECT_EQ(reply.value("error").toString(), inHostLanguage(r.reason));
    }
};

TEST_F(HostInput, UnsoundTextsAxesAndFileNamesAreRefusedAndTheDrawingSavesAsDrawn) {
    ASSERT_TRUE(startIdleHost());
    const QString injected = "evil\n  0\nLINE\n  8\nINJECTED\n 10\n0\n 20\n0\n 30\n0\n 11\n9\n 21\n9\n 31\n9";
    const QString cutShort = dir.filePath("a");
    const Refused rows[] = {
        {"records in a name", "addUcs", squareUcs(injected), kControlInName},
        {"empty name", "addUcs", squareUcs(""), kEmptyName},
        {"blank name", "addUcs", squareUcs("   "), kEmptyName},
        {"name of 256 characters", "addUcs", squareUcs(QString(256, u'n')), kLongName},
        {"name of 3,000,000 characters", "addUcs", squareUcs(QString(3000000, u'n')), kLongName},
        {"tab in a name", "addUcs", squareUcs("te\tst"), kControlInName},
        {"delete in a name", "addUcs", squareUcs(QStringLiteral("test\x7f")), kControlInName},
        {"next-line control in a name", "addUcs", squareUcs("test" + QString(QChar(0x85))), kControlInName},
        {"line break in a variable's name", "setVariable", {"pdmode\nLINE", 35}, kControlInName},
        {"empty variable name", "setVariable", {"", 35}, kEmptyName},
        {"variable name of 256 characters", "setVariable", {QString(256, u'v'), 35}, kLongName},
        {"line break in a command", "sendCommand", {"osmode 559\r\nLINE "}, kControlInCommand},
        {"command of 256 characters", "sendCommand", {"osmode " + QString(249, u'5')}, kLongCommand},
        {"zero axis", "addUcs", ucs({1, 1, 1}, {1, 1, 1}, {1, 2, 1}, "z"), kBadAxes},
        {"parallel axes", "addUcs", ucs({0, 0, 0}, {1, 0, 0}, {-3, 0, 0}, "p"), kBadAxes},
        {"axes parallel to the last digit", "addUcs", ucs({0, 0, 0}, {1, 0, 0}, {1, 1e-20, 0}, "p"),
         kBadAxes},
        {"long axes parallel to the last digit", "addUcs",
         ucs({0, 0, 0}, {1e150, 1e150, 0}, {1e150, 1e150, 1e135}, "p"), kBadAxes},
        {"long axes, far from the origin, parallel", "addUcs",
         ucs({-1e150, -1e150, -1e150}, {1e150, 1e150, 1e150}, {0, 0, 0}, "p"), kBadAxes},
        {"NUL in the file name",
         "saveDxf",
         {cutShort + QChar(0) + "b.dxf"},
         {"文件名中有控制字符", "檔名中有控制字元", "The file name holds a control character"}},
        {"empty file name", "saveDxf", {""}, {"文件名为空", "檔名為空", "The file name is empty"}},
    };
    for (const Refused& r : rows)
        expectRefused(r);
    EXPECT_FALSE(QFileInfo::exists(cutShort)) << "a file under the name cut at the NUL";

    // Accepted alongside: the longest name, and axes far too long or short to square as they
    // are, whose circles stand in the plane the axes span.
    const QString longest(255, u'n');
    const struct {
        const char* name;
        QCborArray ucs;
        Vec3 normal;
    } accepted[] = {
        {"square", squareUcs("test"), {0, -1, 0}},
        {"longest name", squareUcs(longest), {0, -1, 0}},
        {"long axes", ucs({0, 0, 0}, {1e150, 1e150, 0}, {-1e150, 1e150, 1e150}, "long"),
         Vec3{1, -1, 2} * (1 / std::sqrt(6.0))},
        {"short axes", ucs({0, 0, 0}, {0, 1e-200, 0}, {0, 0, 1e-200}, "short"), {1, 0, 0}},
    };
    for (const auto& a : accepted) {
        SCOPED_TRACE(a.name);
        const QCborMap made = callHost("addUcs", a.ucs);
        ASSERT_TRUE(made.value("ok").toBool()) << qPrintable(made.value("error").toString());
        ASSERT_TRUE(callHost("addCircle", {Point3{1, 2, 3}.toCbor(), 0.5}).value("ok").toBool());
    }
    ASSERT_TRUE(callHost("sendCommand", {"osmode 559 "}).value("ok").toBool());
    ASSERT_TRUE(callHost("setVariable", {"pdmode", 35}).value("ok").toBool());

    const QString path = dir.filePath("drawing.dxf");
    const QCborMap save = callHost("saveDxf", {path});
    ASSERT_TRUE(save.value("ok").toBool()) << qPrintable(save.value("error").toString());
    const QJsonObject read = readStrictly(path);
    ASSERT_FALSE(read.contains("error")) << qPrintable(read.value("error").toString());
    EXPECT_EQ(text(read.value("auditErrors")), "[]");
    EXPECT_EQ(text(read.value("auditFixes")), "[]");
    EXPECT_EQ(text(read.value("counts")), R"({"CIRCLE":4})");
    EXPECT_EQ(read.value("ucs").toArray(), (QJsonArray{"long", longest, "short", "test"}))
        << text(read.value("ucs"));
    const QJsonArray circles = read.value("circles").toArray();
    ASSERT_EQ(circles.size(), 4);
    for (qsizetype i = 0; i < circles.size(); ++i) {
        SCOPED_TRACE(accepted[i].name);
        const QJsonObject circle = circles.at(i).toObject();
        expectNear(vec(circle.value("normal")), accepted[i].normal);
        expectNear(vec(circle.value("centre")), {1, 2, 3});
    }
}

// One spline of the most points a spline may have, another that fills the drawing up; then
// every kind of entity, and a coordinate system, would pass the limit. The full drawing saves.
TEST_F(HostInput, CallsThatWouldPassTheDrawingsPointLimitAreRefused) {
    ASSERT_TRUE(startIdleHost());
    const QCborArray tangent = Point3{0, 0, 1}.toCbor();
    const auto helix = [](size_t points) {
        QCborArray list;
        for (size_t i = 0; i < points; ++i)
            list << 10 * std::cos(double(i) / 8) << 10 * std::sin(double(i) / 8) << double(i) / 100;
        return list;
    };
    constexpr size_t largest = host::DrawingModel::kMaxSplinePoints;
    for (size_t points : {largest, size_t(250000) - largest}) {
        const QCborMap reply = callHost("addSpline", {helix(points), tangent, tangent});
        ASSERT_TRUE(reply.value("ok").toBool())
            << points << ": " << qPrintable(reply.value("error").toString());
    }
    const Refused rows[] = {
        {"spline", "addSpline", {helix(1), tangent, tangent}, kFull},
        {"line", "addLine", {Point3{0, 0, 0}.toCbor(), Point3{1, 0, 0}.toCbor()}, kFull},
        {"circle", "addCircle", {Point3{0, 0, 0}.toCbor(), 1.0}, kFull},
        {"arc", "addArc", {Point3{0, 0, 0}.toCbor(), 1.0, 0.0, 1.0}, kFull},
        {"coordinate system", "addUcs", squareUcs("test"), kFull},
    };
    for (const Refused& r : rows)
        expectRefused(r);

    const QCborMap save = callHost("saveDxf", {dir.filePath("full.dxf")});
    EXPECT_TRUE(save.value("ok").toBool()) << qPrintable(save.value("error").toString());
}

} // namespace
