// The main window: load step, marquee and clock, status scroller, background clicks, the exit
// question, closing, the notification area and the single-copy check.

#include "common/CheckedMath.h"
#include "shell/Form1Background.h"
#include "shell/Form1Ticker.h"
#include "shell/HelpViewer.h"
#include "support/PlantedFolders.h"
#include "test_main_window_support.h"

#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <iostream>

namespace {

using MainWindowTest = ShellTest;

QTimer* timer(Form1* form, const char* name) {
    return form->findChild<QTimer*>(QString::fromLatin1(name));
}

QString panel(Form1* form, int i) {
    return form->findChild<QLabel*>(QStringLiteral("Panel%1").arg(i))->text();
}

} // namespace

TEST_F(MainWindowTest, LoadSetsCaptionsTimersAndStatusBar) {
    for (Language language : {Language::ZhCN, Language::EnUS}) {
        StringTable::setLanguage(language);
        auto* form = open<Form1>(QStringLiteral("Form1"));
        ASSERT_NE(form, nullptr);
        const bool en = language == Language::EnUS;
        EXPECT_EQ(form->windowTitle(),
                  en ? QStringLiteral("Spirelta Spring Design software -V2024")
                     : QStringLiteral("Quarnet弹簧设计软件-Spirelta Spring Design-V2024"));
        auto* label1 = form->findChild<QLabel*>(QStringLiteral("Label1"));
        EXPECT_EQ(label1->text(), en ? QStringLiteral("welcome to Spirelta spring design!")
                                     : QStringLiteral("欢迎使用Quarnet弹簧设计软件！"));
        EXPECT_EQ(label1->font().family(), en ? QStringLiteral("Tahoma") : QStringLiteral("宋体"));
        EXPECT_TRUE(label1->font().bold());
        // The label starts above the client area, out of sight.
        EXPECT_EQ(label1->geometry(), QRect(904, -56, 286, 21));
        EXPECT_EQ(form->marqueeLeft(), 13560);
        EXPECT_EQ(form->findChild<QStatusBar*>(QStringLiteral("StatusBar1"))->font().family(),
                  en ? QStringLiteral("Tahoma") : QStringLiteral("宋体"));
        EXPECT_EQ(panel(form, 1), StringTable::text(1316));
        EXPECT_FALSE(panel(form, 1).isEmpty());
        EXPECT_EQ(form->findChild<QLabel*>(QStringLiteral("Panel1"))->width(), 200);

        EXPECT_TRUE(timer(form, "Timer1")->isActive());
        EXPECT_EQ(timer(form, "Timer1")->interval(), 1000);
        EXPECT_TRUE(timer(form, "Timer2")->isActive());
        EXPECT_EQ(timer(form, "Timer2")->interval(), 200);
        EXPECT_TRUE(prompts().requests.isEmpty());
        form->close();
        flush();
    }
}

TEST_F(MainWindowTest, MarqueeRunsLeftThenJumpsToTheWindowWidth) {
    Form1* form = openMain();
    ASSERT_NE(form, nullptr);
    auto* label1 = form->findChild<QLabel*>(QStringLiteral("Label1"));

    form->marqueeTick();
    EXPECT_EQ(timer(form, "Timer1")->interval(), 30);
    EXPECT_EQ(form->marqueeLeft(), 13540);
    EXPECT_FALSE(panel(form, 2).isEmpty());

    QList<int> lefts{form->marqueeLeft()};
    while (form->marqueeLeft() > -4320 && lefts.size() < 2000) {
        form->marqueeTick();
        lefts.append(form->marqueeLeft());
    }
    // 13540, 13520, ..., -4300, -4320: every step 20 twips, -4300 itself still moves on.
    EXPECT_EQ(lefts.size(), (13540 + 4320) / 20 + 1);
    EXPECT_EQ(lefts.last(), -4320);
    EXPECT_EQ(lefts[lefts.size() - 2], -4300);
    EXPECT_EQ(label1->x(), qRound(-4320 / 15.0));
    EXPECT_EQ(label1->y(), -56);

    form->marqueeTick();
    EXPECT_EQ(form->marqueeLeft(), form->widthTwips());
    EXPECT_EQ(form->widthTwips(), form->frameGeometry().width() * 15);
    form->marqueeTick();
    EXPECT_EQ(form->marqueeLeft(), form->widthTwips() - 20);
}

TEST(MarqueeSteps, MovesTwentyTwipsUntilStrictlyPastTheLimit) {
    struct Row {
        int left, width, next;
    } rows[] = {
        {13560, 15450, 13540}, {-4280, 15450, -4300}, {-4300, 15450, -4320},
        {-4320, 15450, 15450}, {-4301, 12000, 12000}, {0, 15450, -20},
    };
    for (const Row& r : rows)
        EXPECT_EQ(form1::nextMarqueeLeft(r.left, r.width), r.next) << r.left;
}

