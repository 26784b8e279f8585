#include "shell/ReferencePicture.h"

#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

ReferencePicture::ReferencePicture(const QString& className, int captionId, const QStringList& pictures)
    : ReferencePicture(className, StringTable::text(captionId), pictures) {}

ReferencePicture::ReferencePicture(const QString& className, const QString& fixedCaption,
                                   const QStringList& pictures)
    : FormBase(className) {
    setWindowTitle(fixedCaption);
    showPictures(pictures);
}

void ReferencePicture::showPictures(const QStringList& pictures) {
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(4);
    for (int i = 0; i < pictures.size(); ++i)
        pageLayout->addWidget(ui::makePicture(this, QStringLiteral("Image%1").arg(i + 1), pictures[i]));

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("PictureArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(page);
    scroll->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    // Open at the pictures' own size, as far as the screen allows.
    QSize wanted = page->sizeHint() + QSize(scroll->verticalScrollBar()->sizeHint().width(), 0);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(wanted);
}
