#include "shell/Form135.h"

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
    {7, {121, 451, 86, 16}, Ink::Red, FieldFont::Window, "d"},
    {8, {121, 470, 86, 16}, Ink::Blue, FieldFont::Window, "n"},
    {9, {121, 489, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {10, {121, 508, 86, 16}, Ink::Red, FieldFont::Window, "右旋"},
    {11, {321, 356, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {12, {321, 375, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {13, {321, 394, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {14, {321, 413, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {15, {321, 432, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {16, {321, 451, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {17, {321, 470, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {18, {321, 489, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {19, {420, 178, 44, 18}, Ink::Blue, FieldFont::Song10, ""},
    {20, {534, 244, 60, 18}, Ink::Blue, FieldFont::Song10, ""},
    {21, {446, 90, 50, 18}, Ink::Blue, FieldFont::Song10, ""},
    {22, {662, 37, 50, 18}, Ink::Blue, FieldFont::Song10, ""},
    {23, {572, 82, 60, 20}, Ink::Red, FieldFont::Song12, "自由角"},
    {24, {296, 244, 60, 18}, Ink::Red, FieldFont::Song12, ""},
};

constexpr int kPictureTop = 0;

} // namespace

Form135::Form135()
    : DrawingSheet(QStringLiteral("Form135"), standardCaption(),
                   QStringLiteral(":/pictures/sheets/torsion.svg"), kPictureTop, kFields) {}

SPIRELTA_REGISTER_FORM(Form135)
