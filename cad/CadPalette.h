#pragma once
// Helidraw's palette: a small frameless window above all others, holding a toolbar whose
// buttons open the five input windows, the help page, or end the program. The user moves it
// by dragging the strip below the toolbar with the left button. It sizes itself to show all
// seven buttons and opens at the top edge of the screen, centred.

#include "common/ui/FormBase.h"

#include <QPoint>
#include <functional>

class QToolBar;

class CadPalette : public FormBase {
    Q_OBJECT
public:
    CadPalette();

    // The toolbar's buttons by their 1-based index; any other index does nothing.
    void buttonClick(int index);

    // Where the help page is looked for; empty restores the program folder's page.
    static void setHelpFile(const QString& path);
    static QString helpFile();
    // What button 7 does; the program quits, tests record.
    static void setQuitAction(std::function<void()> quit);

    bool isDragging() const { return dragging_; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void openHelp();
    void fitToolbar();

    QToolBar* toolbar_;
    bool placed_ = false;
    bool dragging_ = false;
    QPoint grab_;
};
