#include "platform/CdTray.h"
#include "platform/PowerService.h"
#include "shell/Form60.h"
#include "shell/Form60Time.h"
#include "support/FormTest.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

namespace {

class FakePower : public PowerService {
public:
    void request(Action action, QObject* context, Done done) override {
        requests.append(action);
        QTimer::singleShot(0, context, [done = std::move(done), error = refusal] { done(error); });
    }
    QList<Action> requests;
    QString refusal; // empty: the session accepts
};

class FakeTray : public CdTray {
public:
    void openTray() override { commands.append(QStringLiteral("open")); }
    void closeTray() override { commands.append(QStringLiteral("close")); }
    QStringList commands;
};

class Utilities : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        previousPower = power::install(&fakePower);
        previousTray = cdtray::install(&fakeTray);
        Form60::setClock([this] { return clockNow; });
    }
    void TearDown() override {
        FormTest::TearDown();
        Form60::setClock({});
        cdtray::install(previousTray);
        power::install(previousPower);
    }

    // Runs one tick of a window's timer now.
    static void tick(FormBase* form, const char* timerName) {
        auto* timer = form->findChild<QTimer*>(QString::fromLatin1(timerName));
        ASSERT_NE(timer, nullptr) << timerName;
        QMetaObject::invokeMethod(timer, "timeout");
    }

    FakePower fakePower;
    FakeTray fakeTray;
    PowerService* previousPower = nullptr;
    CdTray* previousTray = nullptr;
    QDateTime clockNow{QDate(2024, 3, 5), QTime(21, 59, 58)};
};

// ---- Fast power-off and restart -------------------------------------------------------------

struct PowerCase {
    const char* form;
    int question;
    PowerService::Action action;
};
const PowerCase powerCases[] = {
    {"Form53", 1042, PowerService::Action::PowerOff},
    {"Form54", 1039, PowerService::Action::Restart},
};

TEST_F(Utilities, PowerQuestionCancelledSwitchesNothingAndShowsTheWindow) {
    for (const PowerCase& c : powerCases) {
        SCOPED_TRACE(c.form);
        prompts().clear();
        prompts().answers = {PromptAnswer::Cancel};
        FormBase* form = open(QString::fromLatin1(c.form));
        ASSERT_NE(form, nullptr);
        flush();
        ASSERT_EQ(prompts().requests.size(), 1);
        const PromptRequest& asked = prompts().requests[0];
        EXPECT_EQ(asked.text, StringTable::text(c.question));
        EXPECT_EQ(asked.title, StringTable::text(1318));
        EXPECT_EQ(asked.icon, PromptIcon::None);
        EXPECT_EQ(asked.buttons, PromptButtons::OkCancel);
        EXPECT_TRUE(fakePower.requests.isEmpty());
        EXPECT_TRUE(form->isVisible());
        // Opening it again only brings it forward.
        EXPECT_EQ(open(QString::fromLatin1(c.form)), form);
        EXPECT_EQ(prompts().requests.size(), 1);
        form->close();
        flush();
    }
}

TEST_F(Utilities, PowerQuestionConfirmedAsksTheSessionOnce) {
    for (const PowerCase& c : powerCases) {
        SCOPED_TRACE(c.form);
        prompts().clear();
        fakePower.requests.clear();
        FormBase* form = open(QString::fromLatin1(c.form));
        flush();
        EXPECT_EQ(fakePower.requests, QList<PowerService::Action>{c.action});
        EXPECT_EQ(prompts().requests.size(), 1); // the question; an accepted request says nothing
        form->close();
        flush();
    }
}

TEST_F(Utilities, RefusedPowerRequestIsReported) {
    fakePower.refusal = QStringLiteral("Interactive authentication required.");
    for (const PowerCase& c : powerCases) {
        SCOPED_TRACE(c.form);
        prompts().clear();
        FormBase* form = open(QString::fromLatin1(c.form));
        flush();
        ASSERT_EQ(prompts().requests.size(), 2);
        EXPECT_TRUE(prompts().requests[1].text.endsWith(fakePower.refusal));
        EXPECT_EQ(prompts().requests[1].title, StringTable::text(1318));
        form->close();
        flush();
    }
}

