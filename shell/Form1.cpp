#include "shell/Form1.h"

#include "common/Prompt.h"
#include "common/StringTable.h"
#include "common/ui/FormBuilder.h"
#include "common/ui/FormRegistry.h"
#include "shell/CommandHotSpot.h"
#include "shell/CommandList.h"
#include "shell/Form1Background.h"
#include "shell/Form1Icons.h"
#include "shell/Form1SingleCopy.h"
#include "shell/HelpViewer.h"
#include "shell/ProgramCommands.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetricsF>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

namespace {

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QRect twipsRect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

constexpr int panel1WidthTwips = 3000;

} // namespace

Form1::Form1() : FormBase(QStringLiteral("Form1")), formFont_(QStringLiteral("宋体")) {
    formFont_.setPointSizeF(21.75);
    setWindowIcon(form1::windowIcon());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    client_ = new Form1Background(this);
    layout->addWidget(client_);
    auto* clientLayout = new QVBoxLayout(client_);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);

    // 1. Caption.
    setWindowTitle(StringTable::text(1001));

    // 2. The welcome label: it starts above the client area and never comes into view; only
    //    the clock beside it shows that its timer runs.
    label1_ = new QLabel(StringTable::text(1002), client_);
    label1_->setObjectName(QStringLiteral("Label1"));
    QFont labelFont(StringTable::text(1353));
    labelFont.setPointSizeF(15.75);
    labelFont.setBold(true);
    label1_->setFont(labelFont);
    label1_->setAttribute(Qt::WA_TranslucentBackground);
    label1_->setGeometry(twipsRect(marqueeLeft_, -840, 4290, 315));

    // 3., 4. Menus, toolbar and hot spots with their captions and tooltips.
    buildMenus();
    layout->setMenuBar(menuBar_);
    buildToolbar();
    clientLayout->addWidget(toolbar_);
    clientLayout->addStretch(1);
    buildHotSpots();

    // 5. F1 opens the program's help from any of its windows.
    HelpViewer::installF1Key();

    // 6., 7. Timers and the status bar.
    timer1_ = addTimer(QStringLiteral("Timer1"), 1000, [this] { marqueeTick(); });
    timer2_ = addTimer(QStringLiteral("Timer2"), 0, [this] { scrollerTick(); });
    timer2_->setInterval(200);
    buildStatusBar();
    clientLayout->addWidget(statusBar_);
    timer1_->start();
    timer2_->start();

    connect(client_, &Form1Background::backgroundPressed, this, &Form1::backgroundPressed);

    const QScreen* screen = QGuiApplication::primaryScreen();
    resize(normalOuterSize(screen ? screen->availableGeometry().size() : QSize()));

    // 9. A second copy says so and ends; none of its windows stays. So does a copy whose lock
    // folder may not be used, naming that folder.
    if (!form1::claimSingleCopy()) {
        refused_ = true;
        timer1_->stop();
        timer2_->stop();
        prompt::inform(nullptr, form1::singleCopyRefusalText());
        if (QThread::currentThread()->loopLevel() > 0)
            QCoreApplication::exit(0);
    }
}

void Form1::buildMenus() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName(QStringLiteral("MenuBar"));
    auto addItems = [this](QMenu* menu, const std::vector<commands::MenuItem>& items) {
        for (const commands::MenuItem& item : items) {
            const QString control = QString::fromLatin1(item.control);
            QAction* action = item.isSeparator() ? menu->addSeparator()
                                                 : menu->addAction(StringTable::text(item.captionId));
            action->setObjectName(control);
            if (!item.isSeparator())
                connect(action, &QAction::triggered, this, [this, control] { runCommand(control); });
        }
    };
    for (const commands::Menu& entry : commands::menuBar()) {
        const QString control = QString::fromLatin1(entry.control);
        if (entry.items.empty()) {
            // A command on the bar itself (tc2 asks the exit question at once).
            QAction* action = menuBar_->addAction(StringTable::text(entry.captionId));
            action->setObjectName(control);
            connect(action, &QAction::triggered, this, [this, control] { runCommand(control); });
            continue;
        }
        QMenu* menu = menuBar_->addMenu(StringTable::text(entry.captionId));
        menu->setObjectName(control);
        addItems(menu, entry.items);
    }
    // The popup menu keeps its design-time caption and never appears on the bar.
    popMenu_ = new QMenu(QStringLiteral("PopMenu"), this);
    popMenu_->setObjectName(QStringLiteral("PopMenu"));
    addItems(popMenu_, commands::popMenu().items);
}

