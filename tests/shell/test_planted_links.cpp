// Every writer of a file the user names or a folder the user chose, saving to a link planted in
// a shared sticky folder or owned by another user: it refuses with a message naming the link,
// and the link's target, the link and both folders stay exactly as they were. The user's own
// link in the user's own folder is still written through, as before.

#include "platform/Folders.h"
#include "platform/TextReport.h"
#include "platform/WindowCommands.h"
#include "shell/DrawingSheet.h"
#include "support/FormTest.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct WriterCase {
    const char* name;
    const char* linkName;
    // The link stands for the folder the writer names its own files in, not for a file.
    bool linksToFolder;
    std::function<void(const QString& link)> save;
};

void clickPicture(DrawingSheet* s) {
    s->picture()->setFocus();
    QTest::mouseClick(s->picture(), Qt::LeftButton, {}, QPoint(1, 1));
}

const WriterCase kWriters[] = {
    {"report Save As", "report.txt", false,
     [](const QString& link) {
         report::setFileChooser([link](QWidget*, const QString&, const QString&) { return link; });
         report::saveAs(nullptr, QStringLiteral("report\r\n"));
         report::setFileChooser(nullptr);
     }},
    {"drawing sheet bitmap", "ES-7.bmp", false,
     [](const QString& link) {
         folders::setOutputFolder(QFileInfo(link).path());
         auto* sheet = dynamic_cast<DrawingSheet*>(FormRegistry::show(QStringLiteral("Form63")));
         ASSERT_NE(sheet, nullptr);
         sheet->setText(QStringLiteral("Text1_1"), QStringLiteral("ES-7"));
         clickPicture(sheet);
     }},
    {"window snapshot", "pictures", true,
     [](const QString& link) {
         folders::setOutputFolder(link);
         QLabel window(QStringLiteral("snapshot"));
         window.resize(8, 8);
         windowcommands::savePageSnapshot(&window, QDateTime(QDate(2024, 2, 3), QTime(9, 5, 7)));
     }},
};

// "own" holds the file and folder a planted link points at; links are planted in "shared"
// (the mode of /tmp) or, when another user owns them, in "mine", a plain folder of the test.
class PlantedLinks : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        previousOutput = folders::outputFolder();
        for (const char* folder : {"own", "shared", "mine"})
            ASSERT_TRUE(QDir(root.path()).mkpath(folder));
        ASSERT_EQ(::chmod(QFile::encodeName(at("shared")).constData(), 01777), 0);
        resetVictim();
    }
    void TearDown() override {
        folders::setOutputFolder(previousOutput);
        FormTest::TearDown();
    }

    QString at(const QString& relative) const { return QDir(root.path()).filePath(relative); }

    // "own" holds nothing but the victim file, with its first content.
    void resetVictim() const {
        for (const QString& name : entries(at("own")))
            QFile::remove(at("own/" + name));
        QFile victim(at("own/victim.txt"));
        ASSERT_TRUE(victim.open(QIODevice::WriteOnly));
        victim.write(kPrecious);
    }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static QStringList entries(const QString& folder) {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    }

    // Plants the writer's link in the folder, pointing at the victim file or the folder "own".
    QString plant(const WriterCase& writer, const QString& folder) const {
        const QString link = at(folder + u'/' + QString::fromLatin1(writer.linkName));
        EXPECT_TRUE(QFile::link(writer.linksToFolder ? at("own") : at("own/victim.txt"), link));
        return link;
    }

    // Saves through every writer's link and expects each save refused with text textId.
    void expectEveryWriterRefuses(const QString& folder, int textId, bool giveAway) {
        for (const WriterCase& writer : kWriters) {
            SCOPED_TRACE(writer.name);
            prompts().clear();
            const QString link = plant(writer, folder);
            if (giveAway) {
                ASSERT_EQ(::lchown(QFile::encodeName(link).constData(), 65534, 65534), 0);
            }
            const QString target = QFileInfo(link).symLinkTarget();
            const QStringList before = entries(at(folder));

            writer.save(link);
            flush();

            ASSERT_EQ(prompts().requests.size(), 1);
            const PromptRequest& refusal = prompts().requests.first();
            EXPECT_EQ(refusal.icon, PromptIcon::Warning);
            EXPECT_TRUE(refusal.text.contains(StringTable::text(textId).arg(QDir::toNativeSeparators(link))))
                << qPrintable(refusal.text);
            EXPECT_EQ(read(at("own/victim.txt")), kPrecious);
            EXPECT_EQ(entries(at("own")), QStringList{"victim.txt"});
            EXPECT_TRUE(QFileInfo(link).isSymLink());
            EXPECT_EQ(QFileInfo(link).symLinkTarget(), target);
            EXPECT_EQ(entries(at(folder)), before);
            FormRegistry::closeAllExcept();
            flush();
        }
    }

    static constexpr const char* kPrecious = "precious\n";
    QTemporaryDir root;
    QString previousOutput;
};

TEST_F(PlantedLinks, NoWriterWritesThroughALinkInASharedStickyFolder) {
    expectEveryWriterRefuses(QStringLiteral("shared"), 9602, false);
}

TEST_F(PlantedLinks, NoWriterWritesThroughALinkAnotherUserOwns) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a link to another user; the sticky-folder test covers links "
                        "this test makes";
    expectEveryWriterRefuses(QStringLiteral("mine"), 9601, true);
}

TEST_F(PlantedLinks, TheUsersOwnLinkInTheirOwnFolderIsWrittenThrough) {
    for (const WriterCase& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        prompts().clear();
        const QString link = plant(writer, QStringLiteral("mine"));
        writer.save(link);
        flush();
        for (const PromptRequest& asked : prompts().requests)
            EXPECT_NE(asked.icon, PromptIcon::Warning) << qPrintable(asked.text);
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        if (writer.linksToFolder)
            EXPECT_EQ(entries(at("own")).size(), 2) << "the file lands in the linked folder";
        else
            EXPECT_NE(read(at("own/victim.txt")), kPrecious) << "the linked file is replaced";
        FormRegistry::closeAllExcept();
        flush();
        resetVictim();
    }
}

} // namespace
