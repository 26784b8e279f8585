#pragma once
// A drawing sheet: the production drawing of one spring kind, a template picture with
// borderless text fields laid over its blank cells and dimension labels.
//
// Calculators write the fields by index ("Text1_3") through the window registry and show
// the sheet; the user completes the red fields (customer, part number, ...) and clicks the
// picture, which saves the sheet as a bitmap and closes it (SheetBitmapWriter). The sheets
// have no key handling of their own: any character can be typed into any field.

#include "common/ui/FormBase.h"

#include <QFrame>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <span>

// Picture1: shows the template and holds the fields; a click on it (not on a field) saves.
class SheetPicture : public QFrame {
    Q_OBJECT
public:
    SheetPicture(const QString& templateResource, QWidget* parent);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap template_;
    bool pressed_ = false;
};

class DrawingSheet : public FormBase {
    Q_OBJECT
public:
    // Red marks what the user is meant to fill in or change; blue what a calculator writes.
    enum class Ink { Red, Blue };
    // The window's own font (parameter table, customer, part number) or the serif drawing
    // font at 10.5 or 12 points (labels on the drawing itself, the company name).
    enum class FieldFont { Window, Song10, Song12 };

    struct Field {
        int index;        // Text1(index)
        QRect place;      // over the template, in template pixels
        Ink ink;          //
        FieldFont font;   //
        const char* text; // design-time text (UTF-8)
    };

    // The drawable area inside Picture1's border, the size of the templates and of the
    // saved bitmap.
    static constexpr int kTemplateWidth = 757;
    static constexpr int kTemplateHeight = 535;

    // The captions tell the user to look for the saved bitmap on drive D; they name the
    // real output folder instead.
    static QString compressionCaption();
    static QString standardCaption();

    // The fields are those of this kind of spring; the customer, part-number (Text1_0, Text1_1)
    // and company-name (Text1_29) fields of the title block are the same on every sheet and
    // are added around them.
    DrawingSheet(const QString& className, const QString& caption, const QString& templateResource,
                 int pictureTop, std::span<const Field> fields);

    QWidget* picture() const { return picture_; }

    // What the picture area shows at this moment: the template with every field and its
    // current text, at the template's size.
    QImage capture() const;

private:
    SheetPicture* picture_ = nullptr;
};
