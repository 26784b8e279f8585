#pragma once
// Window tests of Helidraw: every input window gets recording hosts, and the windows, which
// only hide when closed, are deleted after each test so the next starts fresh.

#include "RecordingHost.h"
#include "support/FormTest.h"

class CadFormTest : public FormTest {
protected:
    void TearDown() override {
        for (const char* name : {"CadCompressionForm", "CadConicalForm", "CadBarrelForm", "CadExtensionForm",
                                 "CadTorsionForm", "CadPalette"})
            delete FormRegistry::find(QString::fromLatin1(name));
        FormTest::TearDown();
    }

    HostScript script;
    RecordingHostScope scope{script};
};
