#include "QuickDesignerTest.h"

#include <QLabel>
#include <QMetaObject>
#include <QTimer>
#include <algorithm>
#include <map>
#include <string>

namespace {

// A complete design of each window, from which the rows of QuickTickKeeps start.
const std::map<std::string, std::vector<ControlText>> kStart = {
    {"Form139", {{"Text1_6", "2"}}},
    {"Form122", {{"Text1_6", "1.2"}}},
    {"Form140", {{"Text1_9", "0.7"}}},
    {"Form143", {{"Text1_4", "20"}, {"Text1_5", "3"}}},
};

} // namespace

void tickOnce(FormBase* form) {
    auto* timer = form->findChild<QTimer*>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr) << qPrintable(form->objectName());
    ASSERT_TRUE(QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection));
}

std::vector<std::pair<QString, QString>> resultTexts(const FormBase* form) {
    std::vector<std::pair<QString, QString>> texts;
    for (const QLineEdit* e : form->findChildren<QLineEdit*>()) {
        if (!e->objectName().isEmpty())
            texts.emplace_back(e->objectName(), e->text());
    }
    for (const QLabel* l : form->findChildren<QLabel*>()) {
        if (!l->objectName().isEmpty())
            texts.emplace_back(l->objectName(), l->text());
    }
    return texts;
}

TEST_P(QuickExample, ShowsTheExpectedTexts) {
    const WindowCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    typeAll(f, c.inputs);
    tickOnce(f);
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    expectTexts(f, c.expected);
    expectNoNonFinite(f);
}

TEST_P(QuickTickKeeps, TheLastResults) {
    const WindowCase& c = GetParam();
    FormBase* f = open(QString::fromLatin1(c.window));
    ASSERT_NE(f, nullptr);
    typeAll(f, kStart.at(c.window));
    tickOnce(f);
    typeAll(f, c.inputs);
    std::vector<std::pair<QString, QString>> before = resultTexts(f);
    tickOnce(f);
    EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
    expectTexts(f, c.expected);
    expectNoNonFinite(f);
    for (const auto& [control, text] : before) {
        const bool named = std::any_of(c.expected.begin(), c.expected.end(), [&](const ControlText& t) {
            return control == QLatin1String(t.control);
        });
        if (!named) {
            EXPECT_EQ(f->text(control), text) << qPrintable(control);
        }
    }
}
