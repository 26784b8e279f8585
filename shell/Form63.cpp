#include "shell/Form63.h"

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
    {9, {121, 489, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {10, {121, 508, 86, 16}, Ink::Red, FieldFont::Window, "右旋"},
    {11, {321, 356, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {12, {321, 375, 86, 16}, Ink::Blue, FieldFont::Window, "d"},
    {13, {321, 394, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {14, {321, 413, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {15, {321, 432, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {16, {321, 451, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {17, {321, 470, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {18, {321, 489, 86, 16}, Ink::Blue, FieldFont::Window, ""},
    {19, {410, 60, 44, 18}, Ink::Blue, FieldFont::Song10, "d"},
    {20, {220, 145, 40, 18}, Ink::Blue, FieldFont::Song10, "H0"},
    {21, {297, 24, 60, 18}, Ink::Blue, FieldFont::Song10, "D"},
    {22, {297, 274, 60, 18}, Ink::Blue, FieldFont::Song10, "D"},
    {23, {464, 265, 44, 18}, Ink::Blue, FieldFont::Song10, "D"},
    {24, {516, 265, 44, 18}, Ink::Blue, FieldFont::Song10, "D"},
    {25, {568, 265, 44, 18}, Ink::Blue, FieldFont::Song10, "D"},
    {26, {464, 60, 44, 18}, Ink::Blue, FieldFont::Song10, "D"},
    {27, {516, 88, 44, 18}, Ink::Blue, FieldFont::Song10, "D"},
    {28, {568, 116, 44, 18}, Ink::Blue, FieldFont::Song10, "D"},
};

// The picture sits 120 twips below the top of the window.
constexpr int kPictureTop = 8;

} // namespace

Form63::Form63()
    : DrawingSheet(QStringLiteral("Form63"), compressionCaption(),
                   QStringLiteral(":/pictures/sheets/compression.svg"), kPictureTop, kFields) {}

SPIRELTA_REGISTER_FORM(Form63)
