#pragma once
// Helpers of the coil-shape window tests.

#include "support/WindowCases.h"

#include <string>
#include <vector>

// A set of inputs with some texts changed (or added).
inline std::vector<ControlText> with(std::vector<ControlText> base, const std::vector<ControlText>& changes) {
    for (const ControlText& c : changes) {
        bool replaced = false;
        for (ControlText& b : base) {
            if (std::string(b.control) == c.control) {
                b.text = c.text;
                replaced = true;
            }
        }
        if (!replaced)
            base.push_back(c);
    }
    return base;
}
