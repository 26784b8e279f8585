// The splash window: its growing bar, the percentage, the see-through key colour, and the
// hand-over to the main window (or the refusal of a second copy).

#include "shell/Form125.h"
#include "test_main_window_support.h"

#include <QLockFile>
#include <QTimer>

namespace {

class SplashTest : public ShellTest {
protected:
    // Loaded and shown with its timer stopped first: the test drives every tick itself.
    Form125* openSplash() {
        auto* splash = qobject_cast<Form125*>(FormRegistry::load(QStringLiteral("Form125")));
        if (!splash)
            return nullptr;
        splash->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        splash->show();
        return splash;
    }
    static QString percent(Form125* splash) {
        return splash->findChild<QLabel*>(QStringLiteral("Label3"))->text();
    }
};

} // namespace

TEST_F(SplashTest, LoadStartsAnEmptyBarAndAFiveMillisecondTimer) {
    for (Language language : {Language::ZhCN, Language::EnUS}) {
        StringTable::setLanguage(language);
        auto* splash = qobject_cast<Form125*>(FormRegistry::load(QStringLiteral("Form125")));
        ASSERT_NE(splash, nullptr);
        auto* timer = splash->findChild<QTimer*>(QStringLiteral("Timer1"));
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 5);
        timer->stop();
        EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(splash->size(), QSize(238, 64));
        EXPECT_EQ(splash->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                  language == Language::EnUS ? QStringLiteral("Program loading, please wait......")
                                             : QStringLiteral("程序加载中，请稍后......"));
        EXPECT_EQ(percent(splash), QStringLiteral("%"));
        auto* bar = splash->findChild<QLabel*>(QStringLiteral("Label1"));
        EXPECT_EQ(splash->barWidth(), 0);
        EXPECT_EQ(bar->width(), 0);
        EXPECT_EQ(bar->x(), -1); // 10 twips left of the track
        EXPECT_TRUE(bar->text().isEmpty());
        splash->close();
        flush();
    }
}

TEST_F(SplashTest, BarGrowsToOneHundredAndOnePercentAndTick103ShowsTheMainWindow) {
    Form125* splash = openSplash();
    ASSERT_NE(splash, nullptr);
    QPointer<Form125> alive = splash;
    struct Row {
        int tick;
        int width;
        const char* percent;
    } rows[] = {
        {1, 25, "1%"},     {2, 50, "2%"},       {50, 1250, "49%"},
        {51, 1275, "50%"}, {101, 2525, "100%"}, {102, 2550, "101%"},
    };
    int done = 0;
    for (const Row& row : rows) {
        while (done < row.tick) {
            splash->tick();
            ++done;
            EXPECT_EQ(splash->barWidth(), 25 * done);
            EXPECT_EQ(FormRegistry::find(QStringLiteral("Form1")), nullptr) << "tick " << done;
        }
        EXPECT_EQ(splash->barWidth(), row.width) << "tick " << row.tick;
        EXPECT_EQ(percent(splash), QString::fromLatin1(row.percent)) << "tick " << row.tick;
        EXPECT_EQ(splash->findChild<QLabel*>(QStringLiteral("Label1"))->width(), qRound(row.width / 15.0));
    }

    splash->tick(); // the 103rd
    flush();
    auto* main = qobject_cast<Form1*>(FormRegistry::find(QStringLiteral("Form1")));
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(alive.isNull());
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(SplashTest, OnlyTheKeyColouredPixelsAreSeeThrough) {
    Form125* splash = openSplash();
    ASSERT_NE(splash, nullptr);
    for (int i = 0; i < 60; ++i)
        splash->tick();
    const QRect track = splash->findChild<QWidget*>(QStringLiteral("Picture1"))->geometry();
    const QRegion shape = splash->mask();
    // The bar (key colour) is a hole in the track; the rest of the track stays.
    const int barRight = track.left() + qRound(splash->barWidth() / 15.0) - 2;
    EXPECT_FALSE(shape.contains(QPoint(track.left() + 3, track.center().y() - 10)));
    EXPECT_FALSE(shape.contains(QPoint(barRight, track.top() + 2)));
    EXPECT_TRUE(shape.contains(QPoint(track.right() - 2, track.top() + 2)));
    // The background around the texts is key colour; the loading text's own pixels are not.
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));
    EXPECT_FALSE(shape.contains(QPoint(splash->width() - 1, splash->height() - 1)));
    const QRect text = splash->findChild<QWidget*>(QStringLiteral("Label2"))->geometry();
    int textPixels = 0;
    for (const QRect& r : shape.intersected(text))
        textPixels += r.width() * r.height();
    EXPECT_GT(textPixels, 0);
    EXPECT_LT(textPixels, text.width() * text.height() / 2);
}

TEST_F(SplashTest, SecondCopyShowsTheSplashThenRefusesAndShowsNoMainWindow) {
    QLockFile firstCopy(form1::singleCopyLockPath().path);
    ASSERT_TRUE(firstCopy.tryLock(0));
    Form125* splash = openSplash();
    ASSERT_NE(splash, nullptr);
    QPointer<Form125> alive = splash;
    for (int i = 0; i < 103; ++i)
        if (alive)
            splash->tick();
    flush();
    ASSERT_EQ(prompts().requests.size(), 1);
    EXPECT_EQ(prompts().requests[0].text, QStringLiteral("该程序已经运行了一个，本次打开的不能使用。"));
    auto* main = qobject_cast<Form1*>(FormRegistry::find(QStringLiteral("Form1")));
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->refused());
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(alive.isNull());
}
