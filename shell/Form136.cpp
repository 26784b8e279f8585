#include "shell/Form136.h"

#include "common/ui/FormRegistry.h"

namespace {

using Ink = DrawingSheet::Ink;
using FieldFont = DrawingSheet::FieldFont;

// Text1(i) of this kind of spring: place over the template, ink, font and design-time text.
const DrawingSheet::Field kFields[] = {
    {2, {121, 375, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {3, {372, 102, 44, 18}, Ink::Blue, FieldFont::Song10, "d"},
    {4, {121, 394, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {5, {121, 413, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {6, {121, 432, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {7, {372, 214, 44, 18}, Ink::Blue, FieldFont::Song10, "d"},
    {8, {121, 451, 86, 16}, Ink::Blue, FieldFont::Window, "n"},
    {9, {121, 470, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {10, {121, 489, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {11, {121, 508, 86, 16}, Ink::Blue, FieldFont::Window, "z"},
    {12, {321, 375, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {13, {321, 394, 86, 16}, Ink::Blue, FieldFont::Window, "13"},
    {14, {321, 413, 86, 16}, Ink::Blue, FieldFont::Window, "14"},
    {15, {321, 432, 86, 16}, Ink::Blue, FieldFont::Window, "15"},
    {16, {321, 451, 86, 16}, Ink::Blue, FieldFont::Window, "16"},
    {17, {321, 470, 86, 16}, Ink::Blue, FieldFont::Window, "17"},
    {18, {321, 489, 86, 16}, Ink::Blue, FieldFont::Window, "18"},
    {19, {222, 141, 44, 18}, Ink::Blue, FieldFont::Song10, "19"},
    {20, {624, 250, 76, 18}, Ink::Blue, FieldFont::Song10, ""},
    {21, {222, 261, 44, 18}, Ink::Blue, FieldFont::Song10, "21"},
    {22, {510, 250, 60, 18}, Ink::Blue, FieldFont::Song10, "22"},
    {23, {510, 48, 60, 18}, Ink::Blue, FieldFont::Song10, "nj"},
    {24, {654, 80, 50, 18}, Ink::Blue, FieldFont::Song10, "24"},
    {25, {372, 146, 44, 18}, Ink::Blue, FieldFont::Song10, "d"},
    {26, {372, 256, 44, 18}, Ink::Blue, FieldFont::Song10, "d"},
};

constexpr int kPictureTop = 0;

} // namespace

Form136::Form136()
    : DrawingSheet(QStringLiteral("Form136"), standardCaption(), QStringLiteral(":/pictures/sheets/wave.svg"),
                   kPictureTop, kFields) {}

SPIRELTA_REGISTER_FORM(Form136)