void Form1::buildToolbar() {
    toolbar_ = new QToolBar(client_);
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize(QSize(32, 32));
    toolbar_->setAutoFillBackground(true);
    toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
    // The pictures for the screen the window opens on (the splash drew them for it ahead).
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    for (const commands::ToolbarButton& button : commands::toolbar()) {
        QAction* action = toolbar_->addAction(form1::toolbarIcon(button.index, ratio), QString());
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(button.index));
        action->setToolTip(commands::toolbarTooltip(button));
        const int index = button.index;
        connect(action, &QAction::triggered, this, [this, index] { toolbarClick(index); });
    }
}

void Form1::buildHotSpots() {
    for (const commands::HotSpot& spot : commands::hotSpots()) {
        const QString control = QString::fromLatin1(spot.control);
        auto* label =
            new CommandHotSpot(control, twipsRect(spot.left, spot.top, spot.width, spot.height), client_);
        if (spot.tooltipId != 0)
            label->setToolTip(StringTable::text(spot.tooltipId));
        connect(label, &CommandHotSpot::clicked, this, [this, control] { runCommand(control); });
    }
}

void Form1::buildStatusBar() {
    statusBar_ = new QStatusBar(client_);
    statusBar_->setObjectName(QStringLiteral("StatusBar1"));
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setAutoFillBackground(true);
    QFont font(StringTable::text(1353));
    font.setPointSize(9);
    statusBar_->setFont(font);
    panel1_ = new QLabel(StringTable::text(1316), statusBar_);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFixedWidth(pixels(panel1WidthTwips));
    panel1_->setFrameShape(QFrame::Panel);
    panel1_->setFrameShadow(QFrame::Sunken);
    panel2_ = new QLabel(statusBar_);
    panel2_->setObjectName(QStringLiteral("Panel2"));
    panel2_->setFrameShape(QFrame::Panel);
    panel2_->setFrameShadow(QFrame::Sunken);
    panel2_->setMinimumWidth(pixels(1500));
    panel2_->setAlignment(Qt::AlignCenter);
    statusBar_->addWidget(panel1_);
    statusBar_->addWidget(panel2_);
}

QMenu* Form1::menu(const QString& control) const {
    return findChild<QMenu*>(control);
}

void Form1::runCommand(const QString& control) {
    const commands::Target target = commands::targetOf(control);
    switch (target.kind) {
    case commands::Target::Window:
        FormRegistry::show(QString::fromLatin1(target.name));
        break;
    case commands::Target::Program:
        ProgramCommands::run(QString::fromLatin1(target.name), this);
        break;
    case commands::Target::Exit:
        exitCommand();
        break;
    case commands::Target::Nothing:
        break;
    }
}

void Form1::toolbarClick(int index) {
    const QString target = commands::toolbarTarget(index);
    if (!target.isEmpty())
        FormRegistry::show(target);
}

void Form1::exitCommand() {
    const PromptAnswer answer = prompt::ask(this, {StringTable::text(1318), StringTable::text(1320),
                                                   PromptIcon::Information, PromptButtons::OkCancel});
    if (answer == PromptAnswer::Ok)
        quit();
}

void Form1::quit() {
    quitting_ = true;
    FormRegistry::closeAllExcept(objectName());
    close();
}

