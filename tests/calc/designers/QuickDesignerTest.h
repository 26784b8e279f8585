#pragma once
// The quick designers' windows recompute on their timer. These tests run one tick the way the
// timer does (a fault ends the tick silently) without waiting for it, and list their rows in
// the shared WindowCase table:
// - QuickExample: types the row's inputs, ticks, and expects the texts, no box and no "inf".
// - QuickTickKeeps: ticks once on a complete design (the window's starting inputs below), then
//   types the row's inputs and ticks again: no box, no "inf", every result and label as the
//   first tick left it except the row's expected texts.

#include "support/WindowCases.h"

// Runs one tick of the window's Timer1 through the timer's own connection.
void tickOnce(FormBase* form);

// Every text of the results frame and of the labels, by control name.
std::vector<std::pair<QString, QString>> resultTexts(const FormBase* form);

class QuickExample : public FormTest, public ::testing::WithParamInterface<WindowCase> {};
class QuickTickKeeps : public FormTest, public ::testing::WithParamInterface<WindowCase> {};