TEST_F(Utilities, PowerWindowsCaptions) {
    prompts().answers = {PromptAnswer::Cancel, PromptAnswer::Cancel};
    StringTable::setLanguage(Language::EnUS);
    FormBase* off = open(QStringLiteral("Form53"));
    FormBase* restart = open(QStringLiteral("Form54"));
    EXPECT_EQ(off->windowTitle(), QStringLiteral("Fast shutdown PC"));
    EXPECT_EQ(off->text(QStringLiteral("Command1")), QStringLiteral("Fast shutdown PC"));
    EXPECT_EQ(restart->windowTitle(), QStringLiteral("快速重启电脑"));
    EXPECT_EQ(restart->text(QStringLiteral("Command1")), QStringLiteral("Quick Restart PC"));
}

// ---- CD tray --------------------------------------------------------------------------------

TEST_F(Utilities, TrayClosesOnOpeningThenFollowsClicksWithCaptions) {
    FormBase* form = open(QStringLiteral("Form55"));
    EXPECT_EQ(fakeTray.commands, QStringList{QStringLiteral("close")});
    EXPECT_EQ(form->windowTitle(), StringTable::text(1011));
    EXPECT_EQ(form->text(QStringLiteral("Command1")), StringTable::text(1011));
    EXPECT_EQ(form->button(QStringLiteral("Command1"))->toolTip(), QStringLiteral("点击弹出或关闭光驱"));

    click(form, QStringLiteral("Command1"));
    EXPECT_EQ(fakeTray.commands.last(), QStringLiteral("open"));
    EXPECT_EQ(form->text(QStringLiteral("Command1")), QStringLiteral("关闭光驱"));
    click(form, QStringLiteral("Command1"));
    EXPECT_EQ(fakeTray.commands.last(), QStringLiteral("close"));
    EXPECT_EQ(form->text(QStringLiteral("Command1")), QStringLiteral("打开光驱"));
    click(form, QStringLiteral("Command1"));
    EXPECT_EQ(fakeTray.commands, (QStringList{QStringLiteral("close"), QStringLiteral("open"),
                                              QStringLiteral("close"), QStringLiteral("open")}));

    // Each opening starts with the tray closed and the first click opening it.
    form->close();
    flush();
    form = open(QStringLiteral("Form55"));
    EXPECT_EQ(fakeTray.commands.last(), QStringLiteral("close"));
    click(form, QStringLiteral("Command1"));
    EXPECT_EQ(fakeTray.commands.last(), QStringLiteral("open"));
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(Utilities, DriveCommandsWithoutADriveDoNothing) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("sr9"));
    EXPECT_EQ(cdtray::send({missing}, cdtray::Command::Open), cdtray::Outcome::NoDrive);
    EXPECT_EQ(cdtray::send({}, cdtray::Command::Close), cdtray::Outcome::NoDrive);
    // A device that is no drive refuses the command.
    QFile notADrive(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(notADrive.open(QIODevice::WriteOnly));
    notADrive.close();
    EXPECT_EQ(cdtray::send({missing, notADrive.fileName()}, cdtray::Command::Open), cdtray::Outcome::Refused);
}

// ---- Timed shutdown -------------------------------------------------------------------------

TEST_F(Utilities, ShutdownTimeReading) {
    struct Row {
        const char* typed;
        QTime expected; // invalid: refused
    };
    const Row rows[] = {
        {"22:00:00", QTime(22, 0, 0)},
        {" 22:00 ", QTime(22, 0, 0)},
        {"9:05:07", QTime(9, 5, 7)},
        {"09:05", QTime(9, 5, 0)},
        {"10:00:05 PM", QTime(22, 0, 5)},
        {"10:00 am", QTime(10, 0, 0)},
        {"0:00:00", QTime(0, 0, 0)},
        {"23:59:59", QTime(23, 59, 59)},
        {"", QTime()},
        {"22", QTime()},
        {"24:00:00", QTime()},
        {"22:60", QTime()},
        {"22.00.00", QTime()},
        {"22:00:00x", QTime()},
        {"ten", QTime()},
        {"22:00:00 22:00", QTime()},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typed);
        const std::optional<QTime> read = shutdowntime::parse(QString::fromUtf8(r.typed));
        if (r.expected.isValid()) {
            ASSERT_TRUE(read.has_value());
            EXPECT_EQ(*read, r.expected);
        } else {
            EXPECT_FALSE(read.has_value());
        }
    }
}

