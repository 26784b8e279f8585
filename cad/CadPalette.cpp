#include "cad/CadPalette.h"

#include "cad/CadInputForm.h"
#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FormRegistry.h"
#include "common/ui/PaletteShape.h"
#include "platform/DesktopServices.h"
#include "platform/Folders.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QToolBar>
#include <QWindow>

namespace {

// In button order; the captions are those of the shared palette shape.
struct PaletteButton {
    const char* icon;
    const char* window; // nullptr: help or quit
};

const PaletteButton kButtons[] = {
    {"compression", "CadCompressionForm"},
    {"conical", "CadConicalForm"},
    {"barrel", "CadBarrelForm"},
    {"extension", "CadExtensionForm"},
    {"torsion", "CadTorsionForm"},
    {"help", nullptr},
    {"quit", nullptr},
};

QString& helpOverride() {
    static QString path;
    return path;
}

std::function<void()>& quitAction() {
    static std::function<void()> quit;
    return quit;
}

} // namespace

CadPalette::CadPalette() : FormBase(QStringLiteral("CadPalette")) {
    // Shown without a title bar; the stored caption only names the window to the desktop.
    setWindowTitle(QString());
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    paletteshape::styleToolbar(toolbar_);
    for (int i = 0; i < 7; ++i) {
        const PaletteButton& b = kButtons[i];
        QAction* action =
            toolbar_->addAction(QIcon(QStringLiteral(":/cad/icons/%1.svg").arg(QString::fromLatin1(b.icon))),
                                paletteshape::captions().at(i));
        action->setObjectName(QStringLiteral("Button%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, i] { buttonClick(i + 1); });
    }
    fitToolbar();
}

void CadPalette::fitToolbar() {
    // The palette is as wide as its seven buttons need at the desktop's font, so none of them
    // goes into an overflow menu, and as high as the shared rule says, which the drawing host
    // keeps its dialogs below; the strip below the toolbar stays the palette's surface.
    const int width = toolbar_->sizeHint().width();
    toolbar_->setGeometry(0, 0, width, paletteshape::toolbarHeight());
    setFixedSize(width, paletteshape::outerHeight());
}

void CadPalette::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        fitToolbar();
    FormBase::changeEvent(event);
}

void CadPalette::showEvent(QShowEvent* event) {
    // It opens at the top of the screen, clear of the dialogs that open in the middle.
    if (!placed_ && screen()) {
        placed_ = true;
        const QRect area = screen()->availableGeometry();
        move(area.center().x() - width() / 2, area.top());
    }
    FormBase::showEvent(event);
}

void CadPalette::buttonClick(int index) {
    if (index < 1 || index > 7)
        return;
    const PaletteButton& b = kButtons[index - 1];
    if (b.window) {
        // FormRegistry::show restores a minimised window and raises it.
        FormRegistry::show(QString::fromLatin1(b.window));
    } else if (index == 6) {
        openHelp();
    } else if (quitAction()) {
        quitAction()();
    } else {
        // The drawing stays in the host; Helidraw's windows go without asking. A quit that
        // first asks every window to close would be cancelled by the input windows, which only
        // hide when closed, so the event loop ends directly.
        QCoreApplication::exit(0);
    }
}

void CadPalette::setHelpFile(const QString& path) {
    helpOverride() = path;
}

QString CadPalette::helpFile() {
    return helpOverride().isEmpty() ? folders::programFile(QStringLiteral("docs/帮助文档.html"))
                                    : helpOverride();
}

void CadPalette::setQuitAction(std::function<void()> quit) {
    quitAction() = std::move(quit);
}

void CadPalette::openHelp() {
    const QString path = helpFile();
    const QString name = QFileInfo(path).fileName();
    if (!QFileInfo(path).isFile()) {
        prompt::ask(this,
                    {cad::programTitle(),
                     QStringLiteral("    帮助文件丢失，请查找 %1 文件！\n然后将它存放在应用程序所在的目录。")
                         .arg(name),
                     PromptIcon::None, PromptButtons::Ok});
        return;
    }
    // The desktop's opener reports later whether a program took the document; the palette
    // keeps answering meanwhile.
    const QPointer<CadPalette> self(this);
    desktop::openDocument(path, [self, name](bool opened) {
        if (opened || !self)
            return;
        prompt::ask(self, {cad::programTitle(),
                           StringTable::pick("无法打开 %1：没有可以打开它的程序，或该程序未能打开它。",
                                             "無法開啟 %1：沒有可以開啟它的程式，或該程式未能開啟它。",
                                             "%1 could not be opened: no program opens it, or the "
                                             "program failed to.")
                               .arg(name),
                           PromptIcon::None, PromptButtons::Ok});
    });
}

void CadPalette::mousePressEvent(QMouseEvent* event) {
    // Only the strip below the toolbar is the palette's own surface.
    if (event->button() != Qt::LeftButton || event->buttons() != Qt::LeftButton ||
        event->position().y() < toolbar_->geometry().bottom() + 1)
        return;
    // The window system moves the window where it can; elsewhere the palette follows the
    // pointer itself.
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    dragging_ = true;
    grab_ = event->position().toPoint();
}

void CadPalette::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_)
        return;
    // The point under the pointer at the press stays under it.
    move(pos() + (event->position().toPoint() - grab_));
}

void CadPalette::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}

SPIRELTA_REGISTER_FORM(CadPalette)