TEST(StatusScroller, SpaceCountRoundsHalvesToEven) {
    struct Row {
        double panel, space;
        int spaces;
    } rows[] = {
        {3000, 120, 25}, {3000, 240, 12}, {3000, 400, 8}, {3000, 96, 31}, {3000, 133.3, 23}, {3000, 6000, 0},
    };
    for (const Row& r : rows)
        EXPECT_EQ(form1::scrollerSpaceCount(r.panel, r.space), r.spaces) << r.space;
    EXPECT_THROW(form1::scrollerSpaceCount(3000, 0), num::CalcFault);
}

TEST(StatusScroller, PanelIsEmptyForExactlyOneTickPerCycle) {
    form1::StatusScroll scroll;
    const QString welcome = QStringLiteral("Welcome");
    // 3000 / 400 = 7.5 goes to 8 spaces.
    QString text = scroll.tick(welcome, 3000, 400);
    EXPECT_EQ(scroll.buffer(), QString(8, u' ') + welcome);
    EXPECT_EQ(text, scroll.buffer().mid(1));

    const qsizetype cycle = scroll.buffer().size() + 1;
    QList<QString> seen{text};
    for (int i = 0; i < 3 * cycle; ++i) {
        text = scroll.tick(text, 3000, 400);
        seen.append(text);
    }
    QList<int> empties;
    for (int i = 0; i < seen.size(); ++i)
        if (seen[i].isEmpty())
            empties.append(i);
    ASSERT_GE(empties.size(), 3);
    for (int i = 1; i < empties.size(); ++i)
        EXPECT_EQ(empties[i] - empties[i - 1], cycle);
    // After the empty tick the whole buffer comes back, then loses one character per tick.
    EXPECT_EQ(seen[empties[0] + 1], scroll.buffer());
    EXPECT_EQ(seen[empties[0] + 2], scroll.buffer().mid(1));
    // The buffer is built once: a text changed later does not rebuild it.
    scroll.tick(QStringLiteral("other"), 3000, 100);
    EXPECT_EQ(scroll.buffer(), QString(8, u' ') + welcome);
}

TEST_F(MainWindowTest, ScrollerStartsFromTheWelcomeTextOfPanelOne) {
    Form1* form = openMain();
    ASSERT_NE(form, nullptr);
    const QString welcome = panel(form, 1);
    form->scrollerTick();
    const QString first = panel(form, 1);
    ASSERT_FALSE(first.isEmpty());
    EXPECT_TRUE(first.endsWith(welcome));
    EXPECT_TRUE(first.trimmed() == welcome.trimmed());
    int ticks = 0;
    while (!panel(form, 1).isEmpty() && ticks < 1000) {
        form->scrollerTick();
        ++ticks;
    }
    EXPECT_EQ(ticks, first.size());
    // Empty for one tick, then the whole buffer again: the spaces that fill the panel first.
    form->scrollerTick();
    EXPECT_EQ(panel(form, 1), QString(u' ') + first);
}

TEST(ClockText, ShowsSecondsWithoutAZoneName) {
    for (const char* name : {"C", "en_US", "zh_CN", "de_DE"}) {
        const QString text = form1::clockText(QTime(14, 3, 9), QLocale(QString::fromLatin1(name)));
        EXPECT_TRUE(text.contains(QStringLiteral("03"))) << name << " " << qPrintable(text);
        EXPECT_TRUE(text.contains(QStringLiteral("09"))) << name << " " << qPrintable(text);
        EXPECT_FALSE(text.contains(QLatin1Char('t'))) << name << " " << qPrintable(text);
        EXPECT_FALSE(text.contains(QStringLiteral("UTC"))) << name << " " << qPrintable(text);
    }
}

