#pragma once
// A fixture for the designer windows: emptied fields and results, and saving the design report
// through the window's Save As button into a temporary folder. Worked examples, required fields
// and faults are rows of the shared window tables.

#include "platform/TextReport.h"
#include "support/WindowCases.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cstddef>

// The lines of an expected report, from UTF-8 texts.
template <std::size_t N> QStringList reportLines(const char* const (&text)[N]) {
    QStringList result;
    for (const char* line : text)
        result << QString::fromUtf8(line);
    return result;
}

class DesignerTest : public FormTest {
protected:
    void TearDown() override {
        report::setFileChooser(nullptr);
        FormTest::TearDown();
    }

    // The input array Text1_0 .. Text1_<lastInput> and the results Text2 .. Text<lastResult>
    // are all empty.
    static void expectInputsAndResultsEmpty(FormBase* f, int lastInput, int lastResult) {
        for (int i = 0; i <= lastInput; ++i)
            EXPECT_EQ(f->text(QStringLiteral("Text1_%1").arg(i)), "") << i;
        for (int i = 2; i <= lastResult; ++i)
            EXPECT_EQ(f->text(QStringLiteral("Text%1").arg(i)), "") << i;
    }

    // The Save As dialog answers with this path (an empty one is Cancel).
    void chooseFile(const QString& path) {
        report::setFileChooser([path](QWidget*, const QString&, const QString&) { return path; });
    }

    static QByteArray fileBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Clicks Save As (Command3) with a file in the temporary folder and returns what was written.
    QString saveReport(FormBase* f) {
        const QString path = dir.filePath(QStringLiteral("design.txt"));
        chooseFile(path);
        click(f, "Command3");
        return QString::fromUtf8(fileBytes(path));
    }

    // Compares a report line by line with the expected body: every line up to the footer, then
    // the footer's text 2273 and a date, and the empty line that ends the file (CR LF CR LF).
    static void expectReport(const QString& written, const QStringList& bodyLines) {
        QStringList lines = written.split(QStringLiteral("\r\n"));
        ASSERT_EQ(lines.size(), bodyLines.size() + 3) << qPrintable(written);
        EXPECT_EQ(lines.takeLast(), QString()); // after the last CR LF
        for (qsizetype i = 0; i < bodyLines.size(); ++i)
            EXPECT_EQ(lines[i], bodyLines[i]) << "line " << i + 1;
        EXPECT_TRUE(lines[bodyLines.size()].startsWith(StringTable::text(2273)));
        EXPECT_GT(lines[bodyLines.size()].size(), StringTable::text(2273).size() + 8);
        EXPECT_EQ(lines.last(), QString());
        EXPECT_EQ(written.count(u'\n'), written.count(QStringLiteral("\r\n")))
            << "every line ends with CR LF";
    }

    QTemporaryDir dir;
};
