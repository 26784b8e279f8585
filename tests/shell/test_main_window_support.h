#pragma once
// Fixture for the application shell's window tests: every test gets its own lock file
// for the single-copy check, so parallel test processes never refuse each other, and no
// desktop notification area unless a test asks for one.

#include "shell/Form1.h"
#include "shell/Form1SingleCopy.h"
#include "shell/TrayIcon.h"
#include "support/FormTest.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>

class ShellTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        static QTemporaryDir lockFolder;
        static int test = 0;
        form1::setSingleCopyLockPath(lockFolder.filePath(QStringLiteral("copy%1.lock").arg(++test)));
        TrayIcon::setAvailableForTesting(false);
    }

    // The main window, as the splash opens it; its timers are stopped so that the test drives
    // every tick itself.
    Form1* openMain() {
        auto* form = open<Form1>(QStringLiteral("Form1"));
        if (form)
            for (QTimer* timer : form->findChildren<QTimer*>())
                timer->stop();
        return form;
    }

    static QAction* action(QWidget* form, const QString& control) {
        return form->findChild<QAction*>(control);
    }

    // A stand-in window registered under a class name that no library provides, so that the
    // tests can watch commands open and close windows.
    static void registerStandIn(const QString& className) {
        if (!FormRegistry::isRegistered(className))
            FormRegistry::registerForm(className, [className] { return new FormBase(className); });
    }
};
