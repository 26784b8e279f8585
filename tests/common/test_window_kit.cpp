// The window kit: a field table drives the layout, the required test, the reset and the
// mapping to a calculation core; misspelt names fail when the window is built.

#include "common/StringTable.h"
#include "common/ui/Bindings.h"
#include "common/ui/FieldTable.h"
#include "common/ui/FormRegistry.h"
#include "support/FormTest.h"

#include <stdexcept>

namespace {

struct Inputs {
    float d = 0;
    double n = 0;
};
struct Results {
    float load = 0;
    double rate = 0;
};

const ui::InputField kFields[] = {
    {.field = "Text1_0", .captionId = 1333, .unit = "mm", .caption = "Label1", .mark = "Label23_1"},
    {.field = "Text1_1", .captionId = 1373, .unit = "T", .defaultText = "7", .onReset = ui::OnReset::Default},
    {.field = "Text1_2", .captionId = 1370, .need = ui::Need::Optional, .onReset = ui::OnReset::Keep},
    {.field = "Text1_3", .captionId = 1372, .messageId = 1331},
};
const ui::In<Inputs> kRead[] = {{"Text1_0", &Inputs::d}, {"Text1_1", &Inputs::n}};
const ui::Out<Results> kShow[] = {{"Text8", &Results::load, "0.0"}, {"Text9", &Results::rate}};

class KitForm : public FormBase {
public:
    explicit KitForm(const char* misspelt = nullptr) : FormBase(QStringLiteral("KitForm")) {
        ui::grid(this, ui::inputRows(kFields));
        ui::makeEdit(this, QStringLiteral("Text8"));
        ui::makeEdit(this, QStringLiteral("Text9"));
        declare(ui::controlNames(kRead) + ui::controlNames(kShow));
        if (misspelt)
            declare({QString::fromLatin1(misspelt)});
    }
};

const bool registered =
    FormRegistry::registerForm(QStringLiteral("KitForm"), [] { return new KitForm; }) &&
    FormRegistry::registerForm(QStringLiteral("KitFormMisspelt"), [] { return new KitForm("Text1_9"); });

class WindowKit : public FormTest {};

TEST_F(WindowKit, RowsBuildNamedCaptionsUnitsMarksAndDefaults) {
    FormBase* f = open(QStringLiteral("KitForm"));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->text(QStringLiteral("Label1")), StringTable::text(1333));
    EXPECT_EQ(f->text(QStringLiteral("Unit_Text1_0")), QStringLiteral("mm"));
    EXPECT_EQ(f->text(QStringLiteral("Label23_1")), StringTable::text(1368));
    EXPECT_EQ(f->text(QStringLiteral("Mark_Text1_2")), StringTable::text(1377));
    EXPECT_EQ(f->text(QStringLiteral("Text1_1")), QStringLiteral("7"));
}

TEST_F(WindowKit, RequiredTestNamesTheFirstEmptyRequiredFieldInDeclaredOrder) {
    FormBase* f = open(QStringLiteral("KitForm"));
    f->setText(QStringLiteral("Text1_0"), QStringLiteral("1"));
    // Text1_2 is optional and empty; Text1_3 is required and names its own message caption.
    EXPECT_FALSE(ui::requireFilled(f, kFields));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().lastText(), StringTable::text(1383) + StringTable::text(1331));
    prompts().clear();
    // Only the empty text is missing: a zero or a blank counts as filled.
    f->setText(QStringLiteral("Text1_0"), QStringLiteral(" "));
    f->setText(QStringLiteral("Text1_3"), QStringLiteral("0"));
    EXPECT_TRUE(ui::requireFilled(f, kFields));
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(WindowKit, ResetEmptiesRestoresOrKeepsAsDeclared) {
    FormBase* f = open(QStringLiteral("KitForm"));
    for (const char* name : {"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text8"})
        f->setText(QString::fromLatin1(name), QStringLiteral("5"));
    ui::resetFields(f, kFields);
    EXPECT_EQ(f->text(QStringLiteral("Text8")), QStringLiteral("5")) << "a box the table does not list";
    EXPECT_EQ(f->text(QStringLiteral("Text1_0")), QString());
    EXPECT_EQ(f->text(QStringLiteral("Text1_1")), QStringLiteral("7"));
    EXPECT_EQ(f->text(QStringLiteral("Text1_2")), QStringLiteral("5"));
    EXPECT_EQ(f->text(QStringLiteral("Text1_3")), QString());
}

TEST_F(WindowKit, BindingsReadSinglesAndWriteWithPatterns) {
    FormBase* f = open(QStringLiteral("KitForm"));
    f->setText(QStringLiteral("Text1_0"), QStringLiteral("0.1abc"));
    f->setText(QStringLiteral("Text1_1"), QStringLiteral("0.1"));
    const Inputs in = ui::read(f, kRead);
    EXPECT_EQ(in.d, 0.1f);
    EXPECT_EQ(in.n, 0.1);
    // A stored single 725.45 is 725.450012..., which rounds up with one decimal.
    ui::show(f, Results{725.45f, 14.7 / 0.8}, kShow);
    EXPECT_EQ(f->text(QStringLiteral("Text8")), QStringLiteral("725.5"));
    EXPECT_EQ(f->text(QStringLiteral("Text9")), QStringLiteral("18.375"));
}

TEST_F(WindowKit, MisspeltNameFailsWhenTheWindowIsBuilt) {
    try {
        FormRegistry::load(QStringLiteral("KitFormMisspelt"));
        FAIL() << "no error";
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "KitForm has no control named Text1_9");
    }
    EXPECT_EQ(FormRegistry::find(QStringLiteral("KitFormMisspelt")), nullptr);
}

} // namespace