TEST_F(MainWindowTest, BackgroundClicksPopUpTheMenuOrPointToTheButtons) {
    Form1* form = openMain();
    ASSERT_NE(form, nullptr);
    auto* client = form->findChild<QWidget*>(QStringLiteral("Form1Client"));
    QMenu* pop = form->menu(QStringLiteral("PopMenu"));
    const QPoint bare(500, 620);
    ASSERT_EQ(client->childAt(bare), nullptr);

    QTest::mousePress(client, Qt::LeftButton, {}, bare);
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().requests[0].title, QStringLiteral("提示"));
    EXPECT_EQ(prompts().requests[0].text, QStringLiteral("请对准左边按钮按"));
    EXPECT_EQ(prompts().requests[0].icon, PromptIcon::Information);
    EXPECT_EQ(prompts().requests[0].buttons, PromptButtons::Ok);
    EXPECT_FALSE(pop->isVisible());

    // Presses on a hot spot or the toolbar stay there.
    for (const char* name : {"Label2", "Label11", "Toolbar1", "StatusBar1"}) {
        auto* child = form->findChild<QWidget*>(QString::fromLatin1(name));
        ASSERT_NE(child, nullptr) << name;
        QTest::mousePress(child, Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseRelease(child, Qt::RightButton, {}, QPoint(5, 5));
        EXPECT_FALSE(pop->isVisible()) << name;
    }
    EXPECT_EQ(prompts().requests.size(), 1);

    QTest::mousePress(client, Qt::RightButton, {}, bare);
    EXPECT_TRUE(pop->isVisible());
    // Left-aligned at the pointer (a small screen may push it up).
    EXPECT_EQ(pop->pos().x(), client->mapToGlobal(bare).x());
    pop->close();
    QTest::mousePress(client, Qt::MiddleButton, {}, bare);
    EXPECT_FALSE(pop->isVisible());
    EXPECT_EQ(prompts().requests.size(), 1);
}

TEST_F(MainWindowTest, HotSpotClickRunsItsCommand) {
    registerStandIn(QStringLiteral("Form9"));
    Form1* form = openMain();
    ASSERT_NE(form, nullptr);
    auto* spot = form->findChild<QLabel*>(QStringLiteral("Label3"));
    QTest::mouseClick(spot, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form9")), nullptr);
    QTest::mouseClick(spot, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_NE(FormRegistry::find(QStringLiteral("Form9")), nullptr);
}

TEST_F(MainWindowTest, ExitQuestionCancelKeepsEveryWindowAndOkClosesAll) {
    registerStandIn(QStringLiteral("Form8"));
    registerStandIn(QStringLiteral("Form63"));
    for (const char* exitControl : {"tuichu", "tc", "tc2"}) {
        Form1* form = openMain();
        ASSERT_NE(form, nullptr);
        QPointer<FormBase> calculator = FormRegistry::show(QStringLiteral("Form8"));
        // A window loaded hidden (a drawing sheet being filled) closes as well.
        QPointer<FormBase> sheet = FormRegistry::load(QStringLiteral("Form63"));
        QPointer<Form1> main = form;

        prompts().clear();
        prompts().answers = {PromptAnswer::Cancel};
        action(form, QString::fromLatin1(exitControl))->trigger();
        ASSERT_EQ(prompts().requests.size(), 1) << exitControl;
        const PromptRequest asked = prompts().requests[0];
        EXPECT_EQ(asked.title, QStringLiteral("提示"));
        EXPECT_EQ(asked.text, QStringLiteral("您确认要退出本系统吗?"));
        EXPECT_EQ(asked.icon, PromptIcon::Information);
        EXPECT_EQ(asked.buttons, PromptButtons::OkCancel);
        flush();
        EXPECT_TRUE(main && main->isVisible() && !main->isClosed()) << exitControl;
        EXPECT_TRUE(calculator && calculator->isVisible()) << exitControl;
        EXPECT_TRUE(sheet && !sheet->isClosed()) << exitControl;

        prompts().answers = {PromptAnswer::Ok};
        action(form, QString::fromLatin1(exitControl))->trigger();
        flush();
        EXPECT_TRUE(main.isNull()) << exitControl;
        EXPECT_TRUE(calculator.isNull()) << exitControl;
        EXPECT_TRUE(sheet.isNull()) << exitControl;
        EXPECT_TRUE(FormRegistry::loaded().isEmpty()) << exitControl;
        EXPECT_EQ(prompts().requests.size(), 2);
    }
}

TEST_F(MainWindowTest, CloseBoxClosesEverythingWithoutAQuestion) {
    registerStandIn(QStringLiteral("Form10"));
    Form1* form = openMain();
    ASSERT_NE(form, nullptr);
    QPointer<FormBase> calculator = FormRegistry::show(QStringLiteral("Form10"));
    QPointer<Form1> main = form;
    form->close();
    flush();
    EXPECT_TRUE(main.isNull());
    EXPECT_TRUE(calculator.isNull());
    EXPECT_TRUE(prompts().requests.isEmpty());
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form1")), nullptr);
}

TEST_F(MainWindowTest, MinimisingHidesIntoTheNotificationAreaAndAClickRestores) {
    TrayIcon::setAvailableForTesting(true);
    Form1* form = openMain();
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->trayIcon().isPresent());

    form->resize(600, 400);
    form->showMinimized();
    flush();
    EXPECT_FALSE(form->isVisible());
    ASSERT_TRUE(form->trayIcon().isPresent());
    EXPECT_EQ(form->trayIcon().tip(), QStringLiteral("Spirelta in spring design"));
    EXPECT_EQ(form->trayIcon().contextMenu(), form->menu(QStringLiteral("file")));
    // Closing the last calculator meanwhile must not end the program.
    EXPECT_FALSE(QGuiApplication::quitOnLastWindowClosed());

    // Double clicks and middle clicks change nothing; a click restores in normal state.
    form->trayIcon().activate(QSystemTrayIcon::DoubleClick);
    form->trayIcon().activate(QSystemTrayIcon::MiddleClick);
    EXPECT_FALSE(form->isVisible());
    form->trayIcon().activate(QSystemTrayIcon::Trigger);
    flush();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized());
    EXPECT_FALSE(form->trayIcon().isPresent());
    EXPECT_TRUE(QGuiApplication::quitOnLastWindowClosed());
    const QSize available = form->screen()->availableGeometry().size();
    EXPECT_EQ(form->frameGeometry().size(), Form1::normalOuterSize(available));
}

