// The array-calculator frame on a probe window: the controls it names, the required test with
// a message text other than the caption, the heading and two-box rows, and results shown up
// to the step where a core faults.

#include "common/CheckedMath.h"
#include "common/ui/ArrayCalculator.h"
#include "common/ui/FormRegistry.h"
#include "support/FormTest.h"

#include <QGroupBox>
#include <cmath>

namespace {

struct Results {
    std::optional<double> rate, load, deflection;
};

const ui::InputField kInputs[] = {
    {.field = "Text1_0",
     .captionId = 1815,
     .unit = "mm",
     .defaultText = "6",
     .messageId = 1333,
     .caption = "Label1"},
    {.field = "Text1_1", .captionId = 1332, .unit = "mm", .defaultText = "0.1", .onReset = ui::OnReset::Keep},
};

const ui::ResultRow kResults[] = {
    {.box = "Text2", .captionId = 1869, .caption = "Label15", .unit = "N/mm"},
    {.captionId = 2107, .caption = "Label34"},
    {.box = "Text3",
     .captionId = 2081,
     .caption = "Label19",
     .unit = "gf",
     .box2 = "Text4",
     .unit2Id = 2083,
     .unit2Name = "Label13"},
    {.box = "Label58", .captionId = 1856, .caption = "Label59", .verdict = true, .boxText = "OK/NG"},
};

const ui::Shown<Results> kShown[] = {
    {"Text2", &Results::rate, "0.00"},
    {"Text3", &Results::load, ""},
    {"Text4", &Results::deflection, "0.0", "(", "mm)"},
};

class FrameProbe : public FormBase {
public:
    FrameProbe() : FormBase(QStringLiteral("FrameProbe")) {
        ui::buildArrayCalculator(
            this,
            {.captionId = 1081,
             .inputs = kInputs,
             .results = kResults,
             .materials = {QStringLiteral("A"), QStringLiteral("B")},
             .extraLabel = "Label51",
             .extraLabelId = 2149,
             .extraLabelBeside = "Text1_1"},
            [this] {
                if (!ui::requireFilled(this, kInputs))
                    return;
                const float in = num::single(number(QStringLiteral("Text1_1")));
                ui::computeThenShow(
                    this,
                    [&] {
                        results.rate = 14.625;
                        results.load = in; // a single: short text "0.1"
                        results.deflection = num::div(1, 0);
                    },
                    results, kShown);
            },
            [this] { ui::resetFields(this, kInputs); });
    }
    Results results;
};

const bool registered =
    FormRegistry::registerForm(QStringLiteral("FrameProbe"), [] { return new FrameProbe; });

class ArrayCalculator : public FormTest {};

TEST_F(ArrayCalculator, BuildsTheNamedControls) {
    FormBase* f = open("FrameProbe");
    EXPECT_EQ(f->windowTitle(), StringTable::text(1081));
    EXPECT_EQ(f->control<QGroupBox>("Frame1")->title(), StringTable::text(1366));
    EXPECT_EQ(f->control<QGroupBox>("Frame2")->title(), StringTable::text(1812));
    EXPECT_EQ(f->text("Label9"), StringTable::text(1375));
    EXPECT_EQ(f->text("Combo1"), "A");
    EXPECT_EQ(f->text("Label1"), StringTable::text(1815));
    EXPECT_EQ(f->text("Text1_1"), "0.1");
    EXPECT_EQ(f->text("Label51"), StringTable::text(2149));
    EXPECT_EQ(f->text("Label34"), StringTable::text(2107));
    EXPECT_EQ(f->text("Unit_Text3"), "gf");
    EXPECT_EQ(f->text("Label13"), StringTable::text(2083));
    EXPECT_EQ(f->text("Label58"), "OK/NG");
    EXPECT_EQ(f->text("Command1"), StringTable::text(1357));
    EXPECT_EQ(f->text("Command4"), StringTable::text(1321));
    EXPECT_EQ(f->text("Command6"), StringTable::text(1315));
    EXPECT_EQ(f->defaultButton(), f->button("Command1"));
}

TEST_F(ArrayCalculator, RequiredTestNamesTheMessageText) {
    FormBase* f = open("FrameProbe");
    type(f, "Text1_0", "");
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1333));
    EXPECT_EQ(f->text("Text2"), "");
}

TEST_F(ArrayCalculator, FaultShowsWhatWasComputedBeforeIt) {
    FormBase* f = open("FrameProbe");
    type(f, "Text4", "old");
    click(f, "Command1");
    EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    EXPECT_EQ(f->text("Text2"), "14.63");
    EXPECT_EQ(f->text("Text3"), "0.1");
    EXPECT_EQ(f->text("Text4"), "old");
}

TEST_F(ArrayCalculator, PatternRoundsTheValueItselfAndShortFormIsSevenDigits) {
    EXPECT_EQ(ui::resultText(double(725.45f), "0.0"), "725.5");
    // The single just below 49.25 reads "49.25" with 7 digits, yet its value rounds down.
    EXPECT_EQ(ui::resultText(double(std::nextafter(49.25f, 0.0f)), "0.0"), "49.2");
    EXPECT_EQ(ui::resultText(double(0.1f), ""), "0.1");
    EXPECT_EQ(ui::resultText(double(65.1f), "0.0", "(", "mm时)"), "(65.1mm时)");
}

TEST_F(ArrayCalculator, ResetFollowsTheFieldTable) {
    FormBase* f = open("FrameProbe");
    click(f, "Command4");
    EXPECT_EQ(f->text("Text1_0"), "");
    EXPECT_EQ(f->text("Text1_1"), "0.1");
}

// The result rows a window declares: read-only boxes unless the window keeps its results in
// its input array, red captions and units, a caption that is the same in every language, and a
// row with neither box nor caption left empty across its five cells.
TEST(ResultRows, CellsByRowAndBoxKind) {
    const ui::ResultRow kRows[] = {
        {.box = "Text2",
         .captionId = 1869,
         .caption = "Label15",
         .unit = "N/mm",
         .red = true,
         .box2 = "Text3"},
        {.box = "Text4", .caption = "Label16", .captionText = "相当于圆线：", .unit = "mm"},
        {},
    };
    for (const ui::ResultBoxes boxes : {ui::ResultBoxes::ReadOnly, ui::ResultBoxes::Editable}) {
        const auto grid = ui::resultGrid(kRows, 1, boxes);
        ASSERT_EQ(grid.size(), 3u);
        const ui::Cell::Kind box = boxes == ui::ResultBoxes::Editable ? ui::Cell::Edit : ui::Cell::ReadOnly;
        ASSERT_EQ(grid[0].size(), 5u);
        EXPECT_EQ(grid[0][0].color, "red");
        EXPECT_EQ(grid[0][1].kind, box);
        EXPECT_EQ(grid[0][2].name, "Unit_Text2");
        EXPECT_EQ(grid[0][2].color, "red");
        EXPECT_EQ(grid[0][3].kind, box);
        EXPECT_EQ(grid[0][3].name, "Text3");
        EXPECT_EQ(grid[1][0].text, QStringLiteral("相当于圆线："));
        EXPECT_TRUE(grid[1][0].color.isEmpty());
        ASSERT_EQ(grid[2].size(), 1u);
        EXPECT_EQ(grid[2][0].kind, ui::Cell::Empty);
        EXPECT_EQ(grid[2][0].columnSpan, 5);
    }
    // Two results to a row: the second row's cells follow the first's.
    EXPECT_EQ(ui::resultGrid(kRows, 2).front().size(), 10u);
}

} // namespace
