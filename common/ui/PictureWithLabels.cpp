#include "common/ui/PictureWithLabels.h"

#include "common/ui/FormBuilder.h"

#include <QLabel>
#include <QWidget>
#include <algorithm>

namespace ui {

QWidget* sketch(QWidget* parent, const QString& resource, int widthTwips, int heightTwips,
                std::initializer_list<SketchLabel> labels, const QString& pictureName) {
    constexpr int kLabelWidth = 900; // room for a value such as "1231.2" or "102°"
    auto* area = new QWidget(parent);
    int right = widthTwips;
    for (const SketchLabel& l : labels)
        right = std::max(right, l.x + kLabelWidth);
    area->setFixedSize(twips(right), twips(heightTwips));

    QLabel* picture = makePicture(area, pictureName, resource);
    picture->setScaledContents(true);
    picture->setGeometry(0, 0, twips(widthTwips), twips(heightTwips));
    for (const SketchLabel& l : labels) {
        QLabel* echo = makeLiteral(area, QString::fromLatin1(l.name), QString::fromUtf8(l.designCaption));
        echo->setStyleSheet(QStringLiteral("color: #0000ff; background: transparent"));
        echo->setGeometry(twips(l.x), twips(l.y), twips(kLabelWidth), echo->sizeHint().height());
        echo->raise();
    }
    return area;
}

} // namespace ui
