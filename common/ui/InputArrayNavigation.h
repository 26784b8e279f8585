#pragma once
// Where the Down arrow goes in an input-field array whose Indexes may have gaps.
//
// Many calculators put their result boxes into the same array as their inputs, so the
// Indexes can skip numbers (Text1_0 .. Text1_5, Text1_7 .. Text1_9). Two rules are in use:
//
// - NextIndex: the next existing higher Index; from the highest one back to the lowest.
// - ElementCount: the rule of the windows that count their elements: when Index + 1 is greater
//   than the element count - 1, back to the lowest Index (Text1_0); otherwise the next existing
//   Index from Index + 1 on. In an array with gaps this wraps before the highest Index is
//   reached (with Indexes 0-5 and 7-9, Down goes from 8 to 0, and 9 is reached only by Tab).
//
// In an array without gaps both rules walk 0, 1, ..., last, 0.

#include <QString>
#include <span>

namespace ui {

enum class DownRule { NextIndex, ElementCount };

// The Index the Down arrow moves to from `from`; `indexes` are the array's Indexes in
// ascending order. Returns -1 for an empty array or an Index that is not in it.
int downTarget(std::span<const int> indexes, int from, DownRule rule);

// The Index of a control named "<arrayName>_<Index>", or -1 when the name is not of that form.
int arrayIndex(const QString& objectName, const QString& arrayName);

} // namespace ui
