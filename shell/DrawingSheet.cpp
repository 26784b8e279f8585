#include "shell/DrawingSheet.h"

#include "platform/Folders.h"
#include "shell/SheetBitmapWriter.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {

constexpr int kBorder = 2;
constexpr int kClientWidth = 764; // 11460 x 8265 twips
constexpr int kClientHeight = 551;

using Ink = DrawingSheet::Ink;
using FieldFont = DrawingSheet::FieldFont;

// Every sheet has the same title block: customer and part number above it, the company name
// in it, all three for the user to change.
const DrawingSheet::Field kCustomerAndPart[] = {
    {0, {483, 417, 261, 16}, Ink::Red, FieldFont::Window, "改为你的客户名称"},
    {1, {483, 437, 261, 16}, Ink::Red, FieldFont::Window, "改为你的料号或品名"},
};
const DrawingSheet::Field kCompany = {
    29, {426, 500, 315, 20}, Ink::Blue, FieldFont::Song12, "改为你的公司名称"};

QPixmap renderTemplate(const QString& resource) {
    QPixmap pixmap(DrawingSheet::kTemplateWidth, DrawingSheet::kTemplateHeight);
    pixmap.fill(Qt::white);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer.render(&painter, QRectF(pixmap.rect()));
    }
    return pixmap;
}

QFont fieldFont(DrawingSheet::FieldFont kind, const QFont& windowFont) {
    if (kind == DrawingSheet::FieldFont::Window)
        return windowFont;
    QFont font(windowFont);
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("serif")});
    font.setPointSizeF(kind == DrawingSheet::FieldFont::Song10 ? 10.5 : 12.0);
    return font;
}

QLineEdit* makeField(QWidget* picture, const DrawingSheet::Field& field) {
    auto* edit = new QLineEdit(QString::fromUtf8(field.text), picture);
    edit->setObjectName(QStringLiteral("Text1_%1").arg(field.index));
    edit->setFrame(false);
    edit->setTextMargins(0, 0, 0, 0);
    edit->setFont(fieldFont(field.font, picture->font()));
    QPalette palette = edit->palette();
    const QColor ink = field.ink == DrawingSheet::Ink::Red ? QColor(255, 0, 0) : QColor(0, 0, 255);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, Qt::white);
        palette.setColor(group, QPalette::Text, ink);
    }
    edit->setPalette(palette);
    edit->setGeometry(field.place.translated(kBorder, kBorder));
    edit->setCursorPosition(0);
    return edit;
}

} // namespace

SheetPicture::SheetPicture(const QString& templateResource, QWidget* parent)
    : QFrame(parent), template_(renderTemplate(templateResource)) {
    setObjectName(QStringLiteral("Picture1"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorder);
    // Clicking the picture takes the focus from the fields, so no caret or selection is
    // captured with the drawing.
    setFocusPolicy(Qt::ClickFocus);
    setFixedSize(DrawingSheet::kTemplateWidth + 2 * kBorder, DrawingSheet::kTemplateHeight + 2 * kBorder);
}

void SheetPicture::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawPixmap(contentsRect().topLeft(), template_);
    painter.end();
    QFrame::paintEvent(event);
}

void SheetPicture::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

void SheetPicture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QFrame::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

QString DrawingSheet::compressionCaption() {
    return folders::nameOutputFolder(
        QStringLiteral("图纸预览：   修改下图中红色项目后，单击屏幕保存该图，然后在D盘找到该图打印"));
}

QString DrawingSheet::standardCaption() {
    return folders::nameOutputFolder(
        QStringLiteral("图纸预览      修改下图中红色项目后，单击屏幕保存该图，然后在D盘找到该图打印"));
}

DrawingSheet::DrawingSheet(const QString& className, const QString& caption, const QString& templateResource,
                           int pictureTop, std::span<const Field> fields)
    : FormBase(className) {
    setWindowTitle(caption);
    setFixedSize(kClientWidth, kClientHeight);
    picture_ = new SheetPicture(templateResource, this);
    picture_->move(0, pictureTop);
    for (const Field& field : kCustomerAndPart)
        makeField(picture_, field);
    for (const Field& field : fields)
        makeField(picture_, field);
    makeField(picture_, kCompany);
    connect(picture_, &SheetPicture::clicked, this, [this] { SheetBitmapWriter::save(this); });
}

QImage DrawingSheet::capture() const {
    return picture_->grab(picture_->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
}
