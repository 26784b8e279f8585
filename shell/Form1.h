#pragma once
// The main window: the menu bar, the popup menu, the toolbar and the hot spots that open every
// other window, a welcome marquee, and a status bar with a scrolling welcome text and a clock.
// Minimising it hides it into the notification area; closing it ends the program. Only one
// copy of the program may run: a second one says so and ends before its main window shows.

#include "common/ui/FormBase.h"
#include "shell/Form1Ticker.h"
#include "shell/TrayIcon.h"

#include <QFont>

class Form1Background;
class QLabel;
class QMenu;
class QMenuBar;
class QStatusBar;
class QTimer;
class QToolBar;

class Form1 : public FormBase {
    Q_OBJECT
public:
    Form1();

    // The command of a menu item, bar command or hot spot, by control name: shows its window,
    // runs its program command or asks the exit question. Unknown names do nothing.
    void runCommand(const QString& control);
    // The toolbar's one handler: button 1 to 23 shows its window, any other index nothing.
    void toolbarClick(int index);
    // Asks text 1320 (OK/Cancel); OK ends the program through quit().
    void exitCommand();
    // Closes every other window of the program, then this one.
    void quit();

    // Timer1 (after 1 s, then every 30 ms) and Timer2 (every 200 ms).
    void marqueeTick();
    void scrollerTick();

    // Left of the welcome label and the window's outer width, in twips.
    int marqueeLeft() const { return marqueeLeft_; }
    int widthTwips() const;

    // Outer size of the window in normal state: 15450 x 12870 twips, kept within the screen's
    // available area so that a small screen can still show all of it.
    static QSize normalOuterSize(const QSize& available);

    QMenu* menu(const QString& control) const;
    TrayIcon& trayIcon() { return tray_; }

    // True when another copy of the program was running at load: this window never shows.
    bool refused() const { return refused_; }

    static constexpr const char* trayTip = "Spirelta in spring design";

    void setVisible(bool visible) override;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildHotSpots();
    void buildStatusBar();
    void backgroundPressed(Qt::MouseButton button, const QPoint& position);
    void applyNormalSize();
    double spaceWidthTwips() const;
    void endProgram();

    Form1Background* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QMenu* popMenu_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* panel1_ = nullptr;
    QLabel* panel2_ = nullptr;
    QLabel* label1_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;

    // The window's own font; only used to measure a space for the scroller.
    QFont formFont_;
    int marqueeLeft_ = form1::marqueeStartLeft;
    form1::StatusScroll scroll_;
    TrayIcon tray_;
    bool refused_ = false;
    bool quitting_ = false;
    bool placed_ = false;
};
