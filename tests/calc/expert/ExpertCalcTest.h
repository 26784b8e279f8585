#pragma once
// Fixture of the expert-mode calculator tests that open one window before each test: typing and
// calculating, markers that show which boxes a calculation leaves alone, the notices a stopped
// calculation shows, and the trips to the normal-mode twin and the reference windows.

#include "calc/normal/NormalCalcTest.h"
#include "support/WindowCases.h"

#include <QLineEdit>
#include <QTest>
#include <ostream>

namespace expertcalc {

using Texts = std::vector<std::pair<QString, QString>>;

// Rows of the shared tables as the texts this fixture types and compares.
inline Texts texts(const std::vector<ControlText>& rows) {
    Texts result;
    for (const ControlText& row : rows)
        result.emplace_back(QString::fromLatin1(row.control), QString::fromUtf8(row.text));
    return result;
}

// A window's input left empty, named after the input, and the caption the notice names it by.
inline RequiredCase required(const char* window, const char* field, int captionId) {
    return RequiredCase{field, window, {{field, ""}}, captionId};
}

// Inputs that make a step fail, the boxes written before that step and those after it.
struct FaultyStepCase {
    const char* name;
    Texts changes;
    QStringList written;
    QStringList untouched;
};

// Names the case in test listings.
inline void PrintTo(const FaultyStepCase& c, std::ostream* os) {
    *os << c.name;
}

class ExpertCalcTest : public NormalCalcTest {
protected:
    ExpertCalcTest(QString formName, QString calculateButton)
        : formName(std::move(formName)), calculateButton(std::move(calculateButton)) {}

    void SetUp() override {
        NormalCalcTest::SetUp();
        form = open(formName);
        ASSERT_NE(form, nullptr);
    }

    void typeAndCalculate(const Texts& inputs) {
        typeAll(form, inputs);
        click(form, calculateButton);
    }

    // Puts a marker into boxes, so that a test sees which ones a calculation leaves alone.
    void mark(const QStringList& names) {
        for (const QString& name : names)
            form->setText(name, QStringLiteral("earlier"));
    }
    void expectMarked(const QStringList& names) {
        for (const QString& name : names)
            EXPECT_EQ(form->text(name), QStringLiteral("earlier")) << qPrintable(name);
    }

    // The only message box shown must be the notice naming an input left empty by its caption.
    static void expectOnlyMissingInputNotice(int captionId) {
        ASSERT_EQ(prompts().requests.size(), 1);
        const PromptRequest& r = prompts().requests.first();
        EXPECT_EQ(r.text, StringTable::text(1383) + StringTable::text(captionId));
        EXPECT_EQ(r.title, StringTable::text(1318));
        EXPECT_EQ(r.icon, PromptIcon::Information);
    }

    // The only message box shown must be the input error that stops a calculation.
    static void expectOnlyInputError() {
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_EQ(prompts().lastText(), StringTable::text(1035));
    }

    // Activation focuses the first field; Down in the last field wraps to the first input, and
    // Enter there calculates the spring.
    void expectKeysWrapAndEnterCalculates(const QString& focused, const QString& last, const QString& wrapped,
                                          const Texts& spring, const QString& resultBox,
                                          const QString& result) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(form));
        EXPECT_EQ(QApplication::focusWidget(), form->field(focused));
        QLineEdit* lastField = form->field(last);
        lastField->setFocus();
        QTest::keyClick(lastField, Qt::Key_Down);
        EXPECT_TRUE(form->field(wrapped)->hasFocus());

        typeAll(form, spring);
        QTest::keyClick(form->field(wrapped), Qt::Key_Return);
        EXPECT_EQ(form->text(resultBox), result);
    }

    // The mode button closes this window for its normal-mode twin, whose own mode button comes
    // back to a new window: what was typed is gone and the modulus shows its default.
    void expectModeSwitchRoundTrip(const QString& twin, const QString& modeButton, const QString& typedField,
                                   const QString& modulusField, const QString& modulus) {
        form->setText(typedField, QStringLiteral("3"));
        click(form, modeButton);
        flush();
        EXPECT_EQ(FormRegistry::find(formName), nullptr);
        FormBase* normal = FormRegistry::find(twin);
        ASSERT_NE(normal, nullptr);
        EXPECT_TRUE(normal->isVisible());

        click(normal, modeButton);
        flush();
        EXPECT_EQ(FormRegistry::find(twin), nullptr);
        FormBase* expert = FormRegistry::find(formName);
        ASSERT_NE(expert, nullptr);
        EXPECT_EQ(expert->text(typedField), QString());
        EXPECT_EQ(expert->text(modulusField), modulus);
    }

    const QString formName;
    const QString calculateButton;
    FormBase* form = nullptr;
};

} // namespace expertcalc
