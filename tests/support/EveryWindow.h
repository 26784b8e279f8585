#pragma once
// Every registered window, opened offscreen, takes a short hostile corpus in every input and
// has every button pressed: no abort, no uncaught exception, no modal box that blocks, no
// "inf" or "nan" in any box, every message one of the program's own texts, and no caption,
// message or picture asked for that the program does not hold (an id missing from the string
// table, a picture path that does not load), which would show empty. A test program
// runs it over the windows it links:
//
//   TEST_P(EveryWindow, TakesHostileInputAndEveryButton) { exercise(); }
//   INSTANTIATE_TEST_SUITE_P(Registered, EveryWindow, ::testing::ValuesIn(registeredWindows()), windowName);
//
// so that a window that registers later is covered the day it lands, as its own test case.

#include "platform/DesktopServices.h"
#include "support/FormTest.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <string>
#include <vector>

// The desktop stands still: no page, mail, document or program is handed to the machine.
class StillDesktop : public desktop::Backend {
public:
    bool openUrl(const QUrl&) override { return true; }
    QString findProgram(const QString&) override { return {}; }
    bool startDetached(const QString&) override { return true; }
};

class EveryWindow : public FormTest, public ::testing::WithParamInterface<std::string> {
protected:
    // Types every text of the corpus into every input and presses every button after each.
    void exercise();

    StillDesktop desk;
    QTemporaryDir saves;
    QTimer modalGuard;
    QStringList blocked;

    // Expects that nothing asked for since SetUp was missing: string-table ids and pictures.
    void expectNothingMissing(const char* when);

    void SetUp() override;
    void TearDown() override;

    // The window, opened anew when a button closed it.
    QString name() const { return QString::fromStdString(GetParam()); }
    FormBase* window();
};

// Names the test after the window.
std::string windowName(const ::testing::TestParamInfo<std::string>& info);

// The names of the registered windows, read when the tests are listed.
std::vector<std::string> registeredWindows();
