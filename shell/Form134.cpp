#include "shell/Form134.h"

#include "common/ui/FormRegistry.h"

namespace {

using Ink = DrawingSheet::Ink;
using FieldFont = DrawingSheet::FieldFont;

// Text1(i) of this kind of spring: place over the template, ink, font and design-time text.
const DrawingSheet::Field kFields[] = {
    {2, {121, 375, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {3, {121, 394, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {4, {121, 413, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {5, {121, 432, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {6, {121, 451, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {7, {121, 470, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {8, {121, 489, 86, 16}, Ink::Red, FieldFont::Window, "?圈"},
    {9, {121, 508, 86, 16}, Ink::Red, FieldFont::Window, "右旋"},
    {10, {321, 375, 86, 16}, Ink::Red, FieldFont::Window, "1圈"},
    {11, {321, 394, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {12, {321, 413, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {13, {321, 432, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {14, {321, 451, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {15, {321, 470, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {16, {321, 489, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {17, {296, 24, 60, 18}, Ink::Blue, FieldFont::Song10, "17"},
    {18, {296, 272, 60, 18}, Ink::Blue, FieldFont::Song10, "18"},
    {19, {418, 132, 44, 18}, Ink::Blue, FieldFont::Song10, "19"},
    {20, {218, 145, 40, 18}, Ink::Blue, FieldFont::Song10, ""},
    {21, {578, 265, 44, 18}, Ink::Blue, FieldFont::Song10, ""},
    {22, {498, 265, 44, 18}, Ink::Blue, FieldFont::Song10, ""},
    {23, {498, 70, 44, 18}, Ink::Blue, FieldFont::Song10, ""},
    {24, {578, 110, 44, 18}, Ink::Blue, FieldFont::Song10, ""},
};

constexpr int kPictureTop = 0;

} // namespace

Form134::Form134()
    : DrawingSheet(QStringLiteral("Form134"), standardCaption(),
                   QStringLiteral(":/pictures/sheets/conical.svg"), kPictureTop, kFields) {}

SPIRELTA_REGISTER_FORM(Form134)
