#include "platform/UnoSpreadsheet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

TEST(SmokeOffice, Probe) {
    QTemporaryDir profile;
    OfficeOptions o;
    o.headless = true;
    o.pipeName = QStringLiteral("spirelta-smoke-%1").arg(QCoreApplication::applicationPid());
    o.profileUrl = QUrl::fromLocalFile(profile.path()).toString();
    o.startTimeoutMs = 90000;
    UnoSpreadsheet uno(o);
    QElapsedTimer t; t.start();
    ASSERT_TRUE(uno.attach());
    qInfo() << "attach" << t.restart() << "pid" << uno.startedProcessId();
    QString id = uno.openCopy("/tmp/spx/t.xls");
    qInfo() << "open" << t.restart() << id;
    ASSERT_FALSE(id.isEmpty());
    for (auto& w : uno.workbooks()) qInfo() << w.id << w.fileName << w.templateName;
    EXPECT_TRUE(uno.writeNumber(id, "c4", 2.5));
    EXPECT_TRUE(uno.writeText(id, "c5", "=12"));
    EXPECT_FALSE(uno.writeText(id, "zz", "x"));
    qInfo() << "write" << t.restart();
    auto c = uno.readCell(id, "C4"); ASSERT_TRUE(c); EXPECT_EQ(c->kind, UnoSpreadsheet::Cell::Number); EXPECT_EQ(c->number, 2.5);
    auto c5 = uno.readCell(id, "C5"); ASSERT_TRUE(c5); EXPECT_EQ(c5->kind, UnoSpreadsheet::Cell::Text); EXPECT_EQ(c5->text, "=12");
    uno.activate(id); uno.show(id); uno.printPreview(id);
    QString bad = uno.openCopy("/tmp/spx/nonexist.xls"); qInfo() << "bad" << bad;
    QFile f("/tmp/spx/garbage.xls"); f.open(QIODevice::WriteOnly); f.write("\x01\x02garbage\x00\xff", 12); f.close();
    QString g = uno.openCopy("/tmp/spx/garbage.xls"); qInfo() << "garbage" << g;
    for (auto& w : uno.workbooks()) qInfo() << w.id << w.fileName << w.templateName;
    t.restart();
    EXPECT_TRUE(uno.endStartedOffice());
    qInfo() << "end" << t.restart();
}