TEST_F(MainWindowTest, WithoutANotificationAreaMinimisingKeepsTheWindowReachable) {
    TrayIcon::setAvailableForTesting(false);
    Form1* form = openMain();
    ASSERT_NE(form, nullptr);
    form->showMinimized();
    flush();
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->trayIcon().isPresent());
}

TEST_F(MainWindowTest, NormalStateKeepsItsSize) {
    Form1* form = openMain();
    ASSERT_NE(form, nullptr);
    const QSize normal = Form1::normalOuterSize(form->screen()->availableGeometry().size());
    EXPECT_EQ(form->frameGeometry().size(), normal);
    form->resize(500, 300);
    flush();
    EXPECT_EQ(form->frameGeometry().size(), normal);
}

TEST(MainWindowSize, OuterSizeFitsTheScreen) {
    // 15450 x 12870 twips on a screen that holds it, the available area on a smaller one.
    EXPECT_EQ(Form1::normalOuterSize(QSize(1920, 1040)), QSize(1030, 858));
    EXPECT_EQ(Form1::normalOuterSize(QSize(1030, 858)), QSize(1030, 858));
    EXPECT_EQ(Form1::normalOuterSize(QSize(1024, 740)), QSize(1024, 740));
    EXPECT_EQ(Form1::normalOuterSize(QSize(800, 1200)), QSize(800, 858));
    EXPECT_EQ(Form1::normalOuterSize(QSize()), QSize(1030, 858));
}

TEST_F(MainWindowTest, SecondCopyIsRefusedAndNeverShowsItsMainWindow) {
    // The first copy of the program holds the lock.
    QLockFile firstCopy(form1::singleCopyLockPath().path);
    ASSERT_TRUE(firstCopy.tryLock(0));

    FormBase* shown = FormRegistry::show(QStringLiteral("Form1"));
    auto* form = qobject_cast<Form1*>(shown);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->refused());
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().requests[0].title, QStringLiteral("提示"));
    EXPECT_EQ(prompts().requests[0].text, QStringLiteral("该程序已经运行了一个，本次打开的不能使用。"));
    EXPECT_EQ(prompts().requests[0].icon, PromptIcon::Information);
    EXPECT_EQ(prompts().requests[0].buttons, PromptButtons::Ok);
    EXPECT_FALSE(form->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
}

TEST_F(MainWindowTest, LockFolderMadeFirstBySomeoneElseRefusesTheCopyNamingTheFolder) {
    for (const PlantedFolderCase& c : refusedFolderCases()) {
        SCOPED_TRACE(c.name);
        QTemporaryDir scratch;
        const QString cache = scratch.filePath("cache");
        const QString planted = scratch.filePath("cache/spirelta");
        ASSERT_TRUE(QDir().mkpath(cache));
        const QString skip = plantFolder(c.kind, planted);
        if (!skip.isEmpty()) {
            std::cout << "skipped " << c.name << ": " << qPrintable(skip) << std::endl;
            continue;
        }
        const QString before = folderState(planted);
        CacheFolderInTest inTest(cache);
        form1::setSingleCopyLockPath(QString());
        prompts().clear();

        auto* form = qobject_cast<Form1*>(FormRegistry::show(QStringLiteral("Form1")));
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(form->refused());
        EXPECT_FALSE(form->isVisible());
        ASSERT_EQ(prompts().requests.size(), 1);
        EXPECT_TRUE(prompts().requests[0].text.contains(planted)) << qPrintable(prompts().requests[0].text);
        EXPECT_EQ(folderState(planted), before);
        FormRegistry::closeAllExcept();
        flush();
        form1::setSingleCopyLockPath(QString());
    }
}

