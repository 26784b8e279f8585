#pragma once
// A fixture for the designer windows: typing several fields, comparing several texts, worked
// examples as test cases, and saving the design report through the window's Save As button
// into a temporary folder.

#include "platform/TextReport.h"
#include "support/FormTest.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cstddef>
#include <ostream>
#include <string>
#include <vector>

struct ControlText {
    const char* name;
    const char* text;
};

// A worked example: its inputs over the defaults and the texts it shows after Calculate.
struct Example {
    const char* name;
    std::vector<ControlText> inputs; // changes to the defaults
    std::vector<ControlText> expected;
};

inline void PrintTo(const Example& e, std::ostream* os) {
    *os << e.name;
}

// Names a parameterised case after its parameter's name.
struct CaseName {
    template <class Param> std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
        return std::string(info.param.name);
    }
};

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

    static void enter(FormBase* f, const std::vector<ControlText>& inputs) {
        for (const ControlText& in : inputs)
            type(f, in.name, QString::fromUtf8(in.text));
    }

    static void expectTexts(FormBase* f, const std::vector<ControlText>& expected) {
        for (const ControlText& e : expected)
            EXPECT_EQ(f->text(e.name), QString::fromUtf8(e.text)) << e.name;
    }

    // The input array Text1_0 .. Text1_<lastInput> and the results Text2 .. Text<lastResult>
    // are all empty.
    static void expectInputsAndResultsEmpty(FormBase* f, int lastInput, int lastResult) {
        for (int i = 0; i <= lastInput; ++i)
            EXPECT_EQ(f->text(QStringLiteral("Text1_%1").arg(i)), "") << i;
        for (int i = 2; i <= lastResult; ++i)
            EXPECT_EQ(f->text(QStringLiteral("Text%1").arg(i)), "") << i;
    }

    // Types the example into the window and calculates: no message, and every expected text.
    static void expectExample(FormBase* f, const Example& example) {
        enter(f, example.inputs);
        click(f, "Command1");
        EXPECT_TRUE(prompts().requests.isEmpty()) << qPrintable(prompts().lastText());
        expectTexts(f, example.expected);
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