TEST_F(Utilities, ShutdownTimeTextsFollowTheLanguage) {
    const QTime t(22, 5, 9);
    const QDate d(2024, 3, 5);
    EXPECT_EQ(shutdowntime::timeText(t), QStringLiteral("22:05:09"));
    EXPECT_EQ(shutdowntime::timeText(QTime(9, 5, 9)), QStringLiteral("9:05:09"));
    EXPECT_EQ(shutdowntime::dateText(d), QStringLiteral("2024/3/5"));
    StringTable::setLanguage(Language::ZhTW);
    EXPECT_EQ(shutdowntime::timeText(t), QStringLiteral("下午 10:05:09"));
    EXPECT_EQ(shutdowntime::parse(QStringLiteral("下午 10:05:09")), t);
    StringTable::setLanguage(Language::EnUS);
    EXPECT_EQ(shutdowntime::timeText(t), QStringLiteral("10:05:09 PM"));
    EXPECT_EQ(shutdowntime::dateText(d), QStringLiteral("3/5/2024"));
    EXPECT_EQ(shutdowntime::parse(shutdowntime::timeText(t)), t);
}

TEST_F(Utilities, ShutdownMomentIsTheNextOccurrence) {
    const QDateTime now(QDate(2024, 3, 5), QTime(21, 59, 58, 400));
    EXPECT_EQ(shutdowntime::nextOccurrence(QTime(22, 0), now), QDateTime(QDate(2024, 3, 5), QTime(22, 0)));
    EXPECT_EQ(shutdowntime::nextOccurrence(QTime(8, 0), now), QDateTime(QDate(2024, 3, 6), QTime(8, 0)));
    // The very second of confirming is already past.
    EXPECT_EQ(shutdowntime::nextOccurrence(QTime(21, 59, 58), now),
              QDateTime(QDate(2024, 3, 6), QTime(21, 59, 58)));
}

TEST_F(Utilities, TimedShutdownLoadsWithTheTimeAndShowsTheClock) {
    FormBase* form = open(QStringLiteral("Form60"));
    EXPECT_EQ(form->windowTitle(), StringTable::text(1312));
    EXPECT_EQ(form->text(QStringLiteral("Label2")), StringTable::text(1788));
    EXPECT_EQ(form->text(QStringLiteral("Command1")), StringTable::text(1543));
    EXPECT_EQ(form->text(QStringLiteral("Text1")), QStringLiteral("21:59:58"));
    auto* timer1 = form->findChild<QTimer*>(QStringLiteral("Timer1"));
    auto* timer2 = form->findChild<QTimer*>(QStringLiteral("Timer2"));
    ASSERT_TRUE(timer1 && timer2);
    EXPECT_TRUE(timer1->isActive());
    EXPECT_EQ(timer1->interval(), 1000);
    EXPECT_FALSE(timer2->isActive());
    EXPECT_EQ(timer2->interval(), 1000);

    clockNow = clockNow.addSecs(1);
    tick(form, "Timer1");
    EXPECT_EQ(form->text(QStringLiteral("Label1")), QStringLiteral("当前时间是:2024/3/5-21:59:59"));
}

