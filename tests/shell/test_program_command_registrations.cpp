#include "platform/ContactLinks.h"
#include "shell/ProgramCommands.h"

#include <QUrl>
#include <gtest/gtest.h>

namespace {

TEST(ProgramCommandRegistrations, EveryRoutedNameHasACommand) {
    for (const char* name : {"jsq", "note", "sfyj", "qlxtlj", "help", "min", "zxh", "qwz", "Label11"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(ProgramCommands::isRegistered(QString::fromLatin1(name)));
    }
    EXPECT_FALSE(ProgramCommands::isRegistered(QStringLiteral("sfyj2")));
}

TEST(ProgramCommandRegistrations, WebPageCommandsOpenThePublishersPage) {
    QList<QUrl> opened;
    contactlinks::setOpener([&](const QUrl& url) {
        opened.append(url);
        return true;
    });
    EXPECT_TRUE(ProgramCommands::run(QStringLiteral("qwz"), nullptr));
    EXPECT_TRUE(ProgramCommands::run(QStringLiteral("Label11"), nullptr));
    contactlinks::setOpener(nullptr);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], contactlinks::publisherWebPage());
    EXPECT_EQ(opened[1], contactlinks::publisherWebPage());
}

} // namespace