void Form1::marqueeTick() {
    if (timer1_->interval() != 30)
        timer1_->setInterval(30);
    marqueeLeft_ = form1::nextMarqueeLeft(marqueeLeft_, widthTwips());
    label1_->move(pixels(marqueeLeft_), label1_->y());
    const QString clock = form1::clockText(QTime::currentTime());
    if (panel2_->text() != clock)
        panel2_->setText(clock);
}

void Form1::scrollerTick() {
    panel1_->setText(scroll_.tick(panel1_->text(), panel1WidthTwips, spaceWidthTwips()));
}

double Form1::spaceWidthTwips() const {
    return QFontMetricsF(formFont_).horizontalAdvance(u' ') * 15.0;
}

int Form1::widthTwips() const {
    return frameGeometry().width() * 15;
}

QSize Form1::normalOuterSize(const QSize& available) {
    QSize size(pixels(15450), pixels(12870));
    if (available.isValid() && !available.isEmpty())
        size = size.boundedTo(available);
    return size;
}

void Form1::backgroundPressed(Qt::MouseButton button, const QPoint& position) {
    if (button == Qt::RightButton)
        popMenu_->popup(client_->mapToGlobal(position));
    else if (button == Qt::LeftButton)
        prompt::inform(this, StringTable::text(1319));
}

void Form1::setVisible(bool visible) {
    // A refused copy never shows its main window.
    if (visible && refused_)
        return;
    FormBase::setVisible(visible);
}

void Form1::applyNormalSize() {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QScreen* where = screen();
    const QSize outer = normalOuterSize(where ? where->availableGeometry().size() : QSize());
    // The frame is the desktop's; what is left of the outer size is ours.
    const QSize frame = frameGeometry().size() - size();
    const QSize wanted = outer - frame;
    if (size() != wanted)
        resize(wanted);
}

void Form1::showEvent(QShowEvent* event) {
    FormBase::showEvent(event);
    if (!placed_) {
        placed_ = true;
        if (const QScreen* where = screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(where->availableGeometry().center());
            const QPoint corner = where->availableGeometry().topLeft();
            move(qMax(frame.left(), corner.x()), qMax(frame.top(), corner.y()));
        }
    }
    applyNormalSize();
}

void Form1::resizeEvent(QResizeEvent* event) {
    FormBase::resizeEvent(event);
    if (isVisible())
        applyNormalSize();
}

void Form1::changeEvent(QEvent* event) {
    FormBase::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    if (isMinimized()) {
        // Without a notification area the window stays on the task bar: hidden, it would be
        // out of reach.
        if (!TrayIcon::available())
            return;
        tray_.add(this, menu(QStringLiteral("file")));
        tray_.setTip(QString::fromLatin1(trayTip));
        // While the main window waits in the notification area, closing the last calculator
        // must not end the program.
        QGuiApplication::setQuitOnLastWindowClosed(false);
        QTimer::singleShot(0, this, [this] {
            if (isMinimized())
                hide();
        });
        return;
    }
    tray_.remove();
    QGuiApplication::setQuitOnLastWindowClosed(true);
    applyNormalSize();
}

void Form1::closeEvent(QCloseEvent* event) {
    // Unload: the icon goes, every other window closes, the program ends.
    tray_.remove();
    if (!quitting_) {
        quitting_ = true;
        FormRegistry::closeAllExcept(objectName());
    }
    event->accept();
    endProgram();
}

void Form1::endProgram() {
    // With every window gone the program ends; a window that refused to close keeps it
    // running until that window goes too. Outside a running event loop (tests) there is
    // nothing to end.
    bool othersOpen = false;
    for (FormBase* form : FormRegistry::loaded())
        if (form != this)
            othersOpen = true;
    QGuiApplication::setQuitOnLastWindowClosed(true);
    if (!othersOpen && QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(0);
}

SPIRELTA_REGISTER_FORM(Form1)
