#pragma once
// The drawing host's window: the wireframe view, the File menu (new drawing, save as DXF,
// quit) and the View menu (standard directions, show all). A drawing with unsaved changes
// is never dropped without asking.

#include "cad/host/DrawingModel.h"
#include "cad/host/HostCalls.h"

#include <QMainWindow>

namespace host {

class DrawingView;

class HostWindow : public QMainWindow {
    Q_OBJECT
public:
    HostWindow(DrawingModel& model, HostCalls& calls);

    DrawingView* view() const { return view_; }

    // Save / Discard / Cancel when the drawing has unsaved changes; true when it may go.
    bool mayDropDrawing();
    bool saveAs();
    void newDrawing();

    // Tests answer the question and choose the file instead of a user.
    std::function<int()> askSave; // QMessageBox::Save, Discard or Cancel
    std::function<QString()> chooseFile;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    DrawingModel& model_;
    HostCalls& calls_;
    DrawingView* view_;
};

} // namespace host
