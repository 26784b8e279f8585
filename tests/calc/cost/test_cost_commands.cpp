// The commands the weight, cost and quotation windows share with the rest of the program: the
// publisher's contact links and the print button.

#include "platform/ContactLinks.h"
#include "platform/WindowCommands.h"
#include "support/FormTest.h"

#include <QImage>
#include <QLabel>

namespace {

class CostCommands : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        contactlinks::setOpener([this](const QUrl& url) {
            opened.append(url);
            return true;
        });
        windowcommands::setPrintSink([this](const QImage& page) { printed.append(page); });
    }
    void TearDown() override {
        contactlinks::setOpener(nullptr);
        windowcommands::setPrintSink([](const QImage&) {}); // never the real printer
        FormTest::TearDown();
    }
    QList<QUrl> opened;
    QList<QImage> printed;
};

TEST_F(CostCommands, ContactLabelsOpenThePageAndANewMail) {
    for (const char* window : {"Form3", "Form4", "Form40", "Form42"}) {
        opened.clear();
        FormBase* f = open(QString::fromLatin1(window));
        QTest::mouseClick(f->label(QStringLiteral("Label20")), Qt::LeftButton);
        QTest::mouseClick(f->label(QStringLiteral("Label22")), Qt::LeftButton);
        EXPECT_EQ(opened, (QList<QUrl>{contactlinks::publisherWebPage(), contactlinks::publisherMail()}))
            << window;
        EXPECT_TRUE(prompts().requests.isEmpty()) << window;
    }
}

TEST_F(CostCommands, PrintButtonsSendTheWindowImage) {
    const std::pair<const char*, const char*> buttons[] = {{"Form41", "Command3"}, {"Form42", "Command2"}};
    for (const auto& [window, button] : buttons) {
        printed.clear();
        FormBase* f = open(QString::fromLatin1(window));
        click(f, QString::fromLatin1(button));
        ASSERT_EQ(printed.size(), 1) << window;
        EXPECT_FALSE(printed[0].isNull()) << window;
    }
}

} // namespace