TEST_F(MainWindowTest, WithoutARuntimeFolderTheLockStaysInTheUsersOwnFolders) {
    EXPECT_EQ(form1::singleCopyLockPathFor(QStringLiteral("/run/user/1")).path,
              QStringLiteral("/run/user/1/SpireltaSpringV2024.lock"));
    const QString fallback = form1::singleCopyLockPathFor(QString()).path;
    EXPECT_FALSE(fallback.startsWith(QDir::tempPath())) << qPrintable(fallback);
    EXPECT_TRUE(fallback.startsWith(QDir::homePath())) << qPrintable(fallback);
}

TEST_F(MainWindowTest, LockOfACopyThatDiedIsTakenOverButAgeAloneIsNotEnough) {
    const QString path = form1::singleCopyLockPath().path;
    form1::setSingleCopyLockPath(QString());
    QFile::remove(path);

    // A lock that is an hour old but whose owner still runs (this process) still refuses.
    {
        QLockFile running(path);
        ASSERT_TRUE(running.tryLock(0));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(
            file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        file.close();
        form1::setSingleCopyLockPath(path);
        EXPECT_FALSE(form1::claimSingleCopy());
        running.unlock();
    }

    // A lock left behind by a process that has ended is taken over.
    QProcess gone;
    gone.start(QStringLiteral("/bin/true"), {});
    ASSERT_TRUE(gone.waitForFinished(5000));
    const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray::number(deadPid > 0 ? deadPid : 999999) + "\nSpireltaSpringV2024\n\n");
    }
    form1::setSingleCopyLockPath(QString());
    form1::setSingleCopyLockPath(path);
    EXPECT_TRUE(form1::claimSingleCopy());
    EXPECT_TRUE(form1::claimSingleCopy()) << "the holder claims again without refusing itself";
    form1::setSingleCopyLockPath(QString());
}

TEST_F(MainWindowTest, F1OpensTheHelpInTheLanguageInForce) {
    for (Language language : {Language::ZhCN, Language::EnUS}) {
        StringTable::setLanguage(language);
        Form1* form = openMain();
        ASSERT_NE(form, nullptr);
        QTest::keyClick(form, Qt::Key_F1);
        auto* help = FormRegistry::find(QStringLiteral("HelpViewer"));
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        auto* browser = help->findChild<QTextBrowser*>(QStringLiteral("Browser"));
        EXPECT_EQ(browser->source(), HelpViewer::indexPage());
        EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("Spirelta")));
        // One page per part of the program, each reachable from the index.
        const QString folder =
            language == Language::EnUS ? QStringLiteral(":/help/en/") : QStringLiteral(":/help/zh/");
        for (int chapter = 1; chapter <= 11; ++chapter) {
            const QString page = QStringLiteral("chapter%1.html").arg(chapter, 2, 10, QLatin1Char('0'));
            EXPECT_TRUE(QFile::exists(folder + page)) << qPrintable(page);
            EXPECT_TRUE(browser->toHtml().contains(page)) << qPrintable(page);
        }
        FormRegistry::closeAllExcept();
        flush();
    }
}

TEST_F(MainWindowTest, PictureShowsAButtonUnderEveryHotSpot) {
    // Drawn ahead on a worker thread as at start-up, and drawn on the spot.
    for (bool ahead : {true, false}) {
        if (ahead)
            Form1Background::prepare(1.0);
        Form1* form = openMain();
        ASSERT_NE(form, nullptr);
        auto* client = form->findChild<QWidget*>(QStringLiteral("Form1Client"));
        const QImage shot = client->grab().toImage();
        const QColor paper = shot.pixelColor(500, 620);
        int probed = 0;
        for (const char* name :
             {"Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label8", "Label9", "Label11"}) {
            const QRect spot = form->findChild<QWidget*>(QString::fromLatin1(name))->geometry();
            const QPoint probe(spot.left() + 14, spot.top() + 14);
            // A small test screen cuts the window's right side off.
            if (!shot.rect().contains(probe))
                continue;
            ++probed;
            const QColor inside = shot.pixelColor(probe);
            const int distance = qAbs(inside.red() - paper.red()) + qAbs(inside.green() - paper.green()) +
                                 qAbs(inside.blue() - paper.blue());
            EXPECT_GT(distance, 150) << name << (ahead ? " (drawn ahead)" : "");
        }
        EXPECT_GE(probed, 5);
        form->close();
        flush();
    }
}
