#include "common/ui/PictureChoice.h"

#include "common/ui/FormBuilder.h"
#include "common/ui/LabelClick.h"

#include <QLabel>
#include <QRadioButton>

namespace ui {

QLabel* PictureChoice::add(QWidget* parent, const QString& resource, const QString& toolTip, int width) {
    const int number = static_cast<int>(options_.size()) + 1;
    QLabel* picture = makePicture(parent, QStringLiteral("Picture%1").arg(number), resource, width);
    picture->setToolTip(toolTip);
    picture->setFrameShape(QFrame::Box);

    // The buttons of different pictures have no common parent, so select() keeps them
    // exclusive.
    auto* option = new QRadioButton(picture);
    option->setObjectName(QStringLiteral("Option%1").arg(number));
    option->setAutoExclusive(false);
    const QSize hint = option->sizeHint();
    const QSize area = picture->pixmap().isNull() ? QSize(width, width) : picture->pixmap().size();
    option->move(qMax(0, area.width() - hint.width()), qMax(0, area.height() - hint.height()));
    options_.append(option);

    auto choose = [this, number] {
        select(number);
        if (onSelect)
            onSelect(number);
    };
    connect(option, &QRadioButton::clicked, this, choose);
    onLabelClick(picture, choose);
    return picture;
}

void PictureChoice::select(int number) {
    for (int i = 0; i < options_.size(); ++i)
        options_[i]->setChecked(i + 1 == number);
}

int PictureChoice::selected() const {
    for (int i = 0; i < options_.size(); ++i)
        if (options_[i]->isChecked())
            return i + 1;
    return 0;
}

} // namespace ui
