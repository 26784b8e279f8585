#pragma once
// A fixture for the wizard windows: the shared variables start as at program start (FormTest),
// the material database is the Simplified Chinese file whatever the machine's locale, and the
// report footer shows a fixed time.

#include "calc/wizards/MaterialDatabaseChoice.h"
#include "calc/wizards/WizardReport.h"
#include "common/WizardState.h"
#include "common/ui/DesignWizard.h"
#include "platform/TextReport.h"
#include "support/WindowCases.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

// Steps 1 to 5 of a wizard with their defaults, each opened from the hub, ticked once and
// confirmed; returns the hub's report.
inline QString runWizard(const QString& hubName) {
    FormBase* h = FormRegistry::show(hubName);
    for (int step = 1; step <= 5; ++step) {
        h->button(QStringLiteral("Command%1").arg(step))->click();
        FormBase* window = FormRegistry::loaded().last();
        QMetaObject::invokeMethod(window->findChild<QTimer*>(QStringLiteral("Timer1")), "timeout");
        window->button(QStringLiteral("Command1"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return qobject_cast<DesignWizard*>(h)->report();
}

class WizardTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        materialdb::setFileOverride(QStringLiteral("db.mdb"));
        wizardreport::footerClock() = [] { return fixedTime(); };
    }
    void TearDown() override {
        FormTest::TearDown();
        materialdb::setFileOverride({});
        wizardreport::footerClock() = nullptr;
        report::setFileChooser(nullptr);
    }

    static QDateTime fixedTime() { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)); }

    // One tick of the window's Timer1, without waiting 200 ms.
    static void tick(FormBase* form) {
        auto* timer = form->findChild<QTimer*>(QStringLiteral("Timer1"));
        ASSERT_NE(timer, nullptr) << qPrintable(form->objectName());
        QMetaObject::invokeMethod(timer, "timeout");
    }

    static DesignWizard* hub(const QString& name) {
        return qobject_cast<DesignWizard*>(FormRegistry::find(name));
    }

    // Lines of a report split at CR LF.
    static QStringList lines(const QString& report) { return report.split(QStringLiteral("\r\n")); }

    // A whole report as the tests keep it, with LF line ends and @FOOTER@ where the footer
    // stands: the footer's date follows the system's short date format, so it is put in from
    // the fixed clock.
    static QString expectedReport(const char* golden) {
        QString text = QString::fromUtf8(golden);
        text.replace(QStringLiteral("@FOOTER@"), StringTable::text(2273) + report::footerTime(fixedTime()));
        text.replace(u'\n', QStringLiteral("\r\n"));
        return text;
    }

    // Step 6 of the hub, once offered, saves the report to the chosen file with one more CR LF.
    static void expectSavedReport(const QString& hubName, const QString& expected) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("wizard.txt"));
        report::setFileChooser([path](QWidget*, const QString&, const QString&) { return path; });
        DesignWizard* h = hub(hubName);
        ASSERT_TRUE(h->stepOffered(6));
        click(h, QStringLiteral("Command6"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(QString::fromUtf8(file.readAll()), expected + QStringLiteral("\r\n"));
    }
};
