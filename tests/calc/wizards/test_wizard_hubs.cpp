// The hubs of the three design wizards: which steps they offer, how a confirmed step and a
// reopened step change that, and the saved report.

#include "WizardTest.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>

namespace {

class WizardHub : public WizardTest {
protected:
    // Offered step buttons 1 to 6 and shown arrows 1 to 5, as "110000/10000".
    static QString offers(const DesignWizard* h) {
        QString s;
        for (int step = 1; step <= 6; ++step)
            s += h->stepOffered(step) ? u'1' : u'0';
        s += u'/';
        for (int arrow = 1; arrow <= 5; ++arrow)
            s += h->arrowShown(arrow) ? u'1' : u'0';
        return s;
    }
    static QString box(const DesignWizard* h) {
        return h->findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText();
    }
};

struct HubCase {
    const char* name;
    const char* hub;
    int captionId;
    int frameId;
};

class FreshHub : public WizardHub, public ::testing::WithParamInterface<HubCase> {};

TEST_P(FreshHub, OffersOnlyTheFirstStepAndTheGeneralSteps) {
    const HubCase& c = GetParam();
    for (Language language : {Language::ZhCN, Language::EnUS}) {
        StringTable::setLanguage(language);
        auto* h = open<DesignWizard>(QString::fromLatin1(c.hub));
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(offers(h), QStringLiteral("100000/00000"));
        EXPECT_EQ(h->windowTitle(), StringTable::text(c.captionId));
        EXPECT_EQ(h->text(QStringLiteral("Frame1")), StringTable::text(c.frameId));
        const int captions[] = {1957, 1956, 1367, 1954, 1953, 1952};
        for (int step = 1; step <= 6; ++step)
            EXPECT_EQ(h->text(QStringLiteral("Command%1").arg(step)), StringTable::text(captions[step - 1]));
        EXPECT_EQ(h->report(), StringTable::text(2098));
        QString shown = StringTable::text(2098);
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        EXPECT_EQ(box(h), shown);
        EXPECT_FALSE(box(h).contains(u'\r'));
        h->close();
        flush();
    }
}

const HubCase kHubs[] = {
    {"Compression", "Form90", 1050, 1951},
    {"Extension", "Form99", 1051, 2019},
    {"Torsion", "Form108", 1052, 2026},
};
INSTANTIATE_TEST_SUITE_P(Wizard, FreshHub, ::testing::ValuesIn(kHubs), caseName<HubCase>);

TEST_F(WizardHub, ConfirmingStepOneOffersStepTwo) {
    auto* h = open<DesignWizard>(QStringLiteral("Form90"));
    click(h, QStringLiteral("Command1"));
    FormBase* step = FormRegistry::find(QStringLiteral("Form91"));
    ASSERT_NE(step, nullptr);
    tick(step);
    click(step, QStringLiteral("Command1"));
    flush();
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form91")), nullptr);
    EXPECT_EQ(offers(h), QStringLiteral("110000/10000"));
    EXPECT_EQ(h->report(), wizard::state.compReport1);
    EXPECT_TRUE(h->report().startsWith(StringTable::text(2302)));
}

TEST_F(WizardHub, StepButtonsWithdrawLaterStepsAndConfirmRestoresTheNextOnly) {
    auto* h = open<DesignWizard>(QStringLiteral("Form90"));
    for (int step = 1; step <= 4; ++step)
        DesignWizard::confirmToHub(QStringLiteral("Form90"), step, QStringLiteral("report %1").arg(step));
    EXPECT_EQ(offers(h), QStringLiteral("111110/11110"));

    // Opening the material step again withdraws steps 3 to 6 and the arrows from 2 on; the
    // report stays.
    click(h, QStringLiteral("Command2"));
    EXPECT_EQ(offers(h), QStringLiteral("110000/10000"));
    EXPECT_EQ(h->report(), QStringLiteral("report 4"));
    ASSERT_NE(FormRegistry::find(QStringLiteral("Form92")), nullptr);
    click(FormRegistry::find(QStringLiteral("Form92")), QStringLiteral("Command2")); // Cancel
    flush();
    EXPECT_EQ(offers(h), QStringLiteral("110000/10000"));

    // Step 1's button withdraws nothing.
    DesignWizard::confirmToHub(QStringLiteral("Form90"), 2, QStringLiteral("report 2"));
    DesignWizard::confirmToHub(QStringLiteral("Form90"), 3, QStringLiteral("report 3"));
    click(h, QStringLiteral("Command1"));
    EXPECT_EQ(offers(h), QStringLiteral("111100/11100"));

    // Confirming step 1 again offers step 2 alone: sections built on the old requirements can
    // no longer be appended.
    DesignWizard::confirmToHub(QStringLiteral("Form90"), 1, QStringLiteral("new report 1"));
    EXPECT_EQ(offers(h), QStringLiteral("110000/10000"));
    EXPECT_EQ(box(h), QStringLiteral("new report 1"));

    // The check step confirmed from a window left open: the finish button and its arrow.
    DesignWizard::confirmToHub(QStringLiteral("Form90"), 5, QStringLiteral("whole"));
    EXPECT_EQ(offers(h), QStringLiteral("110001/10001"));
}

TEST_F(WizardHub, ConfirmIntoAClosedHubLoadsItHidden) {
    ASSERT_EQ(FormRegistry::find(QStringLiteral("Form99")), nullptr);
    DesignWizard::confirmToHub(QStringLiteral("Form99"), 2, QStringLiteral("line 1\r\nline 2\r\n"));
    DesignWizard* h = hub(QStringLiteral("Form99"));
    ASSERT_NE(h, nullptr);
    EXPECT_FALSE(h->isVisible());
    EXPECT_EQ(offers(h), QStringLiteral("101000/01000"));
    EXPECT_EQ(box(h), QStringLiteral("line 1\nline 2\n"));
    EXPECT_EQ(h->report(), QStringLiteral("line 1\r\nline 2\r\n"));

    // The main window's command then shows that same hub.
    EXPECT_EQ(FormRegistry::show(QStringLiteral("Form99")), h);
    EXPECT_TRUE(h->isVisible());
    EXPECT_EQ(offers(h), QStringLiteral("101000/01000"));
}

TEST_F(WizardHub, FinishSavesTheReportWithOneMoreLineEnd) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.txt"));
    QString title;
    report::setFileChooser([&](QWidget*, const QString& t, const QString&) {
        title = t;
        return path;
    });
    auto* h = open<DesignWizard>(QStringLiteral("Form108"));
    DesignWizard::confirmToHub(QStringLiteral("Form108"), 5,
                               QStringLiteral("标题\r\n\r\n一、设计要求：\r\n"));
    ASSERT_TRUE(h->stepOffered(6));
    click(h, QStringLiteral("Command6"));
    EXPECT_EQ(title, StringTable::text(1406));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), QStringLiteral("标题\r\n\r\n一、设计要求：\r\n\r\n"));
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(WizardHub, CancelledSaveWritesNothing) {
    QTemporaryDir folder;
    report::setFileChooser([](QWidget*, const QString&, const QString&) { return QString(); });
    auto* h = open<DesignWizard>(QStringLiteral("Form90"));
    DesignWizard::confirmToHub(QStringLiteral("Form90"), 5, QStringLiteral("whole report\r\n"));
    click(h, QStringLiteral("Command6"));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(prompts().requests.isEmpty());
}

} // namespace
