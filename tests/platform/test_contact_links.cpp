#include "common/Prompt.h"
#include "platform/ContactLinks.h"
#include "support/RecordingPrompter.h"

#include <gtest/gtest.h>

namespace {

class ContactLinksTest : public ::testing::Test {
protected:
    void SetUp() override {
        RecordingPrompter::instance().clear();
        contactlinks::setOpener([this](const QUrl& url) {
            opened.append(url);
            return handlerInstalled;
        });
    }
    void TearDown() override { contactlinks::setOpener(nullptr); }

    QList<QUrl> opened;
    bool handlerInstalled = true;
};

TEST_F(ContactLinksTest, WebPageIsAnAbsoluteWebAddress) {
    contactlinks::openPublisherWebPage();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].isValid());
    EXPECT_EQ(opened[0].scheme().toStdString(), "https");
    EXPECT_FALSE(opened[0].host().isEmpty());
    EXPECT_EQ(opened[0], contactlinks::publisherWebPage());
}

TEST_F(ContactLinksTest, NewMailHasOnlyTheRecipient) {
    contactlinks::composePublisherMail();
    ASSERT_EQ(opened.size(), 1);
    const QUrl mail = opened[0];
    EXPECT_EQ(mail.scheme().toStdString(), "mailto");
    EXPECT_TRUE(mail.path().contains(u'@')) << qPrintable(mail.toString());
    EXPECT_FALSE(mail.hasQuery()) << "no subject or body";
    EXPECT_FALSE(mail.hasFragment());
}

TEST_F(ContactLinksTest, MissingHandlerIsSilent) {
    handlerInstalled = false;
    contactlinks::openPublisherWebPage();
    contactlinks::composePublisherMail();
    EXPECT_EQ(opened.size(), 2);
    EXPECT_TRUE(RecordingPrompter::instance().requests.isEmpty());
}

} // namespace
