#include "shell/Form60.h"

#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "platform/PowerService.h"
#include "shell/Form53.h"
#include "shell/Form60Time.h"

#include <QGridLayout>
#include <QLabel>
#include <QTimer>

namespace {

std::function<QDateTime()> testClock;

QDateTime now() {
    return testClock ? testClock() : QDateTime::currentDateTime();
}

} // namespace

void Form60::setClock(std::function<QDateTime()> c) {
    testClock = std::move(c);
}

Form60::Form60() : FormBase(QStringLiteral("Form60")) {
    setWindowTitle(StringTable::text(1312));
    ui::grid(this, {
                       {ui::literal(QStringLiteral("Label1"), QString(), 2)},
                       {ui::label(QStringLiteral("Label2"), 1788), ui::edit(QStringLiteral("Text1"))},
                       {ui::gap(), ui::button(QStringLiteral("Command1"), 1543)},
                   });
    setText(QStringLiteral("Text1"), shutdowntime::timeText(now().time()));
    onClick(QStringLiteral("Command1"), [this] { confirm(); });

    addTimer(QStringLiteral("Timer1"), 1000, [this] { showClock(); })->start();
    timer2_ = addTimer(QStringLiteral("Timer2"), 1000, [this] { watch(); });
}

void Form60::showClock() {
    const QDateTime t = now();
    setText(QStringLiteral("Label1"), StringTable::text(1040) + shutdowntime::dateText(t.date()) + u'-' +
                                          shutdowntime::timeText(t.time()));
}

void Form60::confirm() {
    const std::optional<QTime> time = shutdowntime::parse(text(QStringLiteral("Text1")));
    if (!time) {
        // A text that is no time of day would never come round: say so instead of waiting.
        prompt::inform(this, StringTable::pick("关机时间无效，请按“时:分:秒”输入，例如 22:00:00。",
                                               "關機時間無效，請按「時:分:秒」輸入，例如 22:00:00。",
                                               "The off time is not valid; type hours:minutes:seconds, "
                                               "for example 22:00:00."));
        field(QStringLiteral("Text1"))->setFocus();
        return;
    }
    shutdownAt_ = shutdowntime::nextOccurrence(*time, now());
    setText(QStringLiteral("Text1"), shutdowntime::timeText(*time));
    timer2_->start();
    prompt::ask(this, {QStringLiteral("SpireltaSpringV2024"), StringTable::text(1041), PromptIcon::None,
                       PromptButtons::Ok});
    field(QStringLiteral("Text1"))->setReadOnly(true);
}

void Form60::watch() {
    if (!shutdownAt_.isValid() || now() < shutdownAt_)
        return;
    // Once only: the request is not repeated while the session answers.
    shutdownAt_ = QDateTime();
    timer2_->stop();
    power::service().request(PowerService::Action::PowerOff, this, [this](const QString& error) {
        if (error.isEmpty())
            return;
        // Refused: the time may be set again.
        field(QStringLiteral("Text1"))->setReadOnly(false);
        prompt::inform(this, powerquestion::refusal(PowerService::Action::PowerOff) + error);
    });
}

SPIRELTA_REGISTER_FORM(Form60)
