#pragma once
// Tables shared by the strip, fine-wire and mandrel window tests: a calculation that stops part
// way, the Down arrow in an input array and the focus a window opens with.

#include "support/WindowCases.h"

// Result boxes that start as "keep": the shown ones get their texts, the kept ones must still
// read "keep" after the click, and text 1035 must have been shown.
struct StopCase {
    const char* name;
    const char* window;
    std::vector<ControlText> inputs;
    std::vector<ControlText> shown;
    std::vector<const char*> kept;
};

struct DownCase {
    const char* name;
    const char* window;
    const char* from;
    const char* to;
};

struct FocusCase {
    const char* name;
    const char* window;
    const char* focused;
};

class StopsPartWay : public FormTest, public ::testing::WithParamInterface<StopCase> {};
class DownArrow : public FormTest, public ::testing::WithParamInterface<DownCase> {};
class OpeningFocus : public FormTest, public ::testing::WithParamInterface<FocusCase> {};