TEST_F(Utilities, TimeThatCanNeverComeIsRefusedOnConfirming) {
    FormBase* form = open(QStringLiteral("Form60"));
    for (const char* typed : {"22", "25:00:00", "", "22-00-00"}) {
        SCOPED_TRACE(typed);
        prompts().clear();
        type(form, QStringLiteral("Text1"), QString::fromLatin1(typed));
        click(form, QStringLiteral("Command1"));
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_NE(prompts().lastText(), StringTable::text(1041));
        EXPECT_EQ(prompts().requests[0].icon, PromptIcon::Information);
        EXPECT_FALSE(form->field(QStringLiteral("Text1"))->isReadOnly());
        EXPECT_FALSE(form->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
    }
}

TEST_F(Utilities, ConfirmedTimeFiresAtFirstTickAtOrAfterIt) {
    FormBase* form = open(QStringLiteral("Form60"));
    type(form, QStringLiteral("Text1"), QStringLiteral("22:00"));
    click(form, QStringLiteral("Command1"));
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().requests[0].text, StringTable::text(1041));
    EXPECT_EQ(prompts().requests[0].icon, PromptIcon::None);
    EXPECT_EQ(prompts().requests[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(prompts().requests[0].title, QStringLiteral("SpireltaSpringV2024"));
    EXPECT_TRUE(form->field(QStringLiteral("Text1"))->isReadOnly());
    EXPECT_EQ(form->text(QStringLiteral("Text1")), QStringLiteral("22:00:00"));
    EXPECT_TRUE(form->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());

    clockNow = QDateTime(QDate(2024, 3, 5), QTime(21, 59, 59, 900));
    tick(form, "Timer2");
    flush();
    EXPECT_TRUE(fakePower.requests.isEmpty());

    // The tick of 22:00:00 came late (a busy or sleeping machine): the next one still fires.
    clockNow = QDateTime(QDate(2024, 3, 5), QTime(22, 0, 3));
    tick(form, "Timer2");
    flush();
    EXPECT_EQ(fakePower.requests, QList<PowerService::Action>{PowerService::Action::PowerOff});
    EXPECT_FALSE(form->findChild<QTimer*>(QStringLiteral("Timer2"))->isActive());
    tick(form, "Timer2");
    flush();
    EXPECT_EQ(fakePower.requests.size(), 1);
    EXPECT_EQ(prompts().requests.size(), 1);
}

TEST_F(Utilities, ConfirmedOpeningTimeFiresOnlyTheNextDay) {
    clockNow = QDateTime(QDate(2024, 3, 5), QTime(10, 0, 0, 300));
    FormBase* form = open(QStringLiteral("Form60"));
    clockNow = clockNow.addSecs(5);
    click(form, QStringLiteral("Command1"));
    for (const QDateTime& at :
         {QDateTime(QDate(2024, 3, 5), QTime(10, 0, 6)), QDateTime(QDate(2024, 3, 5), QTime(23, 59, 59)),
          QDateTime(QDate(2024, 3, 6), QTime(9, 59, 59))}) {
        clockNow = at;
        tick(form, "Timer2");
    }
    flush();
    EXPECT_TRUE(fakePower.requests.isEmpty());
    clockNow = QDateTime(QDate(2024, 3, 6), QTime(10, 0, 0));
    tick(form, "Timer2");
    flush();
    EXPECT_EQ(fakePower.requests.size(), 1);
}

TEST_F(Utilities, ClosingTheWindowCancelsTheShutdown) {
    FormBase* form = open(QStringLiteral("Form60"));
    type(form, QStringLiteral("Text1"), QStringLiteral("22:00:00"));
    click(form, QStringLiteral("Command1"));
    form->close();
    flush();
    clockNow = QDateTime(QDate(2024, 3, 5), QTime(22, 0, 1));
    QTest::qWait(1300); // more than one period of the real timers
    EXPECT_TRUE(fakePower.requests.isEmpty());
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form60")), nullptr);
}

TEST_F(Utilities, RefusedTimedShutdownIsReportedAndTheTimeCanBeSetAgain) {
    fakePower.refusal = QStringLiteral("Access denied");
    FormBase* form = open(QStringLiteral("Form60"));
    type(form, QStringLiteral("Text1"), QStringLiteral("22:00:00"));
    click(form, QStringLiteral("Command1"));
    clockNow = QDateTime(QDate(2024, 3, 5), QTime(22, 0, 0));
    tick(form, "Timer2");
    EXPECT_EQ(prompts().requests.size(), 1); // never a box inside the tick
    flush();
    ASSERT_EQ(prompts().requests.size(), 2);
    EXPECT_TRUE(prompts().lastText().endsWith(QStringLiteral("Access denied")));
    EXPECT_FALSE(form->field(QStringLiteral("Text1"))->isReadOnly());
}

} // namespace
