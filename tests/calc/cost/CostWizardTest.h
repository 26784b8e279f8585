#pragma once
// A fixture for the cost-analysis wizard: the wizard's variables start as at program start,
// the report footer shows a fixed time, and steps can be run with their defaults.

#include "calc/cost/CostWizardReport.h"
#include "calc/cost/CostWizardState.h"
#include "common/Numbers.h"
#include "common/ui/DesignWizard.h"
#include "platform/TextReport.h"
#include "support/FormTest.h"

#include <QTimer>

class CostWizardTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        using namespace costwizard;
        for (QString* s : {&CostReport1, &CostReport2, &CostReport3, &CostReport4, &CostDensity})
            s->clear();
        for (float* f :
             {&CostWireDia, &CostMeanDia, &CostTotalCoils, &CostExtraLength, &CostPieceWeight,
              &CostMaterialPrice, &CostFreight, &CostLossPercent, &CostMachineRate, &CostPlatingPrice,
              &CostSpeed, &CostSecondaryProcessing, &CostTaxPercent, &CostNetPrice, &CostPriceWithTax})
            *f = 0;
        reportClock() = [] { return fixedTime(); };
    }
    void TearDown() override {
        FormTest::TearDown();
        costwizard::reportClock() = nullptr;
        report::setFileChooser(nullptr);
    }

public:
    static QDateTime fixedTime() { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)); }

    static DesignWizard* hub() {
        return qobject_cast<DesignWizard*>(FormRegistry::find(QStringLiteral("Form117")));
    }

    // One tick of the window's Timer1, without waiting 200 ms.
    static void tick(FormBase* form) {
        auto* timer = form->findChild<QTimer*>(QStringLiteral("Timer1"));
        ASSERT_NE(timer, nullptr);
        QMetaObject::invokeMethod(timer, "timeout");
    }

    // Which of the buttons 2 to 5 and the marks 1 to 4 the hub offers: "1100/1000" after step 1.
    static QString offers(const DesignWizard* h) {
        QString s;
        for (int step = 2; step <= 5; ++step)
            s += h->stepOffered(step) ? u'1' : u'0';
        s += u'/';
        for (int mark = 1; mark <= 4; ++mark)
            s += h->arrowShown(mark) ? u'1' : u'0';
        return s;
    }

    static QStringList lines(const QString& report) { return report.split(QStringLiteral("\r\n")); }

    // Opens step k from the hub's button; the step window is returned.
    static FormBase* openStep(int step) {
        click(hub(), QStringLiteral("Command%1").arg(step));
        return FormRegistry::find(QStringLiteral("Form%1").arg(117 + step));
    }

    // Runs steps 1 to `last` from the hub with every default (the material step after one tick).
    static void runDefaults(int last) {
        if (!hub())
            open(QStringLiteral("Form117"));
        for (int step = 1; step <= last; ++step) {
            FormBase* w = openStep(step);
            ASSERT_NE(w, nullptr) << step;
            if (step == 3)
                tick(w);
            click(w, QStringLiteral("Command1"));
            ASSERT_TRUE(w->isClosed()) << step;
            flush();
        }
    }
};
