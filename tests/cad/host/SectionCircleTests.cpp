// The section circle of a conical or barrel spring stands across its own wire whatever user
// coordinate system an earlier spring left active, and that system stays active after it.
// Helidraw's drawing steps run against the host's own call handling, in process.

#include "cad/CoilDrawings.h"
#include "cad/host/HostCalls.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

class InProcessHost : public cad::CadHost {
public:
    explicit InProcessHost(host::DrawingModel& model) : calls_(model) {}
    void attach() override {}

protected:
    QCborValue invoke(const QString& call, const QCborArray& args) override {
        const QCborMap reply = calls_.handle(hostproto::request(call, args));
        if (!reply.value(QStringLiteral("ok")).toBool())
            throw cad::HostError(call, reply.value(QStringLiteral("error")).toString());
        return reply.value(QStringLiteral("result"));
    }

private:
    host::HostCalls calls_;
};

struct SectionCase {
    const char* name;
    std::function<void(cad::CadHost&)> draw;
    host::Vec3 centre; // where the helix starts
};

const SectionCase kSections[] = {
    {"Conical",
     [](cad::CadHost& h) {
         cad::drawConical(h, {2, 20, 40, 5, 50, QStringLiteral("右旋"), true});
     },
     {0, 19, 0}},
    {"Barrel",
     [](cad::CadHost& h) {
         cad::drawBarrel(h, {2, 10, 20, 6, 50, QStringLiteral("左旋"), true});
     },
     {0, 9.98, 0}},
};

void PrintTo(const SectionCase& c, std::ostream* os) {
    *os << c.name;
}

class SectionAfterCompression : public ::testing::TestWithParam<SectionCase> {};

TEST_P(SectionAfterCompression, LiesAcrossTheWireAndLeavesTheSystemActive) {
    host::DrawingModel model;
    InProcessHost host(model);
    cad::CadHost::forgetActiveUcs();
    cad::drawCompression(host, {2, 20, 5.5, 40, 1, 1, QStringLiteral("右旋")});
    const host::Id test = model.activeUcs();
    ASSERT_NE(test, 0);

    GetParam().draw(host);
    const auto* region = std::get_if<host::Region>(&model.entity(model.order().back()));
    ASSERT_NE(region, nullptr);
    // The turn is by π as 3.1415926535, a quarter turn to within 5e-11.
    EXPECT_NEAR(region->circle.normal.x, -1, 1e-9);
    EXPECT_NEAR(region->circle.normal.y, 0, 1e-9);
    EXPECT_NEAR(region->circle.normal.z, 0, 1e-9);
    EXPECT_NEAR(region->circle.centre.x, GetParam().centre.x, 1e-12);
    EXPECT_NEAR(region->circle.centre.y, GetParam().centre.y, 1e-12);
    EXPECT_NEAR(region->circle.centre.z, GetParam().centre.z, 1e-12);
    EXPECT_EQ(model.activeUcs(), test);
}

INSTANTIATE_TEST_SUITE_P(Helidraw, SectionAfterCompression, ::testing::ValuesIn(kSections),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
