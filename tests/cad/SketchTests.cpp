// Each input window shows a sketch of its own kind of spring, labelled with the symbols of its
// input boxes, every label whole inside the picture.

#include "CadFormTest.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QSvgRenderer>

namespace {

struct SketchRow {
    const char* window;
    const char* picture;
    const char* sketch;
};

const SketchRow kSketches[] = {{"CadCompressionForm", "Image1", "compression"},
                               {"CadConicalForm", "Picture1", "conical"},
                               {"CadBarrelForm", "Image1", "barrel"},
                               {"CadExtensionForm", "Image1", "extension"},
                               {"CadTorsionForm", "Image1", "torsion"}};

QByteArray sketchSource(const SketchRow& row) {
    QFile file(QStringLiteral(":/cad/%1-sketch.svg").arg(QString::fromLatin1(row.sketch)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The sketch's <text> elements, each as written.
QStringList labelElements(const QByteArray& source) {
    static const QRegularExpression element(QStringLiteral("<text\\b[^>]*>.*?</text>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    QStringList labels;
    for (auto it = element.globalMatch(QString::fromUtf8(source)); it.hasNext();)
        labels << it.next().captured(0);
    return labels;
}

QString labelText(const QString& element) {
    return element.section(QLatin1Char('>'), 1).section(QLatin1Char('<'), 0, 0);
}

QRectF viewBox(const QByteArray& source) {
    return QSvgRenderer(source).viewBoxF();
}

// Where one label leaves ink, in the sketch's units: the label alone, drawn on a canvas with a
// wide margin round the picture, so that ink beyond the picture's edge is seen, not clipped.
QRectF inkBox(const QString& element, const QRectF& box) {
    const double margin = 40, scale = 3;
    const QRectF canvas = box.adjusted(-margin, -margin, margin, margin);
    const QByteArray svg =
        QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"%1 %2 %3 %4\">%5</svg>")
            .arg(canvas.x())
            .arg(canvas.y())
            .arg(canvas.width())
            .arg(canvas.height())
            .arg(element)
            .toUtf8();
    QImage image((canvas.size() * scale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(svg).render(&painter, QRectF(QPointF(), image.size()));
    painter.end();
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) > 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    if (right < 0)
        return {};
    return QRectF(canvas.x() + left / scale, canvas.y() + top / scale, (right + 1 - left) / scale,
                  (bottom + 1 - top) / scale);
}

using Sketches = CadFormTest;

TEST_F(Sketches, EachWindowShowsAPictureOfItsOwn) {
    std::vector<QImage> images;
    for (const SketchRow& row : kSketches) {
        FormBase* form = open(QString::fromLatin1(row.window));
        const auto* label = form->findChild<QLabel*>(QString::fromLatin1(row.picture));
        ASSERT_NE(label, nullptr) << row.window;
        const QPixmap pixmap = label->pixmap();
        ASSERT_FALSE(pixmap.isNull()) << row.window;
        EXPECT_GE(pixmap.height(), 200) << row.window;
        images.push_back(pixmap.toImage());
    }
    for (size_t i = 0; i < images.size(); ++i)
        for (size_t j = i + 1; j < images.size(); ++j)
            EXPECT_NE(images[i], images[j]) << kSketches[i].window << " and " << kSketches[j].window;
}

TEST_F(Sketches, LabelTheSymbolOfEveryInputBox) {
    // A caption's symbol is the Latin name it ends with: "中  径MD：" gives MD.
    static const QRegularExpression symbol(QStringLiteral("([A-Za-z][A-Za-z0-9]*)：$"));
    for (const SketchRow& row : kSketches) {
        FormBase* form = open(QString::fromLatin1(row.window));
        QStringList labelled;
        for (const QString& element : labelElements(sketchSource(row)))
            labelled << labelText(element).split(QLatin1Char(' '));
        QStringList symbols;
        for (const QLabel* caption : form->findChildren<QLabel*>()) {
            const QRegularExpressionMatch m = symbol.match(caption->text());
            if (m.hasMatch())
                symbols << m.captured(1);
        }
        EXPECT_GE(symbols.size(), 3) << row.window;
        for (const QString& s : symbols)
            EXPECT_TRUE(labelled.contains(s)) << row.sketch << " lacks " << qPrintable(s);
    }
}

TEST_F(Sketches, EveryLabelLiesInsideThePicture) {
    for (const SketchRow& row : kSketches) {
        open(QString::fromLatin1(row.window)); // the window's resources are loaded
        const QByteArray source = sketchSource(row);
        ASSERT_FALSE(source.isEmpty()) << row.sketch;
        const QRectF box = viewBox(source);
        ASSERT_FALSE(box.isEmpty()) << row.sketch;
        const QStringList labels = labelElements(source);
        EXPECT_FALSE(labels.isEmpty()) << row.sketch;
        for (const QString& element : labels) {
            const QRectF ink = inkBox(element, box);
            const std::string where =
                std::string(row.sketch) + " \"" + labelText(element).toStdString() + "\"";
            ASSERT_FALSE(ink.isEmpty()) << where << " draws nothing";
            EXPECT_TRUE(box.contains(ink))
                << where << " reaches " << ink.left() << "," << ink.top() << " to " << ink.right() << ","
                << ink.bottom() << " outside 0,0 to " << box.right() << "," << box.bottom();
        }
    }
}

} // namespace
