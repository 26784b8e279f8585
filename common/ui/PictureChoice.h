#pragma once
// A choice among pictures: each picture holds its own option button, and a click on the
// picture or on its button selects that entry alone, so exactly one entry is selected once
// one has been. The end-form steps of the wizards offer their end types this way.

#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QLabel;
class QRadioButton;
class QWidget;

namespace ui {

class PictureChoice : public QObject {
    Q_OBJECT
public:
    explicit PictureChoice(QObject* owner) : QObject(owner) {}

    // Adds entry number n (counted from 1 in adding order) as the picture "Picture<n>" with the
    // option button "Option<n>" in its lower right corner.
    QLabel* add(QWidget* parent, const QString& resource, const QString& toolTip, int width);

    void select(int number);
    // The first selected entry in adding order, or 0.
    int selected() const;

    // Runs after every selection by the user.
    std::function<void(int)> onSelect;

private:
    QList<QRadioButton*> options_;
};

} // namespace ui
