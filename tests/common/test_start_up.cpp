// Base folders named by the environment with a relative value are dropped before anything
// looks them up; absolute ones, and the absolute entries of a list, stay as they were.

#include "common/StartUp.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace {

struct BaseFolderCase {
    const char* variable;
    const char* given;
    const char* kept; // nullptr: no longer set
};

class RelativeBaseFolder : public ::testing::TestWithParam<BaseFolderCase> {
protected:
    void SetUp() override {
        wasSet = qEnvironmentVariableIsSet(GetParam().variable);
        before = qgetenv(GetParam().variable);
    }
    void TearDown() override {
        if (wasSet)
            qputenv(GetParam().variable, before);
        else
            qunsetenv(GetParam().variable);
    }
    bool wasSet = false;
    QByteArray before;
};

TEST_P(RelativeBaseFolder, IsIgnoredAsIfUnset) {
    const BaseFolderCase& c = GetParam();
    qputenv(c.variable, c.given);
    startup::ignoreRelativeBaseFolders();
    if (c.kept) {
        EXPECT_EQ(qgetenv(c.variable), QByteArray(c.kept));
    } else {
        EXPECT_FALSE(qEnvironmentVariableIsSet(c.variable)) << qgetenv(c.variable).constData();
    }
}

const BaseFolderCase kCases[] = {
    {"XDG_RUNTIME_DIR", "run", nullptr},
    {"XDG_CACHE_HOME", "./cache", nullptr},
    {"XDG_CONFIG_HOME", "config", nullptr},
    {"XDG_DATA_HOME", "../data", nullptr},
    {"XDG_STATE_HOME", "", nullptr},
    {"XDG_DATA_HOME", "/home/user/.local/share", "/home/user/.local/share"},
    {"XDG_DATA_DIRS", "share:/usr/local/share::/usr/share", "/usr/local/share:/usr/share"},
    {"XDG_CONFIG_DIRS", "etc:xdg", nullptr},
    {"XDG_CONFIG_DIRS", "/etc/xdg", "/etc/xdg"},
};

INSTANTIATE_TEST_SUITE_P(Environment, RelativeBaseFolder, ::testing::ValuesIn(kCases));

} // namespace
