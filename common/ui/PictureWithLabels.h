#pragma once
// A picture with named labels placed over it: a spring sketch whose labels echo results, or
// a fixed load-deflection diagram whose point labels show the loads.
//
//   row->addWidget(ui::sketch(frame, QStringLiteral(":/pictures/designers/buffer.svg"), 2250, 3420,
//                             {{"Label40", "?", 300, 1200}, {"Label41", "?", 1500, 2400}}));
//
// The labels are blue on a transparent ground and may reach past the picture's right edge.

#include <QString>
#include <initializer_list>

class QWidget;

namespace ui {

// A label over a picture; position in twips from the picture's top left corner.
struct SketchLabel {
    const char* name;
    const char* designCaption; // the text the label shows when the window loads
    int x;
    int y;
};

// The picture (size in twips), named pictureName, with its labels over it.
QWidget* sketch(QWidget* parent, const QString& resource, int widthTwips, int heightTwips,
                std::initializer_list<SketchLabel> labels,
                const QString& pictureName = QStringLiteral("Image1"));

} // namespace ui
