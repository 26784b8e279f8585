// The run over every window fails on a caption, message or picture that the program does not
// hold: throwaway windows that ask for one are run through it, next to one that asks for none.

#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "support/EveryWindow.h"

#include <QLabel>
#include <gtest/gtest-spi.h>

namespace {

// No row of the string table has this id.
constexpr int kNoSuchText = 999999;
const QString kPicture = QStringLiteral(":/pictures/noncoil/circlip.svg");

// A caption, a message box on Command1 and a picture, each of which may be missing.
class ThrowawayWindow : public FormBase {
public:
    ThrowawayWindow(const QString& name, int captionId, int messageId, const QString& picture)
        : FormBase(name) {
        ui::grid(this, {{ui::label(QStringLiteral("Label1"), captionId), ui::edit(QStringLiteral("Text1"))},
                        {ui::widget(ui::makePicture(this, QStringLiteral("Image1"), picture)),
                         ui::button(QStringLiteral("Command1"), 1318)}});
        onClick(QStringLiteral("Command1"),
                [this, messageId] { prompt::inform(this, StringTable::text(messageId)); });
    }
};

struct ThrowawayCase {
    const char* name;
    int captionId;
    int messageId;
    QString picture;
    const char* failure; // what the run says, or nullptr when it passes
};

const ThrowawayCase kCases[] = {
    {"SoundWindow", 1333, 1035, kPicture, nullptr},
    {"CaptionMissing", kNoSuchText, 1035, kPicture,
     "when built asked the string table for ids it does not hold: 999999"},
    {"MessageMissing", 1333, kNoSuchText, kPicture,
     "when its buttons were pressed asked the string table for ids it does not hold: 999999"},
    {"PictureMissing", 1333, 1035, QStringLiteral(":/pictures/noncoil/no-such-picture.svg"),
     "when built asked for pictures that do not load: :/pictures/noncoil/no-such-picture.svg"},
};

const bool registered = [] {
    for (const ThrowawayCase& c : kCases) {
        FormRegistry::registerForm(QString::fromLatin1(c.name), [c] {
            return new ThrowawayWindow(QString::fromLatin1(c.name), c.captionId, c.messageId, c.picture);
        });
    }
    return true;
}();

const ThrowawayCase& caseNamed(const std::string& name) {
    for (const ThrowawayCase& c : kCases)
        if (name == c.name)
            return c;
    throw std::out_of_range(name);
}

class EveryWindowChecks : public EveryWindow {};

TEST_P(EveryWindowChecks, FailsOnWhatTheProgramDoesNotHold) {
    const ThrowawayCase& c = caseNamed(GetParam());
    ::testing::TestPartResultArray failures;
    {
        const ::testing::ScopedFakeTestPartResultReporter catcher(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
        exercise();
    }
    std::vector<std::string> said;
    for (int i = 0; i < failures.size(); ++i)
        said.emplace_back(failures.GetTestPartResult(i).message());
    if (!c.failure) {
        EXPECT_TRUE(said.empty()) << said.front();
        return;
    }
    EXPECT_TRUE(
        std::any_of(said.begin(), said.end(),
                    [&](const std::string& message) { return message.find(c.failure) != std::string::npos; }))
        << "the run said:\n"
        << ::testing::PrintToString(said);
}

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    for (const ThrowawayCase& c : kCases)
        names.push_back(c.name);
    return names;
}

INSTANTIATE_TEST_SUITE_P(Throwaway, EveryWindowChecks, ::testing::ValuesIn(caseNames()), windowName);

} // namespace
