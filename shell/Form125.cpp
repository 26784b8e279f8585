#include "shell/Form125.h"

#include "common/Numbers.h"
#include "common/StringTable.h"
#include "common/ui/FormRegistry.h"
#include "shell/Form1Background.h"
#include "shell/Form1Icons.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <cmath>

namespace {

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect twipsRect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

// The pixels a label's text covers, in its parent's coordinates. The texts are drawn without
// smoothing, so these are exactly the pixels that are not the key colour.
QRegion textRegion(const QLabel* label) {
    QImage image(label->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setFont(label->font());
    painter.setPen(Qt::black);
    painter.drawText(label->rect(), static_cast<int>(label->alignment()), label->text());
    painter.end();
    return QRegion(QBitmap::fromImage(image.createAlphaMask())).translated(label->pos());
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QRect& geometry, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QFont font = label->font();
    font.setStyleStrategy(QFont::NoAntialias);
    label->setFont(font);
    return label;
}

} // namespace

Form125::Form125() : FormBase(QStringLiteral("Form125")) {
    setWindowFlags(Qt::FramelessWindowHint | Qt::SplashScreen);
    // Where a compositor exists the key-coloured pixels are simply transparent; the window
    // shape below makes them see-through where none does.
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(pixels(3570), pixels(960));

    label2_ = makeLabel(this, QStringLiteral("Label2"), twipsRect(120, 120, 3375, 255), QString());
    picture1_ = new QWidget(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setGeometry(twipsRect(120, 360, trackWidth, 375));
    label1_ = makeLabel(picture1_, QStringLiteral("Label1"), twipsRect(0, 0, 2655, 375), QString());
    label3_ =
        makeLabel(picture1_, QStringLiteral("Label3"), twipsRect(1200, 90, 855, 375), QStringLiteral("%"));
    QPalette red = label3_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    label3_->setPalette(red);

    // Load step: the bar starts empty 10 twips left of the track, its colour is the key colour.
    label1_->setText(QString());
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setGeometry(pixels(-10), 0, 0, label1_->height());
    timer1_ = addTimer(QStringLiteral("Timer1"), 5, [this] { tick(); });
    timer1_->setTimerType(Qt::PreciseTimer);
    timer1_->start();
    label2_->setText(StringTable::text(2088));

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    updateShape();
}

Form125::~Form125() {
    // The pictures started on the first tick are finished before anything else can end.
    Form1Background::waitForPrepared();
    form1::waitForPreparedIcons();
}

void Form125::tick() {
    if (barWidth_ >= trackWidth) {
        // Stopped first: the main window's load may wait on a message box, and this tick must
        // not come round again meanwhile.
        timer1_->stop();
        FormRegistry::show(QStringLiteral("Form1"));
        close();
        return;
    }
    if (barWidth_ == 0) {
        // The main window's pictures (background, toolbar, icon) are drawn while the bar
        // grows, once the splash is up.
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            Form1Background::prepare(screen->devicePixelRatio());
            form1::prepareIcons(screen->devicePixelRatio());
        }
    }
    barWidth_ += barStep;
    label1_->resize(pixels(barWidth_), label1_->height());
    label3_->setText(num::format(static_cast<double>(barWidth_) / trackWidth, u"0%"));
    updateShape();
    update();
}

QRect Form125::barRect() const {
    return QRect(picture1_->mapTo(this, label1_->pos()), label1_->size());
}

void Form125::updateShape() {
    QRegion shape = QRegion(picture1_->geometry()).subtracted(barRect());
    shape += textRegion(label2_);
    shape += textRegion(label3_).translated(picture1_->pos());
    setMask(shape);
}

void Form125::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    // The track, except where the bar (key colour) covers it.
    QRegion track = QRegion(picture1_->geometry()).subtracted(barRect());
    painter.setClipRegion(track);
    painter.fillRect(picture1_->geometry(), QColor(0xd4, 0xd0, 0xc8));
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(picture1_->geometry().adjusted(0, 0, -1, -1));
}
SPIRELTA_REGISTER_FORM(Form125)
