#pragma once
// Fixture of the normal-mode calculator tests: typing a whole set of inputs, reading many
// boxes at once, and a print sink and mail opener that record instead of acting.

#include "common/StringTable.h"
#include "platform/ContactLinks.h"
#include "platform/Folders.h"
#include "platform/WindowCommands.h"
#include "support/FormTest.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QUrl>
#include <map>
#include <utility>
#include <vector>

class NormalCalcTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        previousOutputFolder = folders::outputFolder();
        folders::setOutputFolder(outputs.path());
        windowcommands::setPrintSink([this](const QImage& page) { printed.append(page); });
        contactlinks::setOpener([this](const QUrl& url) {
            opened.append(url);
            return true;
        });
    }
    void TearDown() override {
        FormTest::TearDown();
        windowcommands::setPrintSink([](const QImage&) {});
        contactlinks::setOpener(nullptr);
        folders::setOutputFolder(previousOutputFolder);
    }

    using Texts = std::vector<std::pair<QString, QString>>;

    static void typeAll(FormBase* f, const Texts& texts) {
        for (const auto& [name, text] : texts)
            f->setText(name, text);
    }

    // Every listed control must show its text.
    static void expectTexts(FormBase* f, const Texts& expected) {
        for (const auto& [name, text] : expected)
            EXPECT_EQ(f->text(name).toStdString(), text.toStdString()) << qPrintable(name);
    }

    static void expectSheet(const QString& sheet, const std::map<int, QString>& boxes) {
        for (const auto& [box, text] : boxes)
            EXPECT_EQ(FormRegistry::readText(sheet, QStringLiteral("Text1_%1").arg(box)).toStdString(),
                      text.toStdString())
                << qPrintable(sheet) << " box " << box;
    }

    // The current texts of some boxes of a sheet, loading the sheet hidden when needed.
    static std::map<int, QString> sheetTexts(const QString& sheet, std::initializer_list<int> boxes) {
        FormRegistry::load(sheet);
        std::map<int, QString> texts;
        for (int box : boxes)
            texts[box] = FormRegistry::readText(sheet, QStringLiteral("Text1_%1").arg(box));
        return texts;
    }

    static void expectEnabled(FormBase* f, const QStringList& names, bool enabled) {
        for (const QString& name : names)
            EXPECT_EQ(f->control<QWidget>(name)->isEnabled(), enabled) << qPrintable(name);
    }

    // The one message box shown since the last clear, and clears the record.
    static PromptRequest takeOnlyPrompt() {
        auto& asked = prompts().requests;
        EXPECT_EQ(asked.size(), 1);
        PromptRequest request = asked.isEmpty() ? PromptRequest{} : asked.last();
        prompts().clear();
        return request;
    }

    // The one message box shown since the last clear must be the notice naming an input left
    // empty, with that message; clears the record.
    static void expectMissingInputPrompt(const QString& message) {
        const PromptRequest shown = takeOnlyPrompt();
        EXPECT_EQ(shown.text.toStdString(), message.toStdString());
        EXPECT_EQ(shown.title, StringTable::text(1318));
        EXPECT_EQ(shown.icon, PromptIcon::Information);
    }

    // A stopped calculation never leaves an infinite or undefined number in a box.
    static void expectNoInfOrNan(FormBase* f) {
        for (QLineEdit* box : f->findChildren<QLineEdit*>())
            EXPECT_FALSE(box->text().contains("inf") || box->text().contains("nan"))
                << qPrintable(box->objectName());
    }

    // Bitmaps written by this test: each test has an output folder of its own.
    int bitmapsWritten() const {
        return QDir(outputs.path()).entryList({QStringLiteral("*.bmp")}, QDir::Files).size();
    }

    QTemporaryDir outputs;
    QString previousOutputFolder;
    QList<QImage> printed;
    QList<QUrl> opened;
};
