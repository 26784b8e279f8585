// The hostile-input run over every registered window (see EveryWindow.h).

#include "support/EveryWindow.h"
#include "common/ui/FormBuilder.h"
#include "platform/DesktopServices.h"
#include "platform/Folders.h"
#include "platform/TextReport.h"
#include "support/WindowCases.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

namespace {

// What a user might type: nothing, a lone sign or point, a number too large for a single,
// letters, zero and a text far longer than any field expects.
QStringList hostileCorpus() {
    return {QString(),
            QStringLiteral("."),
            QStringLiteral("-"),
            QStringLiteral("1e308"),
            QStringLiteral("abc"),
            QStringLiteral("0"),
            QString(300, QLatin1Char('9'))};
}

// The string table's texts in the language in force (the tests run in Simplified Chinese).
QSet<QString> tableTexts() {
    QSet<QString> seen;
    QFile file(QStringLiteral(":/strings/strings.tsv"));
    if (file.open(QIODevice::ReadOnly)) {
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        for (qsizetype i = 1; i < lines.size(); ++i) {
            bool ok = false;
            const int id = lines[i].section(QLatin1Char('\t'), 0, 0).toInt(&ok);
            if (!ok)
                continue;
            const QString text = StringTable::text(id);
            if (text.isEmpty())
                continue;
            seen.insert(text);
            // Texts that name drive D name the output folder instead.
            const QString named = folders::nameOutputFolder(text);
            if (!named.startsWith(text))
                seen.insert(named);
        }
    }
    return seen;
}

// The table's texts with the program's own texts that pick() has given so far, longest first,
// so that a message can be read as a run of them.
QStringList programTexts() {
    static const QSet<QString> table = tableTexts();
    QSet<QString> seen = table;
    for (const QString& text : StringTable::pickedTexts())
        if (!text.isEmpty())
            seen.insert(text);
    QStringList texts(seen.begin(), seen.end());
    std::sort(texts.begin(), texts.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return texts;
}

// A text up to its first placeholder ("%1"): what a message built from it starts with.
QStringView stem(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    const qsizetype at = text.indexOf(placeholder);
    return at < 0 ? QStringView(text) : QStringView(text).left(at);
}

// True when the message is one of the texts, several of them joined (text 1383 and a
// caption), or a text followed by what the program names in it (a file, a folder, a reason).
bool isProgramText(const QString& message, const QStringList& texts) {
    if (message.isEmpty())
        return false;
    std::vector<char> dead(message.size() + 1, 0);
    std::function<bool(qsizetype)> joined = [&](qsizetype from) {
        if (from == message.size())
            return true;
        if (dead[from])
            return false;
        for (const QString& t : texts)
            if (QStringView(message).mid(from).startsWith(t) && joined(from + t.size()))
                return true;
        dead[from] = 1;
        return false;
    };
    if (joined(0))
        return true;
    for (const QString& t : texts)
        if (stem(t).size() >= 2 && message.startsWith(stem(t)))
            return true;
    return false;
}

void typeEverywhere(FormBase* f, const QString& text) {
    for (QLineEdit* e : f->findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(e->parentWidget()))
            e->setText(text);
    for (QComboBox* c : f->findChildren<QComboBox*>())
        if (c->isEditable())
            c->setEditText(text);
    for (QTextEdit* e : f->findChildren<QTextEdit*>())
        if (!e->isReadOnly())
            e->setPlainText(text);
    for (QPlainTextEdit* e : f->findChildren<QPlainTextEdit*>())
        if (!e->isReadOnly())
            e->setPlainText(text);
}

// Every loaded window: a button may have opened or filled another one.
void expectNoNonFiniteAnywhere() {
    for (FormBase* f : FormRegistry::loaded())
        if (!f->isClosed())
            expectNoNonFinite(f);
}

} // namespace

void EveryWindow::SetUp() {
    FormTest::SetUp();
    StringTable::clearMissingIds();
    ui::clearUnloadedPictures();
    desktop::setBackend(&desk);
    // Save As writes into a temporary folder instead of showing a file dialog.
    const QString path = saves.filePath(QStringLiteral("report.txt"));
    report::setFileChooser([path](QWidget*, const QString&, const QString&) { return path; });
    // A modal window left open would block the test for ever: close it and say so.
    modalGuard.setInterval(200);
    QObject::connect(&modalGuard, &QTimer::timeout, [this] {
        // A menu that a button pops up waits for a choice: none is made.
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        if (QWidget* modal = QApplication::activeModalWidget()) {
            blocked << modal->metaObject()->className() + QStringLiteral(" ") + modal->objectName();
            modal->close();
        }
    });
    modalGuard.start();
}

void EveryWindow::TearDown() {
    modalGuard.stop();
    report::setFileChooser(nullptr);
    desktop::setBackend(nullptr);
    FormTest::TearDown();
}

FormBase* EveryWindow::window() {
    FormBase* f = FormRegistry::find(name());
    if (!f || f->isClosed()) {
        flush();
        f = FormRegistry::show(name());
    }
    return f;
}

void EveryWindow::expectNothingMissing(const char* when) {
    QStringList ids;
    for (int id : StringTable::missingIds())
        ids << QString::number(id);
    EXPECT_TRUE(ids.isEmpty()) << GetParam() << " " << when
                               << " asked the string table for ids it does not hold: "
                               << qPrintable(ids.join(u' '));
    const QStringList pictures = ui::unloadedPictures();
    EXPECT_TRUE(pictures.isEmpty()) << GetParam() << " " << when << " asked for pictures that do not load: "
                                    << qPrintable(pictures.join(u' '));
}

void EveryWindow::exercise() {
    ASSERT_FALSE(programTexts().isEmpty());
    FormBase* first = window();
    ASSERT_NE(first, nullptr) << GetParam();
    expectNothingMissing("when built");
    StringTable::clearMissingIds();
    ui::clearUnloadedPictures();
    const qsizetype buttons = first->findChildren<QAbstractButton*>().size();
    for (const QString& hostile : hostileCorpus()) {
        for (qsizetype i = 0; i < buttons; ++i) {
            FormBase* f = window();
            ASSERT_NE(f, nullptr) << GetParam();
            const QList<QAbstractButton*> all = f->findChildren<QAbstractButton*>();
            if (i >= all.size())
                break;
            QPointer<QAbstractButton> b = all[i];
            typeEverywhere(f, hostile);
            // Qt's own buttons (the tool bar's overflow arrow) are not the window's.
            if (!b->isEnabled() || b->isHidden() || b->objectName().startsWith(QLatin1String("qt_")))
                continue;
            const QString where = name() + QLatin1Char(' ') + b->objectName() + QStringLiteral(" after \"") +
                                  hostile.left(12) + QLatin1Char('"');
            prompts().clear();
            if (qEnvironmentVariableIsSet("EVERY_WINDOW_TRACE"))
                qWarning("%s", qPrintable(where));
            b->click();
            flush();
            SCOPED_TRACE(qPrintable(where));
            if (!prompts().requests.isEmpty()) {
                const QStringList texts = programTexts();
                for (const PromptRequest& r : prompts().requests) {
                    EXPECT_TRUE(isProgramText(r.text, texts)) << qPrintable(r.text);
                    EXPECT_TRUE(r.title.isEmpty() || isProgramText(r.title, texts)) << qPrintable(r.title);
                }
            }
            expectNoNonFiniteAnywhere();
            EXPECT_TRUE(blocked.isEmpty()) << qPrintable(blocked.join(u','));
            blocked.clear();
            // Windows that the button opened go again, so that each press starts alike.
            FormRegistry::closeAllExcept(name());
            flush();
        }
    }
    expectNothingMissing("when its buttons were pressed");
}

// Names the test after the window.
std::string windowName(const ::testing::TestParamInfo<std::string>& info) {
    return info.param;
}

// Read when the tests are listed, after every library has registered its windows.
std::vector<std::string> registeredWindows() {
    std::vector<std::string> names;
    for (const QString& name : FormRegistry::registeredForms())
        names.push_back(name.toStdString());
    return names;
}
