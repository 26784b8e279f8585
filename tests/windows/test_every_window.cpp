// Every window of the main program takes hostile input and has every button pressed.

#include "support/EveryWindow.h"

TEST_P(EveryWindow, TakesHostileInputAndEveryButton) {
    exercise();
}

INSTANTIATE_TEST_SUITE_P(Registered, EveryWindow, ::testing::ValuesIn(registeredWindows()), windowName);
