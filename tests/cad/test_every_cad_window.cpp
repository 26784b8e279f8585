// Every window of Helidraw takes hostile input and has every button pressed, drawing into a
// recording host instead of a running drawing host.

#include "CadFormTest.h"
#include "support/EveryWindow.h"

namespace {

class EveryCadWindow : public EveryWindow {
protected:
    void TearDown() override {
        // The input windows only hide when closed: the next case starts from fresh ones.
        for (const QString& name : FormRegistry::registeredForms())
            delete FormRegistry::find(name);
        EveryWindow::TearDown();
    }

    HostScript script;
    RecordingHostScope scope{script};
};

TEST_P(EveryCadWindow, TakesHostileInputAndEveryButton) {
    exercise();
}

INSTANTIATE_TEST_SUITE_P(Registered, EveryCadWindow, ::testing::ValuesIn(registeredWindows()), windowName);

} // namespace
