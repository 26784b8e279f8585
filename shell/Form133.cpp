#include "shell/Form133.h"

#include "common/ui/FormRegistry.h"

namespace {

using Ink = DrawingSheet::Ink;
using FieldFont = DrawingSheet::FieldFont;

// Text1(i) of this kind of spring: place over the template, ink, font and design-time text.
const DrawingSheet::Field kFields[] = {
    {2, {121, 356, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {3, {121, 375, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {4, {121, 394, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {5, {121, 413, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {6, {121, 432, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {7, {121, 451, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {8, {121, 470, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {9, {121, 489, 86, 16}, Ink::Red, FieldFont::Window, "1T"},
    {10, {121, 508, 86, 16}, Ink::Red, FieldFont::Window, "0mm"},
    {11, {321, 356, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {12, {321, 375, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {13, {321, 394, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {14, {321, 413, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {15, {321, 432, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {16, {321, 451, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {17, {321, 470, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {18, {321, 489, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {19, {410, 114, 44, 18}, Ink::Blue, FieldFont::Song10, "d"},
    {20, {220, 155, 40, 18}, Ink::Blue, FieldFont::Song10, "H0"},
    {21, {297, 300, 60, 18}, Ink::Blue, FieldFont::Song10, "D"},
    {22, {384, 34, 96, 20}, Ink::Red, FieldFont::Song12, "开口=0mm"},
    {23, {464, 265, 44, 18}, Ink::Blue, FieldFont::Song10, ""},
    {24, {516, 265, 44, 18}, Ink::Blue, FieldFont::Song10, ""},
    {25, {568, 265, 44, 18}, Ink::Blue, FieldFont::Song10, ""},
    {26, {464, 116, 44, 18}, Ink::Blue, FieldFont::Song10, ""},
    {27, {516, 88, 44, 18}, Ink::Blue, FieldFont::Song10, ""},
    {28, {568, 60, 44, 18}, Ink::Blue, FieldFont::Song10, ""},
};

constexpr int kPictureTop = 0;

} // namespace

Form133::Form133()
    : DrawingSheet(QStringLiteral("Form133"), standardCaption(),
                   QStringLiteral(":/pictures/sheets/extension.svg"), kPictureTop, kFields) {}

SPIRELTA_REGISTER_FORM(Form133)
